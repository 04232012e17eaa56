#include "mainwindow.h"
#include "spektrum.h"

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

SpektrumDaten spektrumDaten;

// Room for any path the platform can open.
char fileName[PATH_MAX] = "AU_00.ZEL";

MainWindow::MainWindow()
    : QMainWindow(nullptr)
{
    auto *zentrum = new QWidget;
    setCentralWidget(zentrum);

    fillTestSpectrum(&spektrumDaten);
    const int n = spektrumDaten.dimX;

    auto *view = new Spektrum;
    auto *spalte = new QVBoxLayout;

    spalte->addWidget(new QLineEdit);

    auto *laden = new QPushButton(tr("Laden"));
    spalte->addWidget(laden);
    connect(laden, &QPushButton::clicked, this, &MainWindow::slotLoad);

    spalte->addWidget(new QLabel(tr("Gold auf Spalthebel\n") + "Höhe: " + QString::number(n, 10) + "\n"
                                 + "Breite: " + QString::number(breite, 10)));

    auto *glaetten = new QPushButton(tr("Glätten"));
    spalte->addWidget(glaetten);
    connect(glaetten, &QPushButton::clicked, this, &MainWindow::slotSmooth);

    auto *spikes = new QPushButton(tr("Spikes entfernen"));
    spalte->addWidget(spikes);
    connect(spikes, &QPushButton::clicked, this, &MainWindow::slotSpikes);

    auto *shirley = new QPushButton(tr("Shirley abziehen"));
    spalte->addWidget(shirley);
    connect(shirley, &QPushButton::clicked, this, &MainWindow::slotShirley);

    auto *testSpektrum = new QPushButton(tr("Save"));
    spalte->addWidget(testSpektrum);
    connect(testSpektrum, &QPushButton::clicked, this, &MainWindow::slotSave);

    auto *beenden = new QPushButton(tr("&Quit"));
    spalte->addWidget(beenden);
    connect(beenden, &QPushButton::clicked, qApp, &QCoreApplication::quit);

    // Range and value are set before any connection, so start-up reaches no receiver.
    slider = new QSlider(Qt::Horizontal);
    slider->setRange(5, n);
    slider->setValue(n / 2);
    spalte->addWidget(slider);
    connect(slider, &QSlider::valueChanged, view, &Spektrum::neuerung);
    connect(slider, &QSlider::valueChanged, this, &MainWindow::valueChanged);

    auto *lcd = new QLCDNumber(3);
    lcd->setSegmentStyle(QLCDNumber::Filled);
    spalte->addWidget(lcd);
    connect(slider, &QSlider::valueChanged, lcd, qOverload<int>(&QLCDNumber::display));

    spalte->addStretch(1);

    connect(this, &MainWindow::updateSpec, view, &Spektrum::reload);

    buildActions();
    buildMenus();
    buildToolBars();

    auto *gitter = new QGridLayout;
    gitter->addLayout(spalte, 0, 0);
    gitter->addWidget(view, 0, 1);
    gitter->setColumnStretch(1, 1);
    gitter->setColumnMinimumWidth(1, 200);
    zentrum->setLayout(gitter);

    setWindowTitle(tr("Auswerten von ZEL Daten"));
    setWindowIcon(QIcon(":/images/logo3.png"));
}

MainWindow::~MainWindow() = default;

void MainWindow::emitSpectrum()
{
    // The view copies during the emission, so a local copy is enough; it never
    // reads past the data set, whatever dimX holds.
    const int n = spektrumDaten.dimX;
    const int anzahl = n < 0 ? 0 : std::min(n, spektrumKapazitaet - 1) + 1;
    std::array<float, spektrumKapazitaet> kopie;
    std::copy(spektrumDaten.daten, spektrumDaten.daten + anzahl, kopie.begin());
    emit updateSpec(n, spektrumDaten.minX, spektrumDaten.maxX, spektrumDaten.minY, spektrumDaten.maxY,
                    kopie.data());
}

void MainWindow::slotLoad()
{
    readSpectrumFile(&spektrumDaten, fileName);
    emitSpectrum();
}

void MainWindow::slotSmooth()
{
    smoothSpectrum(&spektrumDaten);
    emitSpectrum();
}

void MainWindow::slotSpikes()
{
    removeSpikes(&spektrumDaten);
    emitSpectrum();
}

void MainWindow::slotShirley()
{
    subtractShirley(&spektrumDaten);
    emitSpectrum();
}

void MainWindow::slotSave()
{
    fillTestSpectrum(&spektrumDaten);
    emitSpectrum();
}

void MainWindow::newFile()
{
}

void MainWindow::open()
{
    if (!askToSave())
        return;
    const QString name = QFileDialog::getOpenFileName(this, QString(), QString(), QString());
    if (name.isEmpty())
        return;
    openNamedFile(name);
}

bool MainWindow::save()
{
    return true;
}

bool MainWindow::saveAs()
{
    return true;
}

void MainWindow::about()
{
    QMessageBox::about(this, tr("Über Kurvan"),
                       tr("<p>Diese <b>Anwendung</b> dient dazu, die Messdaten einer ARPES-Apparatur "
                          "(winkelaufgelöste Photoemissionsspektroskopie) darzustellen, zu bearbeiten "
                          "und zu speichern.</p>"));
}

void MainWindow::documentWasModified()
{
}

void MainWindow::buildActions()
{
    actNew = new QAction(QIcon(":/images/new.png"), tr("&New"), this);
    actNew->setShortcut(QKeySequence(tr("Ctrl+N")));
    actNew->setStatusTip(tr("Create a new file"));
    connect(actNew, &QAction::triggered, this, &MainWindow::newFile);

    actOpen = new QAction(QIcon(":/images/open.png"), tr("&Open..."), this);
    actOpen->setShortcut(QKeySequence(tr("Ctrl+O")));
    actOpen->setStatusTip(tr("Open an existing file"));
    connect(actOpen, &QAction::triggered, this, &MainWindow::open);

    actSave = new QAction(QIcon(":/images/save.png"), tr("&Save"), this);
    actSave->setShortcut(QKeySequence(tr("Ctrl+S")));
    actSave->setStatusTip(tr("Save the document to disk"));
    connect(actSave, &QAction::triggered, this, &MainWindow::save);

    actSaveAs = new QAction(tr("Save &As..."), this);
    actSaveAs->setStatusTip(tr("Save the document under a new name"));
    connect(actSaveAs, &QAction::triggered, this, &MainWindow::saveAs);

    actExit = new QAction(QIcon(":/images/exit.png"), tr("E&xit"), this);
    actExit->setShortcut(QKeySequence(tr("Ctrl+Q")));
    actExit->setStatusTip(tr("Exit the application"));
    connect(actExit, &QAction::triggered, this, &QWidget::close);

    actCut = new QAction(QIcon(":/images/cut.png"), tr("Cu&t"), this);
    actCut->setShortcut(QKeySequence(tr("Ctrl+X")));
    actCut->setStatusTip(tr("Cut the current selection's contents to the clipboard"));

    actCopy = new QAction(QIcon(":/images/copy.png"), tr("&Copy"), this);
    actCopy->setShortcut(QKeySequence(tr("Ctrl+C")));
    actCopy->setStatusTip(tr("Copy the current selection's contents to the clipboard"));

    actPaste = new QAction(QIcon(":/images/paste.png"), tr("&Paste"), this);
    actPaste->setShortcut(QKeySequence(tr("Ctrl+V")));
    actPaste->setStatusTip(tr("Paste the clipboard's contents into the current selection"));

    actAbout = new QAction(tr("&About Kurvan"), this);
    actAbout->setStatusTip(tr("Show the application's About box"));
    connect(actAbout, &QAction::triggered, this, &MainWindow::about);

    actAboutQt = new QAction(tr("About &Qt"), this);
    actAboutQt->setStatusTip(tr("Show the Qt library's About box"));
    connect(actAboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
}

void MainWindow::buildMenus()
{
    menuFile = menuBar()->addMenu(tr("&File"));
    menuFile->addAction(actNew);
    menuFile->addAction(actOpen);
    menuFile->addAction(actSave);
    menuFile->addAction(actSaveAs);
    menuFile->addSeparator();
    menuFile->addAction(actExit);

    menuEdit = menuBar()->addMenu(tr("&Edit"));
    menuEdit->addAction(actCut);
    menuEdit->addAction(actCopy);
    menuEdit->addAction(actPaste);

    menuBar()->addSeparator();

    menuHelp = menuBar()->addMenu(tr("&Help"));
    menuHelp->addAction(actAbout);
    menuHelp->addAction(actAboutQt);
}

void MainWindow::buildToolBars()
{
    toolBarFile = addToolBar(tr("File"));
    toolBarFile->addAction(actNew);
    toolBarFile->addAction(actOpen);
    toolBarFile->addAction(actSave);

    toolBarEdit = addToolBar(tr("Edit"));
    toolBarEdit->addAction(actCut);
    toolBarEdit->addAction(actCopy);
    toolBarEdit->addAction(actPaste);
}

bool MainWindow::askToSave()
{
    // Cancel is the escape button: Esc and closing the box answer it.
    const QMessageBox::StandardButton antwort = QMessageBox::warning(
        this, tr("Application"), tr("The document has been modified.\nDo you want to save your changes?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (antwort == QMessageBox::Yes)
        return save();
    if (antwort == QMessageBox::Cancel)
        return false;
    return true;
}

void MainWindow::openNamedFile(const QString &name)
{
    // The file system's own encoding, so non-ASCII names open as chosen. A name
    // that does not fit, or holds a zero byte, is never cut to another file's name.
    const QByteArray roh = QFile::encodeName(name);
    if (roh.size() < qsizetype(sizeof fileName) && !roh.contains('\0')) {
        std::memcpy(fileName, roh.constData(), size_t(roh.size()));
        fileName[roh.size()] = '\0';
    } else {
        fileName[0] = '\0';
    }
    readSpectrumFile(&spektrumDaten, fileName);
    emitSpectrum();
}
