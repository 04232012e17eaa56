#include "daten.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// QCOMPARE on floats is fuzzy; the data operations are exact, so compare the bits.
bool sameFloat(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

QByteArray label(int index)
{
    return "sample " + QByteArray::number(index);
}

QByteArray label(const char *name)
{
    return name;
}

QByteArray mismatch(const QByteArray &what, float actual, float expected)
{
    return what + " is " + QByteArray::number(actual, 'g', 9) + ", expected "
           + QByteArray::number(expected, 'g', 9);
}

QByteArray outside(int index, float actual, float low, float high)
{
    return label(index) + " is " + QByteArray::number(actual, 'g', 9) + ", not between "
           + QByteArray::number(low, 'g', 9) + " and " + QByteArray::number(high, 'g', 9);
}

#define VERIFY_SAME_FLOAT(what, actual, expected)                                                  \
    QVERIFY2(sameFloat((actual), (expected)), mismatch(label(what), (actual), (expected)).constData())

bool sameDataSet(const SpektrumDaten &a, const SpektrumDaten &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Channel count, bounds and samples 0 to 200: what a test fill writes.
bool sameTestPart(const SpektrumDaten &a, const SpektrumDaten &b)
{
    return std::memcmp(&a, &b, offsetof(SpektrumDaten, daten) + 201 * sizeof(float)) == 0;
}

// A data set with a canary right behind it, to catch any write past the samples.
struct GuardedSpektrum
{
    SpektrumDaten daten;
    float guard[16];

    GuardedSpektrum() { std::fill(std::begin(guard), std::end(guard), -31337.25f); }
    bool guardIntact() const
    {
        return std::all_of(std::begin(guard), std::end(guard),
                           [](float v) { return sameFloat(v, -31337.25f); });
    }
};
static_assert(offsetof(GuardedSpektrum, guard) == sizeof(SpektrumDaten),
              "the canary must sit directly behind the data set");

std::unique_ptr<SpektrumDaten> filledWith(float wert)
{
    auto d = std::make_unique<SpektrumDaten>();
    std::fill(std::begin(d->daten), std::end(d->daten), wert);
    return d;
}

QByteArray writeFixture(const QTemporaryDir &dir, const char *name, const QByteArray &inhalt)
{
    QFile file(dir.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(inhalt) != inhalt.size())
        return {};
    return QFile::encodeName(file.fileName());
}

QByteArray lines(const QList<float> &werte)
{
    QByteArray text;
    for (float v : werte)
        text += QByteArray::number(v, 'g', 9) + '\n';
    return text;
}

// The samples 0 to 200 the test fill is meant to produce, drawn here the same way.
QList<float> expectedTestValues()
{
    srand(5);
    QList<float> werte;
    for (int i = 0; i <= 200; ++i)
        werte << float(rand() % 800 + 200);
    return werte;
}

// A decimal comma, as a German desktop has it.
struct KommaPunkt : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// Installs a comma-decimal global locale for its lifetime, the C locale too where one exists.
class CommaLocale
{
public:
    CommaLocale() : m_cLocale(std::setlocale(LC_ALL, nullptr))
    {
        for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name)) {
                m_realCLocale = true;
                break;
            }
        }
        m_previous = std::locale::global(std::locale(std::locale::classic(), new KommaPunkt));
    }
    ~CommaLocale()
    {
        std::locale::global(m_previous);
        std::setlocale(LC_ALL, m_cLocale.c_str());
    }
    bool realCLocale() const { return m_realCLocale; }

private:
    std::string m_cLocale;
    std::locale m_previous;
    bool m_realCLocale = false;
};

} // namespace

class tst_Daten : public QObject
{
    Q_OBJECT

private slots:
    void testSpectrum();
    void testSpectrumRepeatable();

    void readFile_data();
    void readFile();
    void readTwiceAndAfterMissing();
    void readAfterTestSpectrum();
    void readBeyondCapacity();
    void readUnderCommaLocale();
    void readFifo();
    void sampleFile();

    void smooth_data();
    void smooth();
    void smoothChangedSamples_data();
    void smoothChangedSamples();
    void smoothTwice();
    void smoothFewChannels_data();
    void smoothFewChannels();
    void smoothExtremeEdges_data();
    void smoothExtremeEdges();
    void smoothBeyondCapacity();
    void placeholdersChangeNothing();
};

void tst_Daten::testSpectrum()
{
    auto d = filledWith(-1.5f);
    d->dimX = -3;
    d->minX = 5.0f;
    d->maxX = -5.0f;
    d->minY = 7.0f;
    d->maxY = -7.0f;
    fillTestSpectrum(d.get());

    QCOMPARE(d->dimX, 200);
    QCOMPARE(d->minX, 0.0f);
    QCOMPARE(d->maxX, 20.0f);
    QCOMPARE(d->minY, 0.0f);

    const QList<float> erwartet = expectedTestValues();
    float groesster = 0.0f;
    for (int i = 0; i <= 200; ++i) {
        const float v = d->daten[i];
        QVERIFY2(v >= 200.0f && v <= 999.0f && v == std::trunc(v), outside(i, v, 200, 999).constData());
        VERIFY_SAME_FLOAT(i, v, erwartet.at(i));
        groesster = std::max(groesster, v);
    }
    VERIFY_SAME_FLOAT("maxY", d->maxY, groesster);
    for (int i = 201; i < spektrumKapazitaet; ++i)
        VERIFY_SAME_FLOAT(i, d->daten[i], -1.5f);
}

void tst_Daten::testSpectrumRepeatable()
{
    auto referenz = std::make_unique<SpektrumDaten>();
    fillTestSpectrum(referenz.get());

    // Refilled after smoothing.
    auto d = std::make_unique<SpektrumDaten>();
    fillTestSpectrum(d.get());
    smoothSpectrum(d.get());
    QVERIFY(!sameTestPart(*d, *referenz));
    fillTestSpectrum(d.get());
    QVERIFY(sameDataSet(*d, *referenz));

    // Refilled after a longer file with negative values: samples above 200 keep the file's.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QList<float> datei;
    for (int i = 0; i <= 300; ++i)
        datei << -float(i) - 0.5f;
    const QByteArray pfad = writeFixture(dir, "lang.zel", "300\n" + lines(datei));
    QVERIFY(!pfad.isEmpty());
    readSpectrumFile(d.get(), pfad.constData());
    QCOMPARE(d->dimX, 300);
    QCOMPARE(d->minY, -300.5f);
    fillTestSpectrum(d.get());
    QVERIFY(sameTestPart(*d, *referenz));
    for (int i = 201; i <= 300; ++i)
        VERIFY_SAME_FLOAT(i, d->daten[i], datei.at(i));

    // Whatever was there before.
    auto fremd = filledWith(NAN);
    fremd->dimX = INT_MIN;
    fremd->maxY = INFINITY;
    fillTestSpectrum(fremd.get());
    QVERIFY(sameTestPart(*fremd, *referenz));
}

void tst_Daten::readFile_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<bool>("vorhanden");
    QTest::addColumn<int>("dimX");
    QTest::addColumn<QList<float>>("samples");
    QTest::addColumn<float>("minY");
    QTest::addColumn<float>("maxY");

    const QList<float> fuenf{10, 20.5f, 15, 12};
    QTest::newRow("five lines") << QByteArray("3\n10\n20.5\n15\n12\n") << true << 3 << fuenf << 0.0f << 20.5f;
    QTest::newRow("five lines, CR LF") << QByteArray("3\r\n10\r\n20.5\r\n15\r\n12\r\n") << true << 3 << fuenf
                                       << 0.0f << 20.5f;
    QTest::newRow("bounds below zero") << QByteArray("2\n-4\n0.5\n-1\n") << true << 2 << QList<float>{-4, 0.5f, -1}
                                       << -4.0f << 1.0f;
    QTest::newRow("bounds within 0 and 1") << QByteArray("2\n0.25\n0.5\n0.75\n") << true << 2
                                           << QList<float>{0.25f, 0.5f, 0.75f} << 0.0f << 1.0f;

    QTest::newRow("count 3.9") << QByteArray("3.9\n1\n2\n3\n4\n5\n") << true << 3 << QList<float>{1, 2, 3, 4}
                               << 0.0f << 4.0f;
    QTest::newRow("count -0.9") << QByteArray("-0.9\n6\n7\n") << true << 0 << QList<float>{6} << 0.0f << 6.0f;
    QTest::newRow("count -2") << QByteArray("-2\n6\n7\n") << true << -2 << QList<float>{} << 0.0f << 1.0f;
    QTest::newRow("count 0") << QByteArray("0\n6\n7\n") << true << 0 << QList<float>{6} << 0.0f << 6.0f;
    QTest::newRow("count is a word") << QByteArray("Gold\n6\n7\n") << true << 0 << QList<float>{6} << 0.0f << 6.0f;
    QList<float> rampe;
    for (int i = 0; i <= 200; ++i)
        rampe << float(i + 100);
    const QByteArray rampenZeilen = lines(rampe) + "999\n";
    QTest::newRow("count 200.7") << "200.7\n" + rampenZeilen << true << 200 << rampe << 0.0f << 300.0f;
    QTest::newRow("count 2e2") << "2e2\n" + rampenZeilen << true << 200 << rampe << 0.0f << 300.0f;
    QList<float> saettigung{1, 2};
    while (saettigung.size() < spektrumKapazitaet)
        saettigung << 0.0f;
    QTest::newRow("count 1e12 saturates") << QByteArray("1e12\n1\n2\n") << true << spektrumKapazitaet - 1
                                          << saettigung << 0.0f << 2.0f;

    QTest::newRow("sample lines") << QByteArray("6\n  7\n12.5 word\n1e3\n1,5\nletters\n\n   \n") << true << 6
                                  << QList<float>{7, 12.5f, 1000, 1, 0, 0, 0} << 0.0f << 1000.0f;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" "3\n10\n20\n") << true << 0 << QList<float>{10}
                                     << 0.0f << 10.0f;
    QTest::newRow("no final line feed") << QByteArray("2\n5\n6\n7") << true << 2 << QList<float>{5, 6, 7} << 0.0f
                                        << 7.0f;
    QTest::newRow("file ends early") << QByteArray("4\n1\n2\n") << true << 4 << QList<float>{1, 2, 0, 0, 0} << 0.0f
                                     << 2.0f;
    QTest::newRow("carriage returns alone") << QByteArray("3\r10\r20.5\r15\r12\r") << true << 3
                                            << QList<float>{0, 0, 0, 0} << 0.0f << 1.0f;
    QTest::newRow("negative zero does not replace a bound") << QByteArray("1\n-0\n1\n") << true << 1
                                                            << QList<float>{-0.0f, 1} << 0.0f << 1.0f;
    QTest::newRow("extra lines") << QByteArray("1\n4\n5\n6\n7\n") << true << 1 << QList<float>{4, 5} << 0.0f << 5.0f;

    // 252 blanks and three or four digits: 255 and 256 characters before the line feed.
    const QByteArray blanks(252, ' ');
    QTest::newRow("line of 255 characters") << "2\n" + blanks + "123\n8\n9\n" << true << 2
                                            << QList<float>{123, 8, 9} << 0.0f << 123.0f;
    QTest::newRow("line of 256 characters") << "2\n" + blanks + "1234\n8\n9\n" << true << 2
                                            << QList<float>{123, 0, 0} << 0.0f << 123.0f;

    QTest::newRow("beyond the float range") << QByteArray("2\n1e39\n-1e39\n5\n") << true << 2
                                            << QList<float>{FLT_MAX, -FLT_MAX, 5} << -FLT_MAX << FLT_MAX;
    QTest::newRow("empty file") << QByteArray() << true << 0 << QList<float>{0} << 0.0f << 1.0f;
    QTest::newRow("missing file") << QByteArray() << false << 0 << QList<float>{0} << 0.0f << 1.0f;
}

void tst_Daten::readFile()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(bool, vorhanden);
    QFETCH(int, dimX);
    QFETCH(QList<float>, samples);
    QFETCH(float, minY);
    QFETCH(float, maxY);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QByteArray pfad = QFile::encodeName(dir.filePath(QStringLiteral("fehlt.zel")));
    if (vorhanden) {
        pfad = writeFixture(dir, "probe.zel", inhalt);
        QVERIFY(!pfad.isEmpty());
    }

    auto d = filledWith(-7777.0f);
    readSpectrumFile(d.get(), pfad.constData());

    QVERIFY(!dataStream.is_open());
    QCOMPARE(d->dimX, dimX);
    QCOMPARE(d->minX, 0.0f);
    QCOMPARE(d->maxX, 20.0f);
    VERIFY_SAME_FLOAT("minY", d->minY, minY);
    VERIFY_SAME_FLOAT("maxY", d->maxY, maxY);
    for (int i = 0; i < samples.size(); ++i)
        VERIFY_SAME_FLOAT(i, d->daten[i], samples.at(i));
    for (int i = int(samples.size()); i < spektrumKapazitaet; ++i)
        VERIFY_SAME_FLOAT(i, d->daten[i], -7777.0f);
}

void tst_Daten::readTwiceAndAfterMissing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Ends before its last samples, so the first read leaves the end-of-file flag behind.
    const QByteArray kurz = writeFixture(dir, "kurz.zel", "5\n1\n2\n");
    const QByteArray fuenf = writeFixture(dir, "fuenf.zel", "3\n10\n20.5\n15\n12\n");
    QVERIFY(!kurz.isEmpty() && !fuenf.isEmpty());

    auto d = filledWith(3.0f);
    readSpectrumFile(d.get(), kurz.constData());
    const SpektrumDaten erster = *d;
    VERIFY_SAME_FLOAT(1, d->daten[1], 2.0f);
    VERIFY_SAME_FLOAT(2, d->daten[2], 0.0f);
    readSpectrumFile(d.get(), kurz.constData());
    QVERIFY(sameDataSet(*d, erster));
    QVERIFY(!dataStream.is_open());

    readSpectrumFile(d.get(), QFile::encodeName(dir.filePath(QStringLiteral("fehlt.zel"))).constData());
    QCOMPARE(d->dimX, 0);
    VERIFY_SAME_FLOAT(0, d->daten[0], 0.0f);
    QVERIFY(!dataStream.is_open());

    readSpectrumFile(d.get(), fuenf.constData());
    QCOMPARE(d->dimX, 3);
    const float erwartet[] = {10, 20.5f, 15, 12};
    for (int i = 0; i <= 3; ++i)
        VERIFY_SAME_FLOAT(i, d->daten[i], erwartet[i]);
    QCOMPARE(d->maxY, 20.5f);
}

void tst_Daten::readAfterTestSpectrum()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QList<float> datei;
    for (int i = 0; i <= 50; ++i)
        datei << float(i - 10) * 0.5f;
    const QByteArray pfad = writeFixture(dir, "fuenfzig.zel", "50\n" + lines(datei));
    QVERIFY(!pfad.isEmpty());

    auto d = std::make_unique<SpektrumDaten>();
    fillTestSpectrum(d.get());
    const QList<float> test = expectedTestValues();
    readSpectrumFile(d.get(), pfad.constData());

    QCOMPARE(d->dimX, 50);
    QCOMPARE(d->minY, -5.0f);
    QCOMPARE(d->maxY, 20.0f);
    for (int i = 0; i <= 50; ++i)
        VERIFY_SAME_FLOAT(i, d->daten[i], datei.at(i));
    for (int i = 51; i <= 200; ++i)
        VERIFY_SAME_FLOAT(i, d->daten[i], test.at(i));
}

void tst_Daten::readBeyondCapacity()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QByteArray inhalt = "5000\n";
    for (int i = 0; i < 5010; ++i)
        inhalt += QByteArray::number(i + 1) + '\n';
    const QByteArray pfad = writeFixture(dir, "gross.zel", inhalt);
    QVERIFY(!pfad.isEmpty());

    auto g = std::make_unique<GuardedSpektrum>();
    readSpectrumFile(&g->daten, pfad.constData());

    QVERIFY(g->guardIntact());
    QVERIFY(!dataStream.is_open());
    QCOMPARE(g->daten.dimX, spektrumKapazitaet - 1);
    for (int i = 0; i < spektrumKapazitaet; ++i)
        VERIFY_SAME_FLOAT(i, g->daten.daten[i], float(i + 1));
    QCOMPARE(g->daten.maxY, float(spektrumKapazitaet));
}

void tst_Daten::readUnderCommaLocale()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray pfad = writeFixture(dir, "komma.zel", "2\n20.5\n1,5\n3\n");
    QVERIFY(!pfad.isEmpty());

    auto d = std::make_unique<SpektrumDaten>();
    {
        const CommaLocale komma;
        if (!komma.realCLocale())
            qInfo("no German C locale installed; only the C++ global locale has the comma");
        // The locale must really be in force, or this test proves nothing.
        std::ostringstream probe;
        probe << 1.5;
        QCOMPARE(QString::fromStdString(probe.str()), QStringLiteral("1,5"));
        readSpectrumFile(d.get(), pfad.constData());
    }
    QCOMPARE(d->dimX, 2);
    VERIFY_SAME_FLOAT(0, d->daten[0], 20.5f);
    VERIFY_SAME_FLOAT(1, d->daten[1], 1.0f);
    VERIFY_SAME_FLOAT(2, d->daten[2], 3.0f);
}

// A FIFO chosen as a file must not hang the program: it reads as a missing file.
void tst_Daten::readFifo()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("rohr.zel")));
    QVERIFY(mkfifo(fifo.constData(), 0600) == 0);

    auto d = filledWith(3.0f);
    std::atomic<bool> fertig{false};
    std::thread leser([&] {
        readSpectrumFile(d.get(), fifo.constData());
        fertig = true;
    });
    for (int i = 0; i < 200 && !fertig; ++i)
        QThread::msleep(10);
    const bool returned = fertig;
    if (!returned) {
        // Release a reader blocked in open, so the test fails instead of hanging.
        const int schreiber = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        if (schreiber >= 0)
            ::close(schreiber);
    }
    leser.join();
    QVERIFY2(returned, "reading a FIFO blocked");
    QCOMPARE(d->dimX, 0);
    VERIFY_SAME_FLOAT(0, d->daten[0], 0.0f);
    QCOMPARE(d->minY, 0.0f);
    QCOMPARE(d->maxY, 1.0f);
    QVERIFY(!dataStream.is_open());
}

void tst_Daten::sampleFile()
{
    auto d = std::make_unique<SpektrumDaten>();
    readSpectrumFile(d.get(), KURVAN_DATA_DIR "/AU_00.ZEL");
    QCOMPARE(d->dimX, 200);
    // Whole counts in the hundreds, none missing.
    for (int i = 0; i <= 200; ++i) {
        const float v = d->daten[i];
        QVERIFY2(v >= 100.0f && v < 1000.0f && v == std::trunc(v), outside(i, v, 100, 999).constData());
    }
    QVERIFY(d->maxY < 1000.0f);
}

void tst_Daten::smooth_data()
{
    // NaN in `erwartet` stands for a sample that must lie strictly between `unten` and `oben`.
    QTest::addColumn<QList<float>>("eingabe");
    QTest::addColumn<QList<float>>("erwartet");
    QTest::addColumn<float>("unten");
    QTest::addColumn<float>("oben");

    using LD = long double;
    const auto konstant = [](int n, float v) { return QList<float>(n + 1, v); };

    QTest::newRow("constant 100") << konstant(20, 100) << konstant(20, 100) << 0.0f << 0.0f;
    QTest::newRow("constant 1e9, nine-fold sum beyond 32 bits") << konstant(20, 1e9f) << konstant(20, 1e9f)
                                                                 << 0.0f << 0.0f;

    // Edge value for a constant c with offset A, then sample 5 with its lowered left neighbours.
    const auto konstantMitKante = [&](float c, int a, float unten, float oben) {
        const float kante = c / 10 + a;
        QList<float> e(21, NAN);
        e[0] = e[15] = e[20] = c;
        for (int k = 1; k <= 4; ++k)
            e[k] = e[20 - k] = kante;
        const LD summe = ((4 * (LD(c) + kante) + 6 * LD(c)) + 2 * (((LD(kante) + kante) + c) + c))
                         + (((LD(c) + kante) + c) + c);
        e[5] = float(summe / 26);
        QTest::addRow("constant %g", double(c)) << QList<float>(21, c) << e << unten << oben;
        return e;
    };
    const QList<float> sieben = konstantMitKante(7.0f, 6, 6.7f, 7.0f);
    const QList<float> zweiHalb = konstantMitKante(2.5f, 1, 1.25f, 2.5f);
    const QList<float> minusZweiHalb = konstantMitKante(-2.5f, -1, -2.5f, -1.25f);
    // The worked figures themselves, so that the formula above cannot drift from them.
    QVERIFY(std::fabs(sieben[5] - 6.896154f) < 1e-6f && sameFloat(sieben[1], 6.7f));
    QVERIFY(sameFloat(zweiHalb[5], float(53.75L / 26)) && zweiHalb[1] == 1.25f);
    QVERIFY(sameFloat(minusZweiHalb[5], float(-53.75L / 26)) && minusZweiHalb[1] == -1.25f);

    QList<float> rampe11;
    for (int i = 0; i <= 11; ++i)
        rampe11 << float(i);
    const QList<float> rampe10 = rampe11.mid(0, 11);
    QTest::newRow("ramp, N = 10")
        << rampe10
        << QList<float>{0, 1.0f / 10 + 1, 2.0f / 10 + 1, 3.0f / 10 + 1, 4.0f / 10 + 1, 5,
                        6.0f / 10 + 7, 7.0f / 10 + 7, 8.0f / 10 + 7, 9.0f / 10 + 7, 10}
        << 0.0f << 0.0f;
    QList<float> e11{0, 1.0f / 10 + 1, 2.0f / 10 + 1, 3.0f / 10 + 1, 4.0f / 10 + 1, 5,
                     6, 7.0f / 10 + 8, 8.0f / 10 + 8, 9.0f / 10 + 8, 10.0f / 10 + 8, 11};
    const LD summe11 = ((4 * (LD(e11[6]) + e11[4]) + 6 * LD(e11[5]))
                        + 2 * (((LD(e11[2]) + e11[3]) + e11[7]) + e11[8]))
                       + (((LD(e11[0]) + e11[1]) + e11[9]) + e11[10]);
    e11[5] = float(summe11 / 26);
    QVERIFY(std::fabs(e11[5] - 4.561538f) < 1e-6f && e11[10] == 9.0f);
    QTest::newRow("ramp, N = 11") << rampe11 << e11 << 0.0f << 0.0f;

    QList<float> impuls(21, 0.0f);
    impuls[10] = 26;
    QList<float> eImpuls(21, 0.0f);
    eImpuls[5] = 1;
    eImpuls[6] = float(30.0L / 26);
    for (int i = 7; i <= 14; ++i)
        eImpuls[i] = NAN;
    QTest::newRow("single impulse") << impuls << eImpuls << 0.0f << 26.0f;

    // Only sample 5 is compared: its window holds 0, 1, 2, 1, 1, 0, 0, h, -h, 0, 0 after the
    // edge treatment (A = 1), and the grouping decides what survives of h - h.
    const auto grossePaare = [](const char *name, float h, long double summe) {
        QList<float> ein(16, 0.0f);
        ein[2] = 10;
        ein[7] = h;
        ein[8] = -h;
        QList<float> aus(16, 0.0f);
        aus[1] = 1;
        aus[2] = 2;
        aus[3] = aus[4] = 1;
        aus[5] = float(summe / 26);
        for (int i = 6; i <= 9; ++i)
            aus[i] = NAN;
        QTest::newRow(name) << ein << aus << -float(INFINITY) << float(INFINITY);
    };
    // 2^60 + 3 needs 62 bits: kept by long double, lost in double.
    grossePaare("long double keeps 3 beside 2^60", std::ldexp(1.0f, 60), 11.0L);
    // 2^70 + 3 is lost even in long double; summing in another order would lose the 11 of the rest too.
    grossePaare("grouping as written with 2^70", std::ldexp(1.0f, 70), 5.0L);

    // 83.99f / 10 + 37 rounds differently in float and in double.
    QTest::newRow("edge treatment in single precision")
        << QList<float>{5, 83.99f, 40, 40, 40, 0, 0, 0, 0, 0}
        << QList<float>{5, 83.99f / 10 + 37, 41, 41, 41, 0, 0, 0, 0, 0} << 0.0f << 0.0f;

    QTest::newRow("N = 8, overlapping edges")
        << QList<float>{10, 20, 30, 40, 50, 60, 70, 80, 90}
        << QList<float>{10, 29, 30, 31, 32.0f / 10 + 63, 69, 70, 71, 90} << 0.0f << 0.0f;
    QTest::newRow("N = 4, every sample changes")
        << QList<float>{10, 20, 30, 40, 50}
        << QList<float>{28, 29.0f / 10 + 27, 30, 31.0f / 10 + 27, 32} << 0.0f << 0.0f;
}

void tst_Daten::smooth()
{
    QFETCH(QList<float>, eingabe);
    QFETCH(QList<float>, erwartet);
    QFETCH(float, unten);
    QFETCH(float, oben);
    QCOMPARE(erwartet.size(), eingabe.size());

    auto d = filledWith(-4242.0f);
    d->dimX = int(eingabe.size()) - 1;
    d->minX = 1.5f;
    d->maxX = 2.5f;
    d->minY = -3.25f;
    d->maxY = 4.5f;
    std::copy(eingabe.cbegin(), eingabe.cend(), d->daten);
    smoothSpectrum(d.get());

    for (int i = 0; i < erwartet.size(); ++i) {
        if (std::isnan(erwartet.at(i)))
            QVERIFY2(d->daten[i] > unten && d->daten[i] < oben, outside(i, d->daten[i], unten, oben).constData());
        else
            VERIFY_SAME_FLOAT(i, d->daten[i], erwartet.at(i));
    }
    // Bounds, count and the samples above N stay as they were.
    QCOMPARE(d->dimX, int(eingabe.size()) - 1);
    VERIFY_SAME_FLOAT("minX", d->minX, 1.5f);
    VERIFY_SAME_FLOAT("maxX", d->maxX, 2.5f);
    VERIFY_SAME_FLOAT("minY", d->minY, -3.25f);
    VERIFY_SAME_FLOAT("maxY", d->maxY, 4.5f);
    for (int i = int(eingabe.size()); i < spektrumKapazitaet; ++i)
        VERIFY_SAME_FLOAT(i, d->daten[i], -4242.0f);
}

void tst_Daten::smoothChangedSamples_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("unveraendert");

    QTest::newRow("N = 20") << 20 << QList<int>{0, 15, 20};
    QTest::newRow("N = 11") << 11 << QList<int>{0, 6, 11};
    QTest::newRow("N = 10") << 10 << QList<int>{0, 5, 10};
    QTest::newRow("N = 9") << 9 << QList<int>{0, 9};
    QTest::newRow("N = 8") << 8 << QList<int>{0, 8};
    QTest::newRow("N = 5") << 5 << QList<int>{0, 5};
    QTest::newRow("N = 4") << 4 << QList<int>{};
}

void tst_Daten::smoothChangedSamples()
{
    QFETCH(int, n);
    QFETCH(QList<int>, unveraendert);

    // Distinct, uneven values, so that no changed sample can come out as it was by chance.
    auto d = filledWith(-4242.0f);
    d->dimX = n;
    for (int i = 0; i <= n; ++i)
        d->daten[i] = 500.0f + float((i * 37) % 23) * 11.5f + float(i) * 0.125f;
    const SpektrumDaten vorher = *d;
    smoothSpectrum(d.get());

    for (int i = 0; i < spektrumKapazitaet; ++i) {
        const bool sollBleiben = i > n || unveraendert.contains(i);
        QVERIFY2(sameFloat(d->daten[i], vorher.daten[i]) == sollBleiben,
                 (mismatch(label(i), d->daten[i], vorher.daten[i]) + (sollBleiben ? " (should stay)" : " (should change)"))
                     .constData());
    }
}

void tst_Daten::smoothTwice()
{
    auto d = std::make_unique<SpektrumDaten>();
    fillTestSpectrum(d.get());
    smoothSpectrum(d.get());
    // A fresh data set holding the smoothed samples: the second pass must start from these.
    auto kopie = std::make_unique<SpektrumDaten>(*d);
    smoothSpectrum(d.get());
    QVERIFY(!sameDataSet(*d, *kopie));
    smoothSpectrum(kopie.get());
    QVERIFY(sameDataSet(*d, *kopie));
}

void tst_Daten::smoothFewChannels_data()
{
    QTest::addColumn<int>("n");
    for (int n : {INT_MIN, -5, -1, 0, 1, 2, 3})
        QTest::addRow("N = %d", n) << n;
}

void tst_Daten::smoothFewChannels()
{
    QFETCH(int, n);
    auto d = std::make_unique<SpektrumDaten>();
    for (int i = 0; i < spektrumKapazitaet; ++i)
        d->daten[i] = float(i % 17) * 3.5f + 1.0f;
    d->dimX = n;
    d->maxY = 60.0f;
    const SpektrumDaten vorher = *d;
    smoothSpectrum(d.get());
    QVERIFY(sameDataSet(*d, vorher));
}

void tst_Daten::smoothExtremeEdges_data()
{
    // Samples 0 and 20 hold `randwert`, all others 10. `mitte`: NaN means the main filter must
    // give NaN, an infinity that infinity, any finite value just a finite result.
    QTest::addColumn<float>("randwert");
    QTest::addColumn<float>("kante");
    QTest::addColumn<float>("mitte");

    // The edge sums with one saturated sample and four of 10.
    const int hoch = int(9 * (INT_MAX + 40LL) / 50);
    const int tief = int(9 * (INT_MIN + 40LL) / 50);
    QTest::newRow("NaN counts as 0") << float(NAN) << 10.0f / 10 + 7 << float(NAN);
    QTest::newRow("+inf") << float(INFINITY) << 10.0f / 10 + hoch << float(INFINITY);
    QTest::newRow("-inf") << -float(INFINITY) << 10.0f / 10 + tief << -float(INFINITY);
    QTest::newRow("1e30 counts as INT_MAX") << 1e30f << 10.0f / 10 + hoch << 0.0f;
    QTest::newRow("-1e30 counts as INT_MIN") << -1e30f << 10.0f / 10 + tief << 0.0f;
}

void tst_Daten::smoothExtremeEdges()
{
    QFETCH(float, randwert);
    QFETCH(float, kante);
    QFETCH(float, mitte);

    auto d = std::make_unique<SpektrumDaten>();
    d->dimX = 20;
    std::fill(d->daten, d->daten + 21, 10.0f);
    d->daten[0] = d->daten[20] = randwert;
    smoothSpectrum(d.get());

    VERIFY_SAME_FLOAT(0, d->daten[0], randwert);
    VERIFY_SAME_FLOAT(20, d->daten[20], randwert);
    VERIFY_SAME_FLOAT(15, d->daten[15], 10.0f);
    for (int k = 1; k <= 4; ++k) {
        VERIFY_SAME_FLOAT(k, d->daten[k], kante);
        VERIFY_SAME_FLOAT(20 - k, d->daten[20 - k], kante);
    }
    for (int i = 5; i <= 14; ++i) {
        const float v = d->daten[i];
        if (std::isnan(mitte))
            QVERIFY2(std::isnan(v), mismatch(label(i), v, mitte).constData());
        else if (std::isinf(mitte))
            VERIFY_SAME_FLOAT(i, v, mitte);
        else
            QVERIFY2(std::isfinite(v), (label(i) + " is not finite").constData());
    }
}

void tst_Daten::smoothBeyondCapacity()
{
    for (int n : {spektrumKapazitaet, 5000, INT_MAX}) {
        auto g = std::make_unique<GuardedSpektrum>();
        std::fill(std::begin(g->daten.daten), std::end(g->daten.daten), 100.0f);
        g->daten.dimX = n;
        smoothSpectrum(&g->daten);
        QVERIFY(g->guardIntact());
        QCOMPARE(g->daten.dimX, n);
    }
}

void tst_Daten::placeholdersChangeNothing()
{
    auto d = std::make_unique<SpektrumDaten>();
    fillTestSpectrum(d.get());
    smoothSpectrum(d.get());
    const SpektrumDaten vorher = *d;
    removeSpikes(d.get());
    QVERIFY(sameDataSet(*d, vorher));
    subtractShirley(d.get());
    QVERIFY(sameDataSet(*d, vorher));
}

QTEST_GUILESS_MAIN(tst_Daten)
#include "tst_daten.moc"
