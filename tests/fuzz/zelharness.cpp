#include "zelharness.h"

#include "daten.h"
#include "spektrum.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>

namespace {

// One file per process, rewritten for every input.
const std::string &inputPath()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/kurvan-fuzz-XXXXXX"));
    static const std::string path = QDir(dir.path()).filePath(QStringLiteral("input.ZEL")).toStdString();
    return path;
}

bool writeInput(const uint8_t *bytes, size_t size)
{
    FILE *file = std::fopen(inputPath().c_str(), "wb");
    if (!file)
        return false;
    const bool ok = size == 0 || std::fwrite(bytes, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}

// The axis line runs along row h - 15 from x = 5 to x = w - 5, whatever the data.
bool paintAndCheck(Spektrum &view, int w, int h, bool keepImage = true)
{
    view.resize(w, h);
    // Kept from input to input: a fresh large image per paint costs more than the paint.
    static std::map<std::pair<int, int>, QImage> images;
    QImage fresh;
    QImage &image = keepImage ? images[{w, h}] : fresh;
    if (image.isNull())
        image = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::red);
    view.render(&image);
    if (w < 30 || h < 30)
        return true;
    return image.pixel(w / 2, h - 15) == qRgb(0, 0, 0) && image.pixel(w - 1, h - 1) == qRgb(255, 255, 255);
}

int countFromBytes(const uint8_t *bytes, size_t size, size_t from)
{
    uint32_t raw = 0;
    if (size >= from + 4)
        std::memcpy(&raw, bytes + size - from - 4, 4);
    int count = 0;
    std::memcpy(&count, &raw, 4);
    return count;
}

} // namespace

bool runZelInput(const uint8_t *bytes, size_t size)
{
    if (!writeInput(bytes, size))
        return false;

    // The program reads into a data set that holds the test spectrum at first.
    static SpektrumDaten daten;
    daten = SpektrumDaten{};
    fillTestSpectrum(&daten);
    readSpectrumFile(&daten, inputPath().c_str());

    bool ok = daten.dimX <= spektrumKapazitaet - 1 && daten.minX == 0.0f && daten.maxX == 20.0f
              && daten.minY <= 0.0f && daten.maxY >= 1.0f && !dataStream.is_open();
    const float minY = daten.minY;
    const float maxY = daten.maxY;

    smoothSpectrum(&daten);
    smoothSpectrum(&daten);
    removeSpikes(&daten);
    subtractShirley(&daten);
    ok = ok && daten.minY == minY && daten.maxY == maxY;

    // The hand-over copies as the main window does: never past the data set.
    const int n = daten.dimX;
    const int anzahl = n < 0 ? 0 : std::min(n, spektrumKapazitaet - 1) + 1;
    std::array<float, spektrumKapazitaet> kopie{};
    std::copy(daten.daten, daten.daten + anzahl, kopie.begin());

    Spektrum view;
    view.reload(n, daten.minX, daten.maxX, daten.minY, daten.maxY, kopie.data());
    ok = ok && view.channels() == n && std::equal(kopie.begin(), kopie.begin() + anzahl, view.samples());

    const std::array<std::array<int, 2>, 3> sizes{{{1, 1}, {15, 12}, {400, 300}}};
    for (const auto &s : sizes)
        ok = paintAndCheck(view, s[0], s[1]) && ok;
    // A full-screen view only now and then: it costs as much as the rest together.
    if (size % 32 == 7)
        ok = paintAndCheck(view, 1920, 1080) && ok;
    // And one size up to 640 x 480 that follows from the whole input.
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 16777619u;
    ok = paintAndCheck(view, 1 + int(hash % 640), 1 + int((hash >> 10) % 480), false) && ok;

    const std::array<int, 14> counts{
        countFromBytes(bytes, size, 0), countFromBytes(bytes, size, 4), n == INT_MIN ? n : n - 1,
        n == INT_MAX ? n : n + 1, -7, 0, 3,
        3999, 4000, 5000, 1 << 30, INT_MAX, INT_MIN, -INT_MAX};
    for (size_t i = 0; i < counts.size(); ++i) {
        view.neuerung(counts[i]);
        ok = ok && view.channels() == counts[i];
        const auto &s = sizes[i % sizes.size()];
        ok = paintAndCheck(view, s[0], s[1]) && ok;
    }
    return ok;
}
