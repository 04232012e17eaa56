#include <QtTest>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QIcon>
#include <QImage>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>

#include "mainwindow.h"
#include "spektrum.h"

// Second receiver of updateSpec that copies each hand-over while the pointer is valid.
class HandOverRecorder : public QObject
{
    Q_OBJECT

public:
    struct HandOver
    {
        int dimX = 0;
        float minX = 0, maxX = 0, minY = 0, maxY = 0;
        QList<float> samples;
    };

    explicit HandOverRecorder(MainWindow *window)
    {
        // The signal is protected, so only the string form reaches it from outside.
        connect(window, SIGNAL(updateSpec(int, float, float, float, float, float *)), this,
                SLOT(record(int, float, float, float, float, float *)));
    }

    QList<HandOver> received;

public slots:
    void record(int dimX, float minX, float maxX, float minY, float maxY, float *daten)
    {
        HandOver h{dimX, minX, maxX, minY, maxY, {}};
        const int n = dimX < 0 ? 0 : std::min(dimX, spektrumKapazitaet - 1) + 1;
        h.samples = QList<float>(daten, daten + n);
        received.append(h);
    }
};

// Translates a fixed set of texts in the main window's context, and only those that come
// without a disambiguation.
class TestTranslator : public QTranslator
{
public:
    QHash<QByteArray, QString> texts;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int) const override
    {
        if (qstrcmp(context, "MainWindow") != 0 || disambiguation)
            return QString();
        return texts.value(sourceText);
    }
};

namespace {

// What a test can see of a modal dialog, taken before it is answered.
struct DialogSeen
{
    QByteArray type;
    QWidget *parent = nullptr;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    int buttonCount = 0;
    QStringList nameFilters;
    QString directory;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    QFileDialog::Options options;
};

void closeDialog(QWidget *w)
{
    if (auto *dialog = qobject_cast<QDialog *>(w))
        dialog->reject();
    else
        w->close();
}

// Answers the modal dialogs that come up while it lives, one answer per dialog, in order.
// A dialog beyond the answers counts as unexpected and is closed, so no test can hang on one.
class ModalDriver : public QObject
{
public:
    using Answer = std::function<void(QWidget *)>;

    explicit ModalDriver(QList<Answer> answers = {})
        : m_answers(std::move(answers))
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
        m_timer.start(10);
    }

    QList<DialogSeen> seen;
    int unexpected = 0;
    int stuck = 0;
    int unanswered() const { return int(m_answers.size()); }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (modal == m_current) {
            // An answer that did not end its dialog: end it rather than hang.
            if (++m_polls > 500) {
                ++stuck;
                closeDialog(modal);
            }
            return;
        }
        m_current = modal;
        m_polls = 0;
        seen.append(describe(modal));
        if (m_answers.isEmpty()) {
            ++unexpected;
            closeDialog(modal);
            return;
        }
        m_answers.takeFirst()(modal);
    }

    static DialogSeen describe(QWidget *w)
    {
        DialogSeen s;
        s.type = w->metaObject()->className();
        s.parent = w->parentWidget();
        s.title = w->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            s.text = box->text();
            s.icon = box->icon();
            s.buttons = box->standardButtons();
            s.defaultButton = box->standardButton(box->defaultButton());
            s.buttonCount = int(box->buttons().size());
        }
        if (auto *dialog = qobject_cast<QFileDialog *>(w)) {
            s.nameFilters = dialog->nameFilters();
            s.directory = dialog->directory().absolutePath();
            s.fileMode = dialog->fileMode();
            s.options = dialog->options();
        }
        return s;
    }

    QTimer m_timer;
    QPointer<QWidget> m_current;
    int m_polls = 0;
    QList<Answer> m_answers;
};

ModalDriver::Answer clickButton(QMessageBox::StandardButton which)
{
    return [which](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (QAbstractButton *button = box ? box->button(which) : nullptr)
            button->click();
        else
            closeDialog(w);
    };
}

ModalDriver::Answer pressKey(Qt::Key key)
{
    return [key](QWidget *w) { QTest::keyClick(w, key); };
}

ModalDriver::Answer closeWindow()
{
    return [](QWidget *w) { w->close(); };
}

ModalDriver::Answer cancelDialog()
{
    return closeDialog;
}

// Types the name into the file dialog and accepts it. `checked` goes through the dialog's
// own accept, which insists that the file exists; otherwise the dialog is ended as accepted
// with whatever name was typed, as it would return a name it cannot check.
ModalDriver::Answer chooseFile(const QString &path, bool checked = true)
{
    return [path, checked](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        auto *edit = dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")) : nullptr;
        if (!edit) {
            closeDialog(w);
            return;
        }
        edit->setText(path);
        // QFileDialog hides both behind QDialog's public face.
        QDialog *asDialog = dialog;
        if (checked)
            asDialog->accept();
        else
            asDialog->done(QDialog::Accepted);
    };
}

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

QByteArray differs(const char *what, float got, float want)
{
    return QByteArray(what) + ": " + QByteArray::number(double(got), 'g', 9) + " instead of "
           + QByteArray::number(double(want), 'g', 9);
}

// The hand-over carries count, bounds and samples 0 to N of `want`, bit for bit.
void verifyHandOver(const HandOverRecorder::HandOver &got, const SpektrumDaten &want)
{
    QCOMPARE(got.dimX, want.dimX);
    QVERIFY2(sameBits(got.minX, want.minX), differs("minX", got.minX, want.minX));
    QVERIFY2(sameBits(got.maxX, want.maxX), differs("maxX", got.maxX, want.maxX));
    QVERIFY2(sameBits(got.minY, want.minY), differs("minY", got.minY, want.minY));
    QVERIFY2(sameBits(got.maxY, want.maxY), differs("maxY", got.maxY, want.maxY));
    QCOMPARE(got.samples.size(), qsizetype(want.dimX < 0 ? 0 : want.dimX + 1));
    for (int i = 0; i < got.samples.size(); ++i)
        QVERIFY2(sameBits(got.samples[i], want.daten[i]),
                 differs(qPrintable(QString("sample %1").arg(i)), got.samples[i], want.daten[i]));
}

// The view holds what `want` hands over: its count, header and samples 0 to N.
void verifyViewShows(const Spektrum *view, const SpektrumDaten &want)
{
    QCOMPARE(view->channels(), want.dimX);
    SpektrumDaten kopie = want;
    Spektrum reference;
    reference.reload(kopie.dimX, kopie.minX, kopie.maxX, kopie.minY, kopie.maxY, kopie.daten);
    QCOMPARE(view->headerText(), reference.headerText());
    for (int i = 0; i <= want.dimX; ++i)
        QVERIFY2(sameBits(view->samples()[i], want.daten[i]),
                 differs(qPrintable(QString("sample %1").arg(i)), view->samples()[i], want.daten[i]));
}

bool sameData(const SpektrumDaten &a, const SpektrumDaten &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

SpektrumDaten testSpectrum()
{
    SpektrumDaten d;
    fillTestSpectrum(&d);
    return d;
}

SpektrumDaten unreadableData()
{
    SpektrumDaten d;
    d.dimX = 0;
    d.daten[0] = 0.0f;
    d.minX = 0.0f;
    d.maxX = 20.0f;
    d.minY = 0.0f;
    d.maxY = 1.0f;
    return d;
}

SpektrumDaten readFile(const QString &path)
{
    SpektrumDaten d;
    readSpectrumFile(&d, QFile::encodeName(path).constData());
    return d;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

Spektrum *viewOf(MainWindow &w)
{
    return w.findChild<Spektrum *>();
}

QPushButton *buttonOf(MainWindow &w, const QString &text)
{
    const auto buttons = w.findChildren<QPushButton *>();
    for (QPushButton *b : buttons)
        if (b->text() == text)
            return b;
    return nullptr;
}

QAction *actionOf(MainWindow &w, const QString &text)
{
    const auto actions = w.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly);
    for (QAction *a : actions)
        if (a->text() == text)
            return a;
    return nullptr;
}

QList<QAction *> menuActions(MainWindow &w, const QString &title)
{
    const auto entries = w.menuBar()->actions();
    for (QAction *entry : entries)
        if (entry->menu() && entry->text() == title)
            return entry->menu()->actions();
    return {};
}

QToolBar *toolBarOf(MainWindow &w, const QString &title)
{
    const auto bars = w.findChildren<QToolBar *>();
    for (QToolBar *bar : bars)
        if (bar->windowTitle() == title)
            return bar;
    return nullptr;
}

void storeFileName(const QByteArray &name)
{
    std::memset(fileName, 0, PATH_MAX);
    std::memcpy(fileName, name.constData(), size_t(name.size()));
}

// An absolute name of exactly `bytes` bytes inside `dir`, in folders of 200 characters.
QString nameOfLength(const QString &dir, int bytes)
{
    QString name = dir;
    while (name.size() + 201 < bytes)
        name += '/' + QString(200, 'd');
    name += '/';
    name += QString(bytes - name.size(), 'f');
    return name;
}

const QByteArray zelExample = "3\n10\n20.5\n15\n12\n";

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void metaObjectMethods_data();
    void metaObjectMethods();
    void metaObjectShape();
    void widgetTree();
    void constructionFillsTestSpectrumOnly();
    void slider();
    void saveHandsOverTestSpectrum();
    void titleIconGeometry();
    void textsGoThroughTranslation();
    void resources_data();
    void resources();
    void loadReadsWorkingDirectory();
    void dataCommands_data();
    void dataCommands();
    void handOverCounts_data();
    void handOverCounts();

    void actions_data();
    void actions();
    void menusAndToolBars();
    void openWarning_data();
    void openWarning();
    void openShortcutAlwaysWarns();
    void openChosenFile_data();
    void openChosenFile();
    void openUnreadable_data();
    void openUnreadable();
    void placeholdersChangeNothing_data();
    void placeholdersChangeNothing();
    void exitClosesWindow_data();
    void exitClosesWindow();
    void aboutBox();
    void aboutQtBox();

private:
    QString m_startDir;
};

void tst_MainWindow::initTestCase()
{
    Q_INIT_RESOURCE(images);
    m_startDir = QDir::currentPath();
}

// The data set, the file name and the working directory are program-wide.
void tst_MainWindow::init()
{
    storeFileName("AU_00.ZEL");
    spektrumDaten = SpektrumDaten();
}

void tst_MainWindow::cleanup()
{
    QDir::setCurrent(m_startDir);
}

void tst_MainWindow::metaObjectMethods_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("access");
    QTest::addColumn<QByteArray>("signature");
    QTest::addColumn<QByteArrayList>("names");
    QTest::addColumn<QByteArray>("returnType");

    const int sig = QMetaMethod::Signal, slot = QMetaMethod::Slot;
    const int prot = QMetaMethod::Protected, pub = QMetaMethod::Public, priv = QMetaMethod::Private;
    const QByteArrayList none;
    const QByteArray handOverArgs = "(int,float,float,float,float,float*)";

    QTest::newRow("0 valueChanged") << "MainWindow" << 0 << sig << prot << QByteArray("valueChanged(int)")
                                    << QByteArrayList{"newValue"} << QByteArray("void");
    QTest::newRow("1 updateSpec") << "MainWindow" << 1 << sig << prot << "updateSpec" + handOverArgs
                                  << QByteArrayList(6, QByteArray()) << QByteArray("void");
    QTest::newRow("2 slotLoad") << "MainWindow" << 2 << slot << pub << QByteArray("slotLoad()") << none
                                << QByteArray("void");
    QTest::newRow("3 slotSmooth") << "MainWindow" << 3 << slot << pub << QByteArray("slotSmooth()") << none
                                  << QByteArray("void");
    QTest::newRow("4 slotSpikes") << "MainWindow" << 4 << slot << pub << QByteArray("slotSpikes()") << none
                                  << QByteArray("void");
    QTest::newRow("5 slotShirley") << "MainWindow" << 5 << slot << pub << QByteArray("slotShirley()") << none
                                   << QByteArray("void");
    QTest::newRow("6 slotSave") << "MainWindow" << 6 << slot << pub << QByteArray("slotSave()") << none
                                << QByteArray("void");
    QTest::newRow("7 newFile") << "MainWindow" << 7 << slot << priv << QByteArray("newFile()") << none
                               << QByteArray("void");
    QTest::newRow("8 open") << "MainWindow" << 8 << slot << priv << QByteArray("open()") << none
                            << QByteArray("void");
    QTest::newRow("9 save") << "MainWindow" << 9 << slot << priv << QByteArray("save()") << none
                            << QByteArray("bool");
    QTest::newRow("10 saveAs") << "MainWindow" << 10 << slot << priv << QByteArray("saveAs()") << none
                               << QByteArray("bool");
    QTest::newRow("11 about") << "MainWindow" << 11 << slot << priv << QByteArray("about()") << none
                              << QByteArray("void");
    QTest::newRow("12 documentWasModified") << "MainWindow" << 12 << slot << priv
                                            << QByteArray("documentWasModified()") << none << QByteArray("void");
    QTest::newRow("Spektrum 0 neuerung") << "Spektrum" << 0 << slot << pub << QByteArray("neuerung(int)")
                                         << QByteArrayList{"zahl"} << QByteArray("void");
    QTest::newRow("Spektrum 1 reload") << "Spektrum" << 1 << slot << pub << "reload" + handOverArgs
                                       << QByteArrayList{"dimX", "minX", "maxX", "minY", "maxY", "daten"}
                                       << QByteArray("void");
}

void tst_MainWindow::metaObjectMethods()
{
    QFETCH(QString, className);
    QFETCH(int, index);
    QFETCH(int, kind);
    QFETCH(int, access);
    QFETCH(QByteArray, signature);
    QFETCH(QByteArrayList, names);
    QFETCH(QByteArray, returnType);

    const QMetaObject *mo = className == "Spektrum" ? &Spektrum::staticMetaObject : &MainWindow::staticMetaObject;
    const QMetaMethod m = mo->method(mo->methodOffset() + index);
    QVERIFY(m.isValid());
    QCOMPARE(m.methodSignature(), signature);
    QCOMPARE(int(m.methodType()), kind);
    QCOMPARE(int(m.access()), access);
    QCOMPARE(m.parameterNames(), names);
    QCOMPARE(QByteArray(m.typeName()), returnType);
}

void tst_MainWindow::metaObjectShape()
{
    const QMetaObject &mw = MainWindow::staticMetaObject;
    QCOMPARE(mw.superClass(), &QMainWindow::staticMetaObject);
    QCOMPARE(mw.methodCount() - mw.methodOffset(), 13);
    QCOMPARE(mw.propertyCount() - mw.propertyOffset(), 0);
    QCOMPARE(mw.enumeratorCount() - mw.enumeratorOffset(), 0);
    QCOMPARE(mw.classInfoCount() - mw.classInfoOffset(), 0);

    const QMetaObject &sp = Spektrum::staticMetaObject;
    QCOMPARE(sp.superClass(), &QWidget::staticMetaObject);
    QCOMPARE(sp.methodCount() - sp.methodOffset(), 2);
}

void tst_MainWindow::widgetTree()
{
    MainWindow w;
    QWidget *central = w.centralWidget();
    QVERIFY(central);
    QCOMPARE(QByteArray(central->metaObject()->className()), QByteArray("QWidget"));

    auto *grid = qobject_cast<QGridLayout *>(central->layout());
    QVERIFY(grid);
    QCOMPARE(grid->count(), 2);
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->columnCount(), 2);
    QCOMPARE(grid->columnStretch(0), 0);
    QCOMPARE(grid->columnStretch(1), 1);
    QCOMPARE(grid->columnMinimumWidth(0), 0);
    QCOMPARE(grid->columnMinimumWidth(1), 200);

    QLayoutItem *left = grid->itemAtPosition(0, 0);
    QLayoutItem *right = grid->itemAtPosition(0, 1);
    QVERIFY(left && right);
    auto *column = qobject_cast<QVBoxLayout *>(left->layout());
    QVERIFY(column);
    auto *view = qobject_cast<Spektrum *>(right->widget());
    QVERIFY(view);
    QCOMPARE(view->parentWidget(), central);
    QCOMPARE(right->alignment(), Qt::Alignment());

    const QStringList expected = {"QLineEdit", "Laden", "QLabel", "Glätten", "Spikes entfernen",
                                  "Shirley abziehen", "Save", "&Quit", "QSlider", "QLCDNumber"};
    QCOMPARE(column->count(), int(expected.size()) + 1);
    for (int i = 0; i < expected.size(); ++i) {
        QWidget *widget = column->itemAt(i)->widget();
        QVERIFY2(widget, qPrintable(QString("item %1 is no widget").arg(i)));
        QCOMPARE(widget->parentWidget(), central);
        QCOMPARE(column->stretch(i), 0);
        QCOMPARE(column->itemAt(i)->alignment(), Qt::Alignment());
        if (auto *button = qobject_cast<QPushButton *>(widget))
            QCOMPARE(button->text(), expected[i]);
        else
            QCOMPARE(QString(widget->metaObject()->className()), expected[i]);
    }
    QVERIFY(column->itemAt(10)->spacerItem());
    QCOMPARE(column->stretch(10), 1);

    auto *edit = qobject_cast<QLineEdit *>(column->itemAt(0)->widget());
    QVERIFY(edit);
    QCOMPARE(edit->text(), QString());
    auto *label = qobject_cast<QLabel *>(column->itemAt(2)->widget());
    QVERIFY(label);
    QCOMPARE(label->text(), QString("Gold auf Spalthebel\nHöhe: 200\nBreite: 0"));
    auto *slider = qobject_cast<QSlider *>(column->itemAt(8)->widget());
    QVERIFY(slider);
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    auto *lcd = qobject_cast<QLCDNumber *>(column->itemAt(9)->widget());
    QVERIFY(lcd);
    QCOMPARE(lcd->digitCount(), 3);
    QCOMPARE(lcd->segmentStyle(), QLCDNumber::Filled);
}

// The constructor refills the data set but hands the view nothing.
void tst_MainWindow::constructionFillsTestSpectrumOnly()
{
    spektrumDaten.dimX = 7;
    spektrumDaten.maxY = -3.0f;
    spektrumDaten.daten[0] = 12345.0f;
    MainWindow w;
    QVERIFY(sameData(spektrumDaten, testSpectrum()));

    const Spektrum *view = viewOf(w);
    QVERIFY(view);
    QCOMPARE(view->channels(), 0);
    QVERIFY(std::all_of(view->samples(), view->samples() + spektrumKapazitaet, [](float v) { return v == 0.0f; }));
}

void tst_MainWindow::slider()
{
    MainWindow w;
    auto *slider = w.findChild<QSlider *>();
    auto *lcd = w.findChild<QLCDNumber *>();
    Spektrum *view = viewOf(w);
    QVERIFY(slider && lcd && view);

    QCOMPARE(slider->minimum(), 5);
    QCOMPARE(slider->maximum(), 200);
    QCOMPARE(slider->value(), 100);
    // Connected only after the value was set, so the display never saw the 100.
    QCOMPARE(lcd->intValue(), 0);
    QCOMPARE(lcd->value(), 0.0);
    QCOMPARE(view->channels(), 0);

    QSignalSpy relay(&w, SIGNAL(valueChanged(int)));
    QVERIFY(relay.isValid());
    HandOverRecorder handOvers(&w);
    slider->setValue(37);
    QCOMPARE(view->channels(), 37);
    QCOMPARE(lcd->intValue(), 37);
    QCOMPARE(relay.size(), 1);
    QCOMPARE(relay.at(0).at(0).toInt(), 37);
    QCOMPARE(handOvers.received.size(), 0);

    // A data command gives the view all channels; slider and display keep theirs.
    buttonOf(w, "Save")->click();
    QCOMPARE(view->channels(), 200);
    QCOMPARE(slider->value(), 37);
    QCOMPARE(lcd->intValue(), 37);
    QCOMPARE(relay.size(), 1);
    QCOMPARE(slider->maximum(), 200);
}

void tst_MainWindow::saveHandsOverTestSpectrum()
{
    MainWindow w;
    Spektrum *view = viewOf(w);
    QVERIFY(view);
    QCOMPARE(view->channels(), 0);

    // Something else in the data set first, so the press has to refill it.
    spektrumDaten.dimX = 3;
    spektrumDaten.daten[1] = -1.0f;
    HandOverRecorder handOvers(&w);
    buttonOf(w, "Save")->click();

    const SpektrumDaten want = testSpectrum();
    QVERIFY(sameData(spektrumDaten, want));
    QCOMPARE(handOvers.received.size(), 1);
    QCOMPARE(handOvers.received[0].samples.size(), 201);
    verifyHandOver(handOvers.received[0], want);
    if (QTest::currentTestFailed())
        return;
    verifyViewShows(view, want);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(view->samples()[201], 0.0f);
}

void tst_MainWindow::titleIconGeometry()
{
    MainWindow w;
    QCOMPARE(w.windowTitle(), QString("Auswerten von ZEL Daten"));
    QVERIFY(!w.windowIcon().isNull());
    const QImage icon = w.windowIcon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage logo = QIcon(":/images/logo3.png").pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(16, 16));
    QCOMPARE(icon, logo);
    const QImage other = QIcon(":/images/new.png").pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(icon != other);

    w.setGeometry(50, 50, 600, 400);
    QCOMPARE(w.geometry(), QRect(50, 50, 600, 400));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.size(), QSize(600, 400));
    // The panel is on the left of the view.
    QVERIFY(w.findChild<QLineEdit *>()->geometry().right() < viewOf(w)->geometry().left());
    QVERIFY(viewOf(w)->width() >= 200);
}

// Only the listed pieces are looked up; "Höhe: ", "Breite: " and the numbers are not.
void tst_MainWindow::textsGoThroughTranslation()
{
    TestTranslator translator;
    translator.texts = {{"Gold auf Spalthebel\n", "Gold on a cleaver\n"},
                        {"Höhe: ", "Height: "},
                        {"Breite: ", "Width: "},
                        {"\n", " / "},
                        {"Laden", "Load"},
                        {"Glätten", "Smooth"},
                        {"&Quit", "&Beenden"},
                        {"Auswerten von ZEL Daten", "Evaluating ZEL data"},
                        {"&File", "&Datei"},
                        {"File", "Datei"},
                        {"Ctrl+N", "Ctrl+M"},
                        {"Create a new file", "Neue Datei"},
                        {":/images/new.png", ":/images/cut.png"}};
    QVERIFY(QCoreApplication::installTranslator(&translator));
    MainWindow w;
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(w.findChild<QLabel *>()->text(), QString("Gold on a cleaver\nHöhe: 200\nBreite: 0"));
    QVERIFY(buttonOf(w, "Load"));
    QVERIFY(buttonOf(w, "Smooth"));
    QVERIFY(buttonOf(w, "&Beenden"));
    QCOMPARE(w.windowTitle(), QString("Evaluating ZEL data"));
    QCOMPARE(w.menuBar()->actions().at(0)->text(), QString("&Datei"));
    QVERIFY(toolBarOf(w, "Datei"));
    QAction *neu = actionOf(w, "&New");
    QVERIFY(neu);
    QCOMPARE(neu->shortcut(), QKeySequence("Ctrl+M"));
    QCOMPARE(neu->statusTip(), QString("Neue Datei"));
    // Resource paths are plain strings.
    QCOMPARE(neu->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
             QIcon(":/images/new.png").pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32));
}

void tst_MainWindow::resources_data()
{
    QTest::addColumn<QString>("path");
    for (const char *name : {"new", "open", "save", "exit", "cut", "copy", "paste", "logo3"}) {
        const QString path = QString(":/images/%1.png").arg(name);
        QTest::newRow(qPrintable(path)) << path;
    }
}

void tst_MainWindow::resources()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray png = file.readAll();
    QVERIFY(png.size() > 26);
    QCOMPARE(png.left(8), QByteArray("\x89PNG\r\n\x1a\n"));
    QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(int(quint8(png[24])), 8); // bits per channel
    QCOMPARE(int(quint8(png[25])), 6); // colour type: RGB with alpha

    const QImage image(path);
    QCOMPARE(image.size(), QSize(16, 16));
    QVERIFY(image.hasAlphaChannel());
}

void tst_MainWindow::loadReadsWorkingDirectory()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath("AU_00.ZEL"), zelExample));
    QVERIFY(writeFile(dir.filePath("ANDERS.ZEL"), "1\n5\n6\n"));
    QVERIFY(QDir::setCurrent(dir.path()));

    MainWindow w;
    HandOverRecorder handOvers(&w);
    // The text field is not a file name.
    QTest::keyClicks(w.findChild<QLineEdit *>(), "ANDERS.ZEL");
    buttonOf(w, "Laden")->click();

    SpektrumDaten want = testSpectrum();
    want.dimX = 3;
    want.daten[0] = 10.0f;
    want.daten[1] = 20.5f;
    want.daten[2] = 15.0f;
    want.daten[3] = 12.0f;
    want.minY = 0.0f;
    want.maxY = 20.5f;
    // Samples above N keep the test spectrum's values.
    QVERIFY(sameData(spektrumDaten, want));
    QCOMPARE(handOvers.received.size(), 1);
    verifyHandOver(handOvers.received[0], want);
    if (QTest::currentTestFailed())
        return;
    verifyViewShows(viewOf(w), want);
    QCOMPARE(QByteArray(fileName), QByteArray("AU_00.ZEL"));
}

void tst_MainWindow::dataCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("smooths");
    QTest::newRow("Glätten") << "Glätten" << true;
    QTest::newRow("Spikes entfernen") << "Spikes entfernen" << false;
    QTest::newRow("Shirley abziehen") << "Shirley abziehen" << false;
}

void tst_MainWindow::dataCommands()
{
    QFETCH(QString, button);
    QFETCH(bool, smooths);

    MainWindow w;
    buttonOf(w, "Save")->click();
    // The view draws fewer channels now; the command has to hand over all of them again.
    w.findChild<QSlider *>()->setValue(37);
    HandOverRecorder handOvers(&w);
    QPushButton *command = buttonOf(w, button);
    QVERIFY(command);
    command->click();

    SpektrumDaten want = testSpectrum();
    if (smooths)
        smoothSpectrum(&want);
    QVERIFY(sameData(spektrumDaten, want));
    QCOMPARE(handOvers.received.size(), 1);
    verifyHandOver(handOvers.received[0], want);
    if (QTest::currentTestFailed())
        return;
    verifyViewShows(viewOf(w), want);
    if (QTest::currentTestFailed())
        return;
    if (smooths)
        QVERIFY(!sameData(want, testSpectrum()));

    // "Save" brings the test spectrum back, sample for sample.
    buttonOf(w, "Save")->click();
    verifyViewShows(viewOf(w), testSpectrum());
}

void tst_MainWindow::handOverCounts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("samples");
    QTest::newRow("N = 0") << 0 << 1;
    QTest::newRow("N = -2") << -2 << 0;
    QTest::newRow("N = 3999, the capacity") << 3999 << 4000;
    QTest::newRow("N = INT_MAX") << INT_MAX << 4000;
}

// The count goes over as it stands; the samples never beyond the data set's capacity.
void tst_MainWindow::handOverCounts()
{
    QFETCH(int, count);
    QFETCH(int, samples);

    MainWindow w;
    for (int i = 0; i < spektrumKapazitaet; ++i)
        spektrumDaten.daten[i] = float(i) + 0.5f;
    spektrumDaten.dimX = count;
    HandOverRecorder handOvers(&w);
    buttonOf(w, "Spikes entfernen")->click();

    QCOMPARE(handOvers.received.size(), 1);
    QCOMPARE(handOvers.received[0].dimX, count);
    QCOMPARE(handOvers.received[0].samples.size(), qsizetype(samples));
    for (int i = 0; i < samples; ++i)
        QCOMPARE(handOvers.received[0].samples[i], float(i) + 0.5f);
    QCOMPARE(viewOf(w)->channels(), count);
    for (int i = 0; i < samples; ++i)
        QCOMPARE(viewOf(w)->samples()[i], float(i) + 0.5f);
}

void tst_MainWindow::actions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("statusTip");
    QTest::addColumn<QString>("icon");

    QTest::newRow("New") << "&New" << "Ctrl+N" << "Create a new file" << ":/images/new.png";
    QTest::newRow("Open") << "&Open..." << "Ctrl+O" << "Open an existing file" << ":/images/open.png";
    QTest::newRow("Save") << "&Save" << "Ctrl+S" << "Save the document to disk" << ":/images/save.png";
    QTest::newRow("Save As") << "Save &As..." << "" << "Save the document under a new name" << "";
    QTest::newRow("Exit") << "E&xit" << "Ctrl+Q" << "Exit the application" << ":/images/exit.png";
    QTest::newRow("Cut") << "Cu&t" << "Ctrl+X" << "Cut the current selection's contents to the clipboard"
                         << ":/images/cut.png";
    QTest::newRow("Copy") << "&Copy" << "Ctrl+C" << "Copy the current selection's contents to the clipboard"
                          << ":/images/copy.png";
    QTest::newRow("Paste") << "&Paste" << "Ctrl+V" << "Paste the clipboard's contents into the current selection"
                           << ":/images/paste.png";
    QTest::newRow("About") << "&About Kurvan" << "" << "Show the application's About box" << "";
    QTest::newRow("About Qt") << "About &Qt" << "" << "Show the Qt library's About box" << "";
}

void tst_MainWindow::actions()
{
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(QString, statusTip);
    QFETCH(QString, icon);

    MainWindow w;
    QAction *action = actionOf(w, text);
    QVERIFY2(action, qPrintable(text));
    QCOMPARE(action->parent(), &w);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QCOMPARE(action->shortcuts().size(), shortcut.isEmpty() ? 0 : 1);
    QCOMPARE(action->statusTip(), statusTip);
    QVERIFY(action->isEnabled());
    QVERIFY(!action->isCheckable());
    QCOMPARE(action->icon().isNull(), icon.isEmpty());
    if (!icon.isEmpty()) {
        const QImage got = action->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage want = QIcon(icon).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(got, want);
    }
}

void tst_MainWindow::menusAndToolBars()
{
    MainWindow w;
    const QList<QAction *> bar = w.menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    QCOMPARE(bar[0]->text(), QString("&File"));
    QCOMPARE(bar[1]->text(), QString("&Edit"));
    QVERIFY(bar[2]->isSeparator());
    QCOMPARE(bar[3]->text(), QString("&Help"));
    QVERIFY(bar[0]->menu() && bar[1]->menu() && bar[3]->menu());

    auto texts = [](const QList<QAction *> &actions) {
        QStringList out;
        for (QAction *a : actions)
            out << (a->isSeparator() ? QString("|") : a->text());
        return out;
    };
    QCOMPARE(texts(menuActions(w, "&File")),
             QStringList({"&New", "&Open...", "&Save", "Save &As...", "|", "E&xit"}));
    QCOMPARE(texts(menuActions(w, "&Edit")), QStringList({"Cu&t", "&Copy", "&Paste"}));
    QCOMPARE(texts(menuActions(w, "&Help")), QStringList({"&About Kurvan", "About &Qt"}));

    const auto bars = w.findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(bars.size(), 2);
    QCOMPARE(bars[0]->windowTitle(), QString("File"));
    QCOMPARE(bars[1]->windowTitle(), QString("Edit"));
    QCOMPARE(w.toolBarArea(bars[0]), Qt::TopToolBarArea);
    QCOMPARE(w.toolBarArea(bars[1]), Qt::TopToolBarArea);
    QCOMPARE(bars[0]->actions(), QList<QAction *>({actionOf(w, "&New"), actionOf(w, "&Open..."), actionOf(w, "&Save")}));
    QCOMPARE(bars[1]->actions(), QList<QAction *>({actionOf(w, "Cu&t"), actionOf(w, "&Copy"), actionOf(w, "&Paste")}));
    QCOMPARE(toolBarOf(w, "File"), bars[0]);

    // Menus and tool bars share the ten actions; there is nothing else.
    QCOMPARE(w.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly).size(), 10);
    QCOMPARE(w.findChild<QStatusBar *>(), nullptr);
}

// The save-changes warning, its answers, and what follows each of them.
void tst_MainWindow::openWarning_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("dialogFollows");
    QTest::addColumn<bool>("fileChosen");

    enum { yes, no, cancel, enter, esc, close };
    QTest::newRow("Yes, then a file") << int(yes) << true << true;
    QTest::newRow("No, then a file") << int(no) << true << true;
    QTest::newRow("Enter, then a file") << int(enter) << true << true;
    QTest::newRow("Yes, then cancel the file dialog") << int(yes) << true << false;
    QTest::newRow("Cancel") << int(cancel) << false << false;
    QTest::newRow("Esc") << int(esc) << false << false;
    QTest::newRow("closing the warning") << int(close) << false << false;
}

void tst_MainWindow::openWarning()
{
    QFETCH(int, answer);
    QFETCH(bool, dialogFollows);
    QFETCH(bool, fileChosen);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString previous = dir.filePath("vorher.ZEL");
    const QString chosen = dir.filePath("gewaehlt.ZEL");
    QVERIFY(writeFile(previous, "2\n1\n2\n3\n"));
    QVERIFY(writeFile(chosen, zelExample));
    QVERIFY(QDir::setCurrent(dir.path()));

    MainWindow w;
    storeFileName(QFile::encodeName(previous));
    w.findChild<QSlider *>()->setValue(37);
    HandOverRecorder handOvers(&w);

    const QList<ModalDriver::Answer> warningAnswers = {clickButton(QMessageBox::Yes), clickButton(QMessageBox::No),
                                                       clickButton(QMessageBox::Cancel), pressKey(Qt::Key_Return),
                                                       pressKey(Qt::Key_Escape), closeWindow()};
    QList<ModalDriver::Answer> answers = {warningAnswers[answer]};
    if (dialogFollows)
        answers << (fileChosen ? chooseFile(chosen) : cancelDialog());
    // Qt starts an empty directory where the last file dialog ended, or else here.
    QFileDialog reference(nullptr, QString(), QString(), QString());
    reference.setFileMode(QFileDialog::ExistingFile);
    ModalDriver driver(answers);
    QMetaObject::invokeMethod(&w, "open");

    QCOMPARE(driver.unexpected, 0);
    QCOMPARE(driver.stuck, 0);
    QCOMPARE(driver.unanswered(), 0);
    QCOMPARE(driver.seen.size(), dialogFollows ? 2 : 1);

    const DialogSeen &warning = driver.seen[0];
    QCOMPARE(warning.type, QByteArray("QMessageBox"));
    QCOMPARE(warning.parent, &w);
    QCOMPARE(warning.title, QString("Application"));
    QCOMPARE(warning.text, QString("The document has been modified.\nDo you want to save your changes?"));
    QCOMPARE(warning.icon, QMessageBox::Warning);
    QCOMPARE(warning.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(warning.buttonCount, 3);
    QCOMPARE(warning.defaultButton, QMessageBox::Yes);

    if (dialogFollows) {
        const DialogSeen &files = driver.seen[1];
        QCOMPARE(files.type, QByteArray("QFileDialog"));
        QCOMPARE(files.parent, &w);
        // What an empty caption, directory and filter give.
        QCOMPARE(files.title, reference.windowTitle());
        QCOMPARE(files.nameFilters, reference.nameFilters());
        QCOMPARE(files.directory, reference.directory().absolutePath());
        QCOMPARE(files.fileMode, QFileDialog::ExistingFile);
        QCOMPARE(files.options, reference.options());
    }

    const QString expectedFile = fileChosen ? chosen : previous;
    QCOMPARE(QByteArray(fileName), QFile::encodeName(expectedFile));
    if (fileChosen) {
        QCOMPARE(handOvers.received.size(), 1);
        verifyHandOver(handOvers.received[0], readFile(chosen));
        if (QTest::currentTestFailed())
            return;
        verifyViewShows(viewOf(w), readFile(chosen));
    } else {
        QCOMPARE(handOvers.received.size(), 0);
        QVERIFY(sameData(spektrumDaten, testSpectrum()));
        QCOMPARE(viewOf(w)->channels(), 37);
    }
    if (QTest::currentTestFailed())
        return;

    // "Laden" reads whatever name was last stored.
    buttonOf(w, "Laden")->click();
    verifyViewShows(viewOf(w), readFile(expectedFile));
}

// No modification state: the warning comes on every Open, also right after one.
void tst_MainWindow::openShortcutAlwaysWarns()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString chosen = dir.filePath("gewaehlt.ZEL");
    QVERIFY(writeFile(chosen, zelExample));

    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    ModalDriver driver({clickButton(QMessageBox::No), chooseFile(chosen), clickButton(QMessageBox::Cancel)});
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(viewOf(w)->channels(), 3);
    // Without a window manager nobody hands the activation back after the dialogs.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);

    QCOMPARE(driver.unexpected, 0);
    QCOMPARE(driver.stuck, 0);
    QCOMPARE(driver.unanswered(), 0);
    QCOMPARE(driver.seen.size(), 3);
    QCOMPARE(driver.seen[2].title, QString("Application"));
    QCOMPARE(QByteArray(fileName), QFile::encodeName(chosen));
}

void tst_MainWindow::openChosenFile_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::newRow("plain name") << QStringList{"spektrum.ZEL"};
    QTest::newRow("umlaut in name and folder") << QStringList{"Messungen_Größe/Spektrum_Höhe_ä.ZEL"};
    QTest::newRow("long name, then a short one")
        << QStringList{"ein_sehr_langer_Name_fuer_eine_Messung_am_Spalthebel_mit_Gold.ZEL", "k.ZEL"};
}

// Each name is opened in turn; the last one counts.
void tst_MainWindow::openChosenFile()
{
    QFETCH(QStringList, names);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QList<ModalDriver::Answer> answers;
    for (int i = 0; i < names.size(); ++i) {
        const QString path = dir.filePath(names[i]);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(writeFile(path, QByteArray::number(i + 1) + "\n" + QByteArray::number(10 * i + 7) + "\n-"
                                    + QByteArray::number(i + 2) + ".5\n"));
        answers << clickButton(QMessageBox::No) << chooseFile(path);
    }
    const QString last = dir.filePath(names.last());

    MainWindow w;
    HandOverRecorder handOvers(&w);
    ModalDriver driver(answers);
    for (int i = 0; i < names.size(); ++i)
        QMetaObject::invokeMethod(&w, "open");
    QCOMPARE(driver.unexpected, 0);
    QCOMPARE(driver.stuck, 0);
    QCOMPARE(driver.unanswered(), 0);

    QCOMPARE(QByteArray(fileName), QFile::encodeName(last));
    QCOMPARE(handOvers.received.size(), names.size());
    const SpektrumDaten want = readFile(last);
    QCOMPARE(want.dimX, int(names.size()));
    verifyHandOver(handOvers.received.last(), want);
    if (QTest::currentTestFailed())
        return;
    verifyViewShows(viewOf(w), want);
    if (QTest::currentTestFailed())
        return;

    w.findChild<QSlider *>()->setValue(37);
    buttonOf(w, "Laden")->click();
    verifyViewShows(viewOf(w), want);
}

void tst_MainWindow::openUnreadable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("stored");
    QTest::newRow("no read permission") << "permission" << true;
    QTest::newRow("missing file") << "missing" << true;
    QTest::newRow("name of 4095 bytes") << "4095" << true;
    QTest::newRow("name of 4096 bytes") << "4096" << false;
}

// An unreadable choice still hands over a data set; a name that does not fit is not cut short.
void tst_MainWindow::openUnreadable()
{
    QFETCH(QString, kind);
    QFETCH(bool, stored);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A default file that a fallback to the default name would read.
    QVERIFY(writeFile(dir.filePath("AU_00.ZEL"), zelExample));
    QVERIFY(QDir::setCurrent(dir.path()));

    QString path;
    bool checked = false;
    if (kind == "permission") {
        path = dir.filePath("gesperrt.ZEL");
        QVERIFY(writeFile(path, zelExample));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("permissions do not stop this user from reading");
        checked = true;
    } else if (kind == "missing") {
        path = dir.filePath("fehlt.ZEL");
    } else {
        path = nameOfLength(dir.path(), kind.toInt());
        QCOMPARE(QFile::encodeName(path).size(), kind.toInt());
    }

    MainWindow w;
    HandOverRecorder handOvers(&w);
    ModalDriver driver({clickButton(QMessageBox::Yes), chooseFile(path, checked)});
    QMetaObject::invokeMethod(&w, "open");
    QCOMPARE(driver.unexpected, 0);
    QCOMPARE(driver.stuck, 0);
    QCOMPARE(driver.unanswered(), 0);

    QCOMPARE(QByteArray(fileName), stored ? QFile::encodeName(path) : QByteArray());
    SpektrumDaten want = testSpectrum();
    want.dimX = 0;
    want.daten[0] = 0.0f;
    want.minY = 0.0f;
    want.maxY = 1.0f;
    QVERIFY(sameData(spektrumDaten, want));
    QCOMPARE(handOvers.received.size(), 1);
    verifyHandOver(handOvers.received[0], unreadableData());
    if (QTest::currentTestFailed())
        return;
    verifyViewShows(viewOf(w), unreadableData());
    if (QTest::currentTestFailed())
        return;

    // "Laden" reads the stored name, and nothing when none is stored.
    buttonOf(w, "Laden")->click();
    QCOMPARE(handOvers.received.size(), 2);
    verifyHandOver(handOvers.received[1], unreadableData());
}

void tst_MainWindow::placeholdersChangeNothing_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Ctrl+N") << "&New" << QKeySequence("Ctrl+N");
    QTest::newRow("Ctrl+S") << "&Save" << QKeySequence("Ctrl+S");
    QTest::newRow("Save As") << "Save &As..." << QKeySequence();
    QTest::newRow("Ctrl+X") << "Cu&t" << QKeySequence("Ctrl+X");
    QTest::newRow("Ctrl+C") << "&Copy" << QKeySequence("Ctrl+C");
    QTest::newRow("Ctrl+V") << "&Paste" << QKeySequence("Ctrl+V");
}

void tst_MainWindow::placeholdersChangeNothing()
{
    QFETCH(QString, action);
    QFETCH(QKeySequence, keys);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir::setCurrent(dir.path()));

    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The text field would take Ctrl+X, Ctrl+C and Ctrl+V for itself.
    if (QWidget *focus = QApplication::focusWidget())
        focus->clearFocus();
    buttonOf(w, "Save")->click();
    w.findChild<QSlider *>()->setValue(37);

    QAction *target = actionOf(w, action);
    QVERIFY(target);
    QSignalSpy triggered(target, &QAction::triggered);
    HandOverRecorder handOvers(&w);
    ModalDriver driver;
    if (keys.isEmpty())
        target->trigger();
    else
        QTest::keySequence(&w, keys);

    QCOMPARE(triggered.size(), 1);
    QCOMPARE(driver.unexpected, 0);
    QCOMPARE(handOvers.received.size(), 0);
    QCOMPARE(viewOf(w)->channels(), 37);
    QVERIFY(sameData(spektrumDaten, testSpectrum()));
    QCOMPARE(QByteArray(fileName), QByteArray("AU_00.ZEL"));
    QVERIFY(w.isVisible());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void tst_MainWindow::exitClosesWindow_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("Ctrl+Q") << true;
    QTest::newRow("File, Exit") << false;
}

void tst_MainWindow::exitClosesWindow()
{
    QFETCH(bool, byKey);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    ModalDriver driver;
    if (byKey)
        QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
    else
        menuActions(w, "&File").last()->trigger();
    QVERIFY(!w.isVisible());
    QCOMPARE(driver.unexpected, 0);
}

void tst_MainWindow::aboutBox()
{
    MainWindow w;
    ModalDriver driver({clickButton(QMessageBox::Ok)});
    actionOf(w, "&About Kurvan")->trigger();
    QCOMPARE(driver.unanswered(), 0);
    QCOMPARE(driver.stuck, 0);
    QCOMPARE(driver.seen.size(), 1);

    const DialogSeen &box = driver.seen[0];
    QCOMPARE(box.type, QByteArray("QMessageBox"));
    QCOMPARE(box.parent, &w);
    QCOMPARE(box.title, QString("Über Kurvan"));
    QVERIFY(Qt::mightBeRichText(box.text));
    QVERIFY2(box.text.contains("<b>Anwendung</b>"), qPrintable(box.text));
    QVERIFY2(box.text.contains("ARPES"), qPrintable(box.text));
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.buttonCount, 1);
}

void tst_MainWindow::aboutQtBox()
{
    MainWindow w;
    ModalDriver driver({clickButton(QMessageBox::Ok)});
    actionOf(w, "About &Qt")->trigger();
    QCOMPARE(driver.unanswered(), 0);
    QCOMPARE(driver.stuck, 0);
    QCOMPARE(driver.seen.size(), 1);
    QCOMPARE(driver.seen[0].type, QByteArray("QMessageBox"));
    QCOMPARE(driver.seen[0].title, QString("About Qt"));
    QVERIFY(driver.seen[0].text.contains("Qt"));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
