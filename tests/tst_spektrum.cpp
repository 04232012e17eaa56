#include "spektrum.h"

#include <QFontMetrics>
#include <QImage>
#include <QList>
#include <QMetaMethod>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QTest>
#include <QTransform>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr QRgb schwarz = 0xff000000;
constexpr QRgb weiss = 0xffffffff;

// Samples of a data set of `kanaele` channels, all `wert`.
std::vector<float> flach(int kanaele, float wert)
{
    return std::vector<float>(size_t(kanaele) + 1, wert);
}

// A flat zero data set with one raised channel, so that the curve has a single apex.
std::vector<float> spitze(int kanaele, int kanal, float wert)
{
    std::vector<float> d = flach(kanaele, 0.0f);
    d[size_t(kanal)] = wert;
    return d;
}

void laden(Spektrum &v, std::vector<float> &d, float maxY = 500.0f)
{
    v.reload(int(d.size()) - 1, 0.0f, 20.0f, 0.0f, maxY, d.data());
}

QImage bild(Spektrum &v)
{
    QImage img(v.size(), QImage::Format_RGB32);
    // Red shows any pixel the view's own background fill leaves out.
    img.fill(Qt::red);
    v.render(&img);
    return img;
}

QList<int> schwarzInZeile(const QImage &img, int y)
{
    QList<int> xs;
    for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) == schwarz)
            xs << x;
    return xs;
}

QList<int> schwarzInSpalte(const QImage &img, int x)
{
    QList<int> ys;
    for (int y = 0; y < img.height(); ++y)
        if (img.pixel(x, y) == schwarz)
            ys << y;
    return ys;
}

// Where the header's glyphs may fall: its baseline starts at (20, 15).
QRect kopfRahmen(const Spektrum &v)
{
    return QFontMetrics(v.font()).boundingRect(v.headerText()).translated(20, 15).adjusted(-1, -1, 1, 1);
}

// Empty when the picture is the white background, the axis line and the header, and nothing else.
QString nurAchseUndKopf(const QImage &img, const QRect &kopf)
{
    const int achse = img.height() - 15;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            bool gut;
            if (y == achse && x >= 5 && x <= img.width() - 5)
                gut = p == schwarz;
            else if (kopf.contains(x, y))
                gut = qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
            else
                gut = p == weiss;
            if (!gut)
                return QString("pixel (%1, %2) is #%3").arg(x).arg(y).arg(p, 8, 16, QChar('0'));
        }
    }
    return QString();
}

// Records what the view hands to the painter, in the order it does so.
class Aufzeichnung : public QPaintEngine
{
public:
    struct Linie
    {
        QLine linie;
        int anzahl = 0;
        QTransform transform;
        QPen pen;
        QPainter::RenderHints hints;
        int nachTexten = 0;
    };
    struct Text
    {
        QPointF punkt;
        QString text;
    };

    Aufzeichnung() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return User; }

    void drawLines(const QLine *lines, int lineCount) override
    {
        for (int k = 0; k < lineCount; ++k)
            linien.append({lines[k], lineCount, painter()->deviceTransform(), painter()->pen(),
                           painter()->renderHints(), int(texte.size())});
    }
    void drawLines(const QLineF *, int) override { ++andere; }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override { ++andere; }
    void drawPolygon(const QPoint *, int, PolygonDrawMode) override { ++andere; }
    void drawPath(const QPainterPath &) override { ++andere; }
    void drawPoints(const QPointF *, int) override { ++andere; }
    void drawPoints(const QPoint *, int) override { ++andere; }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        texte.append({painter()->deviceTransform().map(p), item.text()});
    }
    // The background fill.
    void drawRects(const QRect *, int) override {}
    void drawRects(const QRectF *, int) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

    QList<Linie> linien;
    QList<Text> texte;
    int andere = 0;
};

class Aufnahme : public QPaintDevice
{
public:
    explicit Aufnahme(QSize groesse) : groesse(groesse) {}
    QPaintEngine *paintEngine() const override { return &engine; }

    mutable Aufzeichnung engine;

protected:
    int metric(PaintDeviceMetric metrik) const override
    {
        switch (metrik) {
        case PdmWidth: return groesse.width();
        case PdmHeight: return groesse.height();
        case PdmWidthMM: return groesse.width() * 254 / 960;
        case PdmHeightMM: return groesse.height() * 254 / 960;
        case PdmNumColors: return INT_MAX;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QSize groesse;
};

const Aufzeichnung &aufzeichnen(Spektrum &v, Aufnahme &geraet)
{
    v.render(&geraet);
    return geraet.engine;
}

// Where the view must put channel j of samples d: truncation of double products of float scales.
QPoint punkt(int j, const std::vector<float> &d, float skalaX, float skalaY)
{
    return QPoint(int(j * double(skalaX)), -int(double(d[size_t(j)]) * double(skalaY)));
}

} // namespace

class tst_Spektrum : public QObject
{
    Q_OBJECT

private slots:
    void construction();
    void metaObject();
    void slotsScheduleRepaint_data();
    void slotsScheduleRepaint();
    void apexColumn_data();
    void apexColumn();
    void sampleRow_data();
    void sampleRow();
    void axisLine_data();
    void axisLine();
    void headerText_data();
    void headerText();
    void headerDrawn();
    void segmentCalls();
    void neuerungBelowCount_data();
    void neuerungBelowCount();
    void neuerungAboveCount();
    void emptyCounts_data();
    void emptyCounts();
    void reloadCopiesCountPlusOne();
    void unusableScale_data();
    void unusableScale();
    void hugeSamples_data();
    void hugeSamples();
    void capacity_data();
    void capacity();
    void resizing();
    void tinySizes_data();
    void tinySizes();
};

void tst_Spektrum::construction()
{
    Spektrum v;
    QCOMPARE(v.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(v.palette().color(QPalette::Button), QColor(Qt::white));
    QVERIFY(v.autoFillBackground());
    QCOMPARE(v.channels(), 0);
    for (int i = 0; i < spektrumKapazitaet; ++i)
        QCOMPARE(v.samples()[i], 0.0f);
    QCOMPARE(v.headerText(), QString("Kanäle: 0 - Emin: 0 - Emax: 0 - Ymin: 0 - Ymax: 0"));

    v.resize(400, 300);
    QCOMPARE(nurAchseUndKopf(bild(v), kopfRahmen(v)), QString());
}

void tst_Spektrum::metaObject()
{
    const QMetaObject *mo = Spektrum().metaObject();
    QCOMPARE(mo->className(), "Spektrum");
    QCOMPARE(mo->superClass(), &QWidget::staticMetaObject);
    QCOMPARE(mo->methodCount() - mo->methodOffset(), 2);
    QCOMPARE(mo->propertyCount(), mo->propertyOffset());
    QCOMPARE(mo->enumeratorCount(), mo->enumeratorOffset());
    QCOMPARE(mo->classInfoCount(), 0);

    const QMetaMethod neuerung = mo->method(mo->methodOffset());
    QCOMPARE(neuerung.methodSignature(), QByteArray("neuerung(int)"));
    QCOMPARE(neuerung.parameterNames(), QList<QByteArray>{"zahl"});
    const QMetaMethod reload = mo->method(mo->methodOffset() + 1);
    QCOMPARE(reload.methodSignature(), QByteArray("reload(int,float,float,float,float,float*)"));
    QCOMPARE(reload.parameterNames(),
             (QList<QByteArray>{"dimX", "minX", "maxX", "minY", "maxY", "daten"}));
    for (const QMetaMethod &m : {neuerung, reload}) {
        QCOMPARE(m.methodType(), QMetaMethod::Slot);
        QCOMPARE(m.access(), QMetaMethod::Public);
        QCOMPARE(m.returnType(), int(QMetaType::Void));
    }
}

namespace {
class PaintZaehler : public QObject
{
public:
    int anzahl = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++anzahl;
        return false;
    }
};
} // namespace

void tst_Spektrum::slotsScheduleRepaint_data()
{
    QTest::addColumn<bool>("perReload");
    QTest::newRow("neuerung") << false;
    QTest::newRow("reload") << true;
}

void tst_Spektrum::slotsScheduleRepaint()
{
    QFETCH(bool, perReload);

    Spektrum v;
    PaintZaehler zaehler;
    v.installEventFilter(&zaehler);
    v.resize(400, 300);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    QTRY_VERIFY(zaehler.anzahl > 0);
    QCoreApplication::processEvents();
    zaehler.anzahl = 0;

    std::vector<float> d = flach(20, 1.0f);
    if (perReload)
        laden(v, d);
    else
        v.neuerung(20);
    // Only scheduled: nothing is painted inside the slot.
    QCOMPARE(zaehler.anzahl, 0);
    QTRY_VERIFY(zaehler.anzahl > 0);
}

void tst_Spektrum::apexColumn_data()
{
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<int>("kanal");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("zeile");

    // 1.9 is stored slightly low, so 100 x 1.9 truncates to 189, not 190.
    QTest::newRow("channel 100 at 400x300") << QSize(400, 300) << 100 << 204 << 145;
    QTest::newRow("channel 200 at 400x300") << QSize(400, 300) << 200 << 394 << 145;
    QTest::newRow("channel 0 at 400x300") << QSize(400, 300) << 0 << 15 << 145;
    // 2.9 is stored slightly high and 0.76 slightly low.
    QTest::newRow("channel 100 at 600x400") << QSize(600, 400) << 100 << 305 << 196;
}

void tst_Spektrum::apexColumn()
{
    QFETCH(QSize, groesse);
    QFETCH(int, kanal);
    QFETCH(int, x);
    QFETCH(int, zeile);

    Spektrum v;
    v.resize(groesse);
    std::vector<float> d = spitze(200, kanal, 250.0f);
    laden(v, d);
    const QImage img = bild(v);
    QCOMPARE(schwarzInZeile(img, zeile), QList<int>{x});
    QCOMPARE(schwarzInZeile(img, zeile - 1), QList<int>());
}

void tst_Spektrum::sampleRow_data()
{
    QTest::addColumn<float>("minY");
    QTest::addColumn<float>("maxY");
    QTest::addColumn<float>("wert");
    QTest::addColumn<int>("zeile");

    // 0.56 is stored slightly high, so 500 x 0.56 truncates to 280.
    QTest::newRow("500 on row 5") << 0.0f << 500.0f << 500.0f << 5;
    QTest::newRow("250 on row 145") << 0.0f << 500.0f << 250.0f << 145;
    QTest::newRow("-10 on row 290") << 0.0f << 500.0f << -10.0f << 290;
    QTest::newRow("0 on the axis") << 0.0f << 500.0f << 0.0f << 285;
    // Intensity 0, not minY, sits on the axis.
    QTest::newRow("minY takes no part") << -250.0f << 500.0f << 250.0f << 145;
    QTest::newRow("above maxY cut off at the top") << 0.0f << 500.0f << 600.0f << -1;
    QTest::newRow("negative maxY puts positive samples below") << 0.0f << -500.0f << 20.0f << 296;
}

void tst_Spektrum::sampleRow()
{
    QFETCH(float, minY);
    QFETCH(float, maxY);
    QFETCH(float, wert);
    QFETCH(int, zeile);

    Spektrum v;
    v.resize(400, 300);
    std::vector<float> d = flach(200, wert);
    v.reload(200, 0.0f, 20.0f, minY, maxY, d.data());
    const QImage img = bild(v);
    // A flat data set is one horizontal run from x = 15 to 394; look at it clear of the header.
    QVERIFY(kopfRahmen(v).right() < 390);
    QList<int> erwartet;
    if (zeile >= 0 && zeile != 285)
        erwartet << zeile;
    erwartet << 285;
    std::sort(erwartet.begin(), erwartet.end());
    QCOMPARE(schwarzInSpalte(img, 390), erwartet);
    QCOMPARE(schwarzInSpalte(img, 16), erwartet);
}

void tst_Spektrum::axisLine_data()
{
    QTest::addColumn<QSize>("groesse");
    QTest::newRow("400x300") << QSize(400, 300);
    QTest::newRow("600x400") << QSize(600, 400);
    QTest::newRow("123x77") << QSize(123, 77);
}

void tst_Spektrum::axisLine()
{
    QFETCH(QSize, groesse);

    Spektrum v;
    v.resize(groesse);
    const QImage img = bild(v);
    const int w = groesse.width();
    QList<int> erwartet;
    for (int x = 5; x <= w - 5; ++x)
        erwartet << x;
    QCOMPARE(schwarzInZeile(img, groesse.height() - 15), erwartet);
    QCOMPARE(schwarzInZeile(img, groesse.height() - 16), QList<int>());
    QCOMPARE(schwarzInZeile(img, groesse.height() - 14), QList<int>());
}

void tst_Spektrum::headerText_data()
{
    QTest::addColumn<int>("kanaele");
    QTest::addColumn<float>("minX");
    QTest::addColumn<float>("maxX");
    QTest::addColumn<float>("minY");
    QTest::addColumn<float>("maxY");
    QTest::addColumn<QString>("text");

    QTest::newRow("200 channels") << 200 << 0.0f << 20.0f << 0.0f << 500.5f
                                    << "Kanäle: 200 - Emin: 0 - Emax: 20 - Ymin: 0 - Ymax: 500.5";
    QTest::newRow("six significant digits") << 7 << -0.5f << 1234567.0f << -0.001f << 0.1f
                                            << "Kanäle: 7 - Emin: -0.5 - Emax: 1.23457e+06 - Ymin: -0.001 - Ymax: 0.1";
    QTest::newRow("large, small and inexact floats")
        << 1 << 16777216.0f << 3.14159274f << 1e-5f << 123456.7f
        << "Kanäle: 1 - Emin: 1.67772e+07 - Emax: 3.14159 - Ymin: 1e-05 - Ymax: 123457";
    QTest::newRow("negative count") << -3 << 0.0f << 20.0f << 0.0f << 1.0f
                                    << "Kanäle: -3 - Emin: 0 - Emax: 20 - Ymin: 0 - Ymax: 1";
}

void tst_Spektrum::headerText()
{
    QFETCH(int, kanaele);
    QFETCH(float, minX);
    QFETCH(float, maxX);
    QFETCH(float, minY);
    QFETCH(float, maxY);
    QFETCH(QString, text);

    Spektrum v;
    std::vector<float> d = flach(std::max(kanaele, 0), 0.0f);
    v.reload(kanaele, minX, maxX, minY, maxY, d.data());
    QCOMPARE(v.headerText(), text);
}

void tst_Spektrum::headerDrawn()
{
    Spektrum v;
    v.resize(400, 300);
    std::vector<float> d = flach(200, 0.0f);
    v.reload(200, 0.0f, 20.0f, 0.0f, 500.5f, d.data());
    const QImage img = bild(v);

    // The curve lies on the axis, so every dark pixel above it belongs to the header.
    int links = INT_MAX, rechts = -1, unten = -1;
    for (int y = 0; y < 285; ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (qGray(img.pixel(x, y)) < 128) {
                links = std::min(links, x);
                rechts = std::max(rechts, x);
                unten = std::max(unten, y);
            }
        }
    }
    QVERIFY(rechts >= 0);
    // Glyphs stand on the baseline, row 15, and the text begins at x = 20.
    QVERIFY2(links >= 19 && links <= 23, qPrintable(QString::number(links)));
    QVERIFY2(unten >= 13 && unten <= 15, qPrintable(QString::number(unten)));
    const int breite = QFontMetrics(v.font()).horizontalAdvance(v.headerText());
    QVERIFY2(rechts > 20 + breite - 12 && rechts <= 20 + breite + 1,
             qPrintable(QString("%1 against %2").arg(rechts).arg(20 + breite)));
    QCOMPARE(nurAchseUndKopf(img, kopfRahmen(v)), QString());
}

void tst_Spektrum::segmentCalls()
{
    Spektrum v;
    v.resize(400, 300);
    std::vector<float> d(201);
    for (size_t i = 0; i < d.size(); ++i)
        d[i] = float(int(i * 37) % 530) - 20.5f;
    laden(v, d);

    Aufnahme geraet(v.size());
    const Aufzeichnung &a = aufzeichnen(v, geraet);

    QCOMPARE(a.andere, 0);
    QCOMPARE(a.linien.size(), 201);
    QCOMPARE(a.texte.size(), 1);
    QCOMPARE(a.texte[0].text, v.headerText());
    QCOMPARE(a.texte[0].punkt, QPointF(20.0, 15.0));

    const Aufzeichnung::Linie &achse = a.linien[0];
    QCOMPARE(achse.linie, QLine(5, -15, 395, -15));
    QCOMPARE(achse.transform, QTransform::fromTranslate(0.0, 300.0));
    QCOMPARE(achse.nachTexten, 0);

    const float skalaX = float(380.0 / 200);
    const float skalaY = float(280.0 / 500);
    for (int i = 0; i < 200; ++i) {
        const Aufzeichnung::Linie &s = a.linien[i + 1];
        QCOMPARE(s.anzahl, 1);
        QCOMPARE(s.nachTexten, 1);
        QCOMPARE(s.linie, QLine(punkt(i + 1, d, skalaX, skalaY), punkt(i, d, skalaX, skalaY)));
        QCOMPARE(s.transform, QTransform::fromTranslate(15.0, 285.0));
    }

    for (const Aufzeichnung::Linie &l : a.linien) {
        QCOMPARE(l.pen.widthF(), 1.0);
        QCOMPARE(l.pen.style(), Qt::SolidLine);
        QCOMPARE(l.pen.capStyle(), Qt::RoundCap);
        QCOMPARE(l.pen.joinStyle(), Qt::RoundJoin);
        QCOMPARE(l.pen.brush().style(), Qt::SolidPattern);
        QCOMPARE(l.pen.color(), QColor(Qt::black));
        QVERIFY(!l.hints.testFlag(QPainter::Antialiasing));
        QVERIFY(!l.hints.testFlag(QPainter::SmoothPixmapTransform));
    }
}

void tst_Spektrum::neuerungBelowCount_data()
{
    QTest::addColumn<int>("zahl");
    QTest::addColumn<int>("kanal");
    QTest::addColumn<int>("x");

    // 7.6 is stored slightly low: channel 50 ends one pixel short of W - 5.
    QTest::newRow("last channel of 50") << 50 << 50 << 394;
    QTest::newRow("channel 10 of 50") << 50 << 10 << 90;
    QTest::newRow("channel 3 of 5") << 5 << 3 << 243;
}

void tst_Spektrum::neuerungBelowCount()
{
    QFETCH(int, zahl);
    QFETCH(int, kanal);
    QFETCH(int, x);

    Spektrum v;
    v.resize(400, 300);
    std::vector<float> d = spitze(200, kanal, 250.0f);
    laden(v, d);
    v.neuerung(zahl);
    QCOMPARE(v.channels(), zahl);
    QCOMPARE(v.headerText(), QString("Kanäle: %1 - Emin: 0 - Emax: 20 - Ymin: 0 - Ymax: 500").arg(zahl));
    const QImage img = bild(v);
    QCOMPARE(schwarzInZeile(img, 145), QList<int>{x});
    QCOMPARE(schwarzInZeile(img, 144), QList<int>());
}

void tst_Spektrum::neuerungAboveCount()
{
    Spektrum v;
    v.resize(400, 300);
    std::vector<float> lang = spitze(300, 250, 250.0f);
    laden(v, lang);
    std::vector<float> kurz = flach(200, 0.0f);
    laden(v, kurz);
    QCOMPARE(nurAchseUndKopf(bild(v), kopfRahmen(v)), QString());

    v.neuerung(300);
    QCOMPARE(v.channels(), 300);
    // 380 / 300 stored as float puts channel 250 at 15 + 316.
    QCOMPARE(schwarzInZeile(bild(v), 145), QList<int>{331});
}

void tst_Spektrum::emptyCounts_data()
{
    QTest::addColumn<bool>("perReload");
    QTest::addColumn<int>("zahl");

    QTest::newRow("reload with 0 channels") << true << 0;
    QTest::newRow("reload with -7 channels") << true << -7;
    QTest::newRow("reload with INT_MIN channels") << true << INT_MIN;
    QTest::newRow("neuerung 0") << false << 0;
    QTest::newRow("neuerung -1") << false << -1;
}

void tst_Spektrum::emptyCounts()
{
    QFETCH(bool, perReload);
    QFETCH(int, zahl);

    Spektrum v;
    v.resize(400, 300);
    std::vector<float> d = flach(200, 250.0f);
    laden(v, d);
    const std::vector<float> vorher(v.samples(), v.samples() + spektrumKapazitaet);

    std::vector<float> eins{123.0f};
    if (perReload)
        // A negative count must read nothing at all.
        v.reload(zahl, 0.0f, 20.0f, 0.0f, 500.0f, zahl < 0 ? nullptr : eins.data());
    else
        v.neuerung(zahl);

    QCOMPARE(v.channels(), zahl);
    QVERIFY(v.headerText().startsWith(QString("Kanäle: %1 - ").arg(zahl)));
    std::vector<float> nachher(v.samples(), v.samples() + spektrumKapazitaet);
    if (perReload && zahl == 0) {
        QCOMPARE(nachher[0], 123.0f);
        nachher[0] = vorher[0];
    }
    QVERIFY(nachher == vorher);
    QCOMPARE(nurAchseUndKopf(bild(v), kopfRahmen(v)), QString());
}

void tst_Spektrum::reloadCopiesCountPlusOne()
{
    Spektrum v;
    std::vector<float> lang = flach(10, 7.0f);
    laden(v, lang);
    std::vector<float> kurz = flach(3, 1.0f);
    laden(v, kurz);
    QCOMPARE(v.channels(), 3);
    for (int i = 0; i < spektrumKapazitaet; ++i)
        QCOMPARE(v.samples()[i], i <= 3 ? 1.0f : i <= 10 ? 7.0f : 0.0f);
}

void tst_Spektrum::unusableScale_data()
{
    QTest::addColumn<int>("kanaele");
    QTest::addColumn<float>("maxY");

    QTest::newRow("maxY 0") << 200 << 0.0f;
    QTest::newRow("maxY -0") << 200 << -0.0f;
    QTest::newRow("maxY NaN") << 200 << std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("maxY so small the scale overflows float") << 200 << 1e-44f;
    QTest::newRow("maxY 0 with 0 channels") << 0 << 0.0f;
    QTest::newRow("maxY NaN with 0 channels") << 0 << std::numeric_limits<float>::quiet_NaN();
}

void tst_Spektrum::unusableScale()
{
    QFETCH(int, kanaele);
    QFETCH(float, maxY);

    Spektrum v;
    v.resize(400, 300);
    std::vector<float> d = flach(kanaele, 250.0f);
    laden(v, d, maxY);
    QCOMPARE(nurAchseUndKopf(bild(v), kopfRahmen(v)), QString());

    Aufnahme geraet(v.size());
    const Aufzeichnung &a = aufzeichnen(v, geraet);
    QCOMPARE(a.linien.size(), 1);
    QCOMPARE(a.texte.size(), 1);
}

void tst_Spektrum::hugeSamples_data()
{
    QTest::addColumn<float>("wert");
    QTest::addColumn<int>("y");

    const float inf = std::numeric_limits<float>::infinity();
    QTest::newRow("1e30") << 1e30f << -INT_MAX;
    QTest::newRow("-1e30") << -1e30f << INT_MAX;
    QTest::newRow("FLT_MAX") << FLT_MAX << -INT_MAX;
    QTest::newRow("-FLT_MAX") << -FLT_MAX << INT_MAX;
    QTest::newRow("inf") << inf << -INT_MAX;
    QTest::newRow("-inf") << -inf << INT_MAX;
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 0;
    // 3.9e9 x 0.56 is past INT_MAX although the sample itself is an ordinary float.
    QTest::newRow("just past int range") << 3.9e9f << -INT_MAX;
}

void tst_Spektrum::hugeSamples()
{
    QFETCH(float, wert);
    QFETCH(int, y);

    Spektrum v;
    v.resize(400, 300);
    std::vector<float> d = spitze(200, 100, wert);
    laden(v, d);

    Aufnahme geraet(v.size());
    const Aufzeichnung &a = aufzeichnen(v, geraet);
    QCOMPARE(a.linien.size(), 201);
    QCOMPARE(a.linien[100].linie.p1(), QPoint(189, y));
    QCOMPARE(a.linien[101].linie.p2(), QPoint(189, y));

    const QImage img = bild(v);
    if (y == 0) {
        QCOMPARE(nurAchseUndKopf(img, kopfRahmen(v)), QString());
    } else {
        // The two steep segments leave the picture through its top or bottom edge.
        QVERIFY(!schwarzInZeile(img, y < 0 ? 100 : 295).isEmpty());
        QVERIFY(!schwarzInZeile(img, y < 0 ? 0 : 299).isEmpty());
    }
}

void tst_Spektrum::capacity_data()
{
    QTest::addColumn<int>("dimX");
    QTest::newRow("3999, the largest data set") << 3999;
    QTest::newRow("4000") << 4000;
    QTest::newRow("10000") << 10000;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void tst_Spektrum::capacity()
{
    QFETCH(int, dimX);

    Spektrum v;
    v.resize(400, 300);
    // Exactly the storage's size, so a read past it is caught.
    std::vector<float> d(spektrumKapazitaet);
    for (int i = 0; i < spektrumKapazitaet; ++i)
        d[size_t(i)] = float(i % 400);
    v.reload(dimX, 0.0f, 20.0f, 0.0f, 500.0f, d.data());
    QCOMPARE(v.channels(), dimX);
    QVERIFY(v.headerText().startsWith(QString("Kanäle: %1 - ").arg(dimX)));
    QVERIFY(std::equal(d.begin(), d.end(), v.samples()));

    Aufnahme geraet(v.size());
    const Aufzeichnung &a = aufzeichnen(v, geraet);
    QCOMPARE(a.linien.size(), 1 + spektrumKapazitaet - 1);
    const float skalaX = float(380.0 / double(dimX));
    const float skalaY = float(280.0 / 500);
    QCOMPARE(a.linien.last().linie,
             QLine(punkt(3999, d, skalaX, skalaY), punkt(3998, d, skalaX, skalaY)));
    QVERIFY(!bild(v).isNull());

    // The same bound holds when only the count grows.
    std::vector<float> kurz = flach(10, 1.0f);
    laden(v, kurz);
    v.neuerung(dimX);
    Aufnahme zweites(v.size());
    QCOMPARE(aufzeichnen(v, zweites).linien.size(), spektrumKapazitaet);
}

void tst_Spektrum::resizing()
{
    Spektrum v;
    v.resize(400, 300);
    std::vector<float> d = spitze(200, 100, 250.0f);
    laden(v, d);
    QCOMPARE(schwarzInZeile(bild(v), 145), QList<int>{204});

    v.resize(600, 400);
    const QImage img = bild(v);
    QCOMPARE(img.size(), QSize(600, 400));
    QCOMPARE(schwarzInZeile(img, 196), QList<int>{305});
    QCOMPARE(schwarzInZeile(img, 145), QList<int>());
    QCOMPARE(schwarzInZeile(img, 385).size(), 600 - 9);
    QCOMPARE(schwarzInZeile(img, 385).first(), 5);
}

void tst_Spektrum::tinySizes_data()
{
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<int>("kanal");
    QTest::addColumn<float>("wert");
    QTest::addColumn<QPoint>("schwarzerPunkt");

    // Below 20 px the scales turn negative and the curve is mirrored.
    QTest::newRow("10 px wide: channel 200 left of channel 0") << QSize(10, 300) << 200 << 250.0f << QPoint(5, 145);
    QTest::newRow("10 px high: 500 drawn below the axis") << QSize(400, 10) << 200 << 500.0f << QPoint(394, 4);
    QTest::newRow("19x19") << QSize(19, 19) << 0 << 0.0f << QPoint(5, 4);
    QTest::newRow("1x1") << QSize(1, 1) << 100 << 500.0f << QPoint(-1, -1);
}

void tst_Spektrum::tinySizes()
{
    QFETCH(QSize, groesse);
    QFETCH(int, kanal);
    QFETCH(float, wert);
    QFETCH(QPoint, schwarzerPunkt);

    Spektrum v;
    v.resize(groesse);
    QCOMPARE(v.size(), groesse);
    std::vector<float> d = spitze(200, kanal, wert);
    laden(v, d);
    const QImage img = bild(v);
    if (schwarzerPunkt.x() >= 0) {
        QCOMPARE(img.pixel(schwarzerPunkt), schwarz);
    } else {
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                QCOMPARE(img.pixel(x, y), weiss);
    }
}

QTEST_MAIN(tst_Spektrum)
#include "tst_spektrum.moc"
