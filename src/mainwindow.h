#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>
#include <QString>

#include "daten.h"

class QAction;
class QMenu;
class QSlider;
class QToolBar;

// The one spectrum of the program and the name of the file "Laden" reads.
extern SpektrumDaten spektrumDaten;
extern char fileName[];

// Control panel on the left, spectrum view on the right, document-style menus on top.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

protected:
    // Relays the slider; nothing in the program listens.
    Q_SIGNAL void valueChanged(int newValue);
    // Channel count, minX, maxX, minY, maxY and samples valid only while the signal runs.
    Q_SIGNAL void updateSpec(int, float, float, float, float, float *);

public slots:
    void slotLoad();
    void slotSmooth();
    void slotSpikes();
    void slotShirley();
    void slotSave();

private slots:
    void newFile();
    void open();
    bool save();
    bool saveAs();
    void about();
    void documentWasModified();

private:
    void emitSpectrum();
    void buildActions();
    void buildMenus();
    void buildToolBars();
    bool askToSave();
    void openNamedFile(const QString &name);

    int breite = 0;
    QSlider *slider = nullptr;
    QString currentFile;
    QMenu *menuFile = nullptr;
    QMenu *menuEdit = nullptr;
    QMenu *menuHelp = nullptr;
    QToolBar *toolBarFile = nullptr;
    QToolBar *toolBarEdit = nullptr;
    QAction *actNew = nullptr;
    QAction *actOpen = nullptr;
    QAction *actSave = nullptr;
    QAction *actSaveAs = nullptr;
    QAction *actExit = nullptr;
    QAction *actCut = nullptr;
    QAction *actCopy = nullptr;
    QAction *actPaste = nullptr;
    QAction *actAbout = nullptr;
    QAction *actAboutQt = nullptr;
};

#endif
