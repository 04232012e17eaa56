// Timings of the data commands, the hand-over to the view and the view's
// painting, all on the largest data set the program holds: 3999 channels.
//
// Run it on the platform whose cost matters (make bench runs it under Xvfb
// with the xcb platform). Where a benchmark repeats an operation that changes
// the data in place, the data is restored outside the timed part.
#include "daten.h"
#include "mainwindow.h"
#include "spektrum.h"

#include <QApplication>
#include <QBackingStore>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kanaeleMax = spektrumKapazitaet - 1;

QTemporaryDir *arbeit = nullptr;
std::string zelDatei;
SpektrumDaten gelesen; // the file's contents, to restore data changed in place

// A Fermi edge over a slope with deterministic noise, one value per line as a
// measurement program writes it.
void schreibeZelDatei()
{
    zelDatei = (arbeit->path() + "/GROSS.ZEL").toStdString();
    FILE *f = std::fopen(zelDatei.c_str(), "w");
    std::fprintf(f, "%d\n", kanaeleMax);
    unsigned zufall = 12345;
    for (int i = 0; i <= kanaeleMax; ++i) {
        zufall = zufall * 1103515245u + 12345u;
        const double t = double(i) / kanaeleMax;
        const double rauschen = double((zufall >> 16) % 2000) / 100.0 - 10.0;
        const double wert = 1800.0 / (1.0 + std::exp((t - 0.6) / 0.03)) + 300.0 * (1.0 - t) + 80.0 + rauschen;
        std::fprintf(f, "%.2f\n", wert);
    }
    std::fclose(f);
}

void warteAufFenster(QWidget *w)
{
    QElapsedTimer uhr;
    uhr.start();
    while (!(w->windowHandle() && w->windowHandle()->isExposed()) && uhr.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
}

// Counts the paint events a widget gets, to show each timed repaint happened once.
class Malzaehler : public QObject
{
public:
    using QObject::QObject;
    long anzahl = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++anzahl;
        return false;
    }
};

double sekundenSeit(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ReadSpectrumFile(benchmark::State &state)
{
    static SpektrumDaten ziel;
    for (auto _ : state) {
        readSpectrumFile(&ziel, zelDatei.c_str());
        benchmark::DoNotOptimize(ziel.daten[kanaeleMax]);
    }
    if (ziel.dimX != kanaeleMax)
        state.SkipWithError("file not read");
}

void BM_SmoothSpectrum(benchmark::State &state)
{
    static SpektrumDaten ziel;
    for (auto _ : state) {
        ziel = gelesen;
        const auto start = std::chrono::steady_clock::now();
        smoothSpectrum(&ziel);
        benchmark::DoNotOptimize(ziel.daten[kanaeleMax / 2]);
        state.SetIterationTime(sekundenSeit(start));
    }
}

// A shown main window whose view is width x height pixels, holding the large data set.
struct Hauptfenster
{
    MainWindow fenster;
    Spektrum *ansicht = nullptr;
    Malzaehler zaehler;

    Hauptfenster(int breite, int hoehe)
    {
        std::strcpy(fileName, zelDatei.c_str());
        fenster.setGeometry(50, 50, 600, 400);
        fenster.show();
        warteAufFenster(&fenster);
        ansicht = fenster.findChild<Spektrum *>();
        fenster.resize(fenster.size() + QSize(breite, hoehe) - ansicht->size());
        warteAufFenster(&fenster);
        fenster.slotLoad();
        QApplication::processEvents();
        ansicht->installEventFilter(&zaehler);
    }
    bool passt(int breite, int hoehe) const { return ansicht->size() == QSize(breite, hoehe); }
};

// emitSpectrum and the view's reload: "Spikes entfernen" leaves the data as it is,
// so its slot costs exactly the hand-over. The repaint it schedules runs untimed.
void BM_EmitSpectrumReload(benchmark::State &state)
{
    Hauptfenster h(1920, 1080);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        h.fenster.slotSpikes();
        state.SetIterationTime(sekundenSeit(start));
        QApplication::processEvents();
    }
    if (h.ansicht->channels() != kanaeleMax)
        state.SkipWithError("view did not receive the data set");
}

// One view painted into an image through QWidget::render, in the given format.
void BM_PaintViewImage(benchmark::State &state)
{
    const int breite = int(state.range(0));
    const int hoehe = int(state.range(1));
    const auto format = QImage::Format(state.range(2));
    Spektrum ansicht;
    ansicht.resize(breite, hoehe);
    ansicht.reload(gelesen.dimX, gelesen.minX, gelesen.maxX, gelesen.minY, gelesen.maxY, gelesen.daten);
    QImage bild(breite, hoehe, format);
    for (auto _ : state) {
        ansicht.render(&bild);
        benchmark::DoNotOptimize(bild.constBits());
    }
    state.SetLabel(format == QImage::Format_RGB32 ? "RGB32" : "ARGB32_Premultiplied");
}

// The same view as a shown window, repainted through the platform's backing store
// and flushed to the screen: what a paint costs on screen.
void BM_RepaintViewOnScreen(benchmark::State &state)
{
    const int breite = int(state.range(0));
    const int hoehe = int(state.range(1));
    Spektrum ansicht;
    ansicht.setGeometry(0, 0, breite, hoehe);
    ansicht.reload(gelesen.dimX, gelesen.minX, gelesen.maxX, gelesen.minY, gelesen.maxY, gelesen.daten);
    ansicht.show();
    warteAufFenster(&ansicht);
    Malzaehler zaehler;
    ansicht.installEventFilter(&zaehler);
    for (auto _ : state)
        ansicht.repaint();
    state.counters["paints/iter"] = double(zaehler.anzahl) / double(state.iterations());
    // The format the platform's backing store paints into, which the image benchmarks compare with.
    std::string format = "?";
    QPaintDevice *geraet = ansicht.backingStore() ? ansicht.backingStore()->paintDevice() : nullptr;
    if (geraet && geraet->devType() == QInternal::Image) {
        const QImage::Format f = static_cast<QImage *>(geraet)->format();
        format = f == QImage::Format_RGB32                  ? "RGB32"
                 : f == QImage::Format_ARGB32_Premultiplied ? "ARGB32_Premultiplied"
                                                            : std::to_string(int(f));
    }
    state.SetLabel(QGuiApplication::platformName().toStdString() + ", backing store " + format);
}

// One data command as the button runs it, with its hand-over and the one repaint
// of the 1920 x 1080 view that the event loop then does.
template<void (MainWindow::*befehl)(), bool wiederherstellen>
void BM_Command(benchmark::State &state)
{
    Hauptfenster h(1920, 1080);
    if (!h.passt(1920, 1080)) {
        state.SkipWithError("view is not 1920 x 1080");
        return;
    }
    for (auto _ : state) {
        if (wiederherstellen)
            spektrumDaten = gelesen;
        const auto start = std::chrono::steady_clock::now();
        (h.fenster.*befehl)();
        QApplication::processEvents();
        state.SetIterationTime(sekundenSeit(start));
    }
    state.counters["paints/iter"] = double(h.zaehler.anzahl) / double(state.iterations());
    state.SetLabel(QGuiApplication::platformName().toStdString());
}

} // namespace

BENCHMARK(BM_ReadSpectrumFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SmoothSpectrum)->UseManualTime()->Unit(benchmark::kMicrosecond);
// Fixed iterations: each untimed repaint costs a hundred times the timed part.
BENCHMARK(BM_EmitSpectrumReload)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintViewImage)
    ->Args({1920, 1080, QImage::Format_RGB32})
    ->Args({1920, 1080, QImage::Format_ARGB32_Premultiplied})
    ->Args({600, 400, QImage::Format_RGB32})
    ->Args({600, 400, QImage::Format_ARGB32_Premultiplied})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintViewOnScreen)->Args({1920, 1080})->Args({600, 400})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command<&MainWindow::slotLoad, false>)
    ->Name("BM_Command/Laden")->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command<&MainWindow::slotSmooth, true>)
    ->Name("BM_Command/Glaetten")->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command<&MainWindow::slotSave, false>)
    ->Name("BM_Command/Save")->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(images);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    arbeit = &dir;
    schreibeZelDatei();
    readSpectrumFile(&gelesen, zelDatei.c_str());
    if (gelesen.dimX != kanaeleMax) {
        std::fprintf(stderr, "kurvan_bench: could not read back %s\n", zelDatei.c_str());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
