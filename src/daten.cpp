#include "daten.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

// Narrowing an out-of-range long double to float must give an infinity, not undefined behaviour.
static_assert(std::numeric_limits<float>::is_iec559, "IEEE 754 floats are required");

std::fstream dataStream;

int truncateToInt(double wert)
{
    if (std::isnan(wert))
        return 0;
    if (wert >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (wert <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(wert);
}

void fillTestSpectrum(SpektrumDaten *spektrum)
{
    srand(5);
    spektrum->dimX = 200;
    spektrum->minX = 0.0f;
    spektrum->minY = 0.0f;
    spektrum->maxX = 20.0f;
    spektrum->maxY = 1.0f;
    for (int i = 0; i <= spektrum->dimX; ++i) {
        const int v = rand() % 800 + 200;
        spektrum->daten[i] = static_cast<float>(v);
        if (v < spektrum->minY)
            spektrum->minY = static_cast<float>(v);
        if (v > spektrum->maxY)
            spektrum->maxY = static_cast<float>(v);
    }
}

float readValue()
{
    char zeile[256] = {};
    float wert = 0.0f;
    if (!(dataStream.rdstate() & std::ios_base::eofbit))
        dataStream.getline(zeile, sizeof zeile, '\n');

    // The classic locale keeps "." the decimal point whatever the desktop's locale says.
    // One stream serves every line: building and imbuing a stream per line cost more
    // than reading the number. str() and clear() leave it as a fresh one would be.
    static std::istringstream eingabe = [] {
        std::istringstream s(std::string(), std::ios_base::in);
        s.imbue(std::locale::classic());
        return s;
    }();
    eingabe.str(std::string(zeile));
    eingabe.clear();
    // A failed extraction leaves 0.0; one beyond the float range gives the largest float.
    eingabe >> wert;
    return wert;
}

void readSpectrumFile(SpektrumDaten *spektrum, const char *name)
{
    dataStream.imbue(std::locale::classic());
    // Only regular files are opened: a FIFO would block the open until a writer
    // comes, and a terminal would wait for input; a ZEL file is neither.
    std::error_code fehler;
    if (std::filesystem::is_regular_file(name, fehler))
        dataStream.open(name, std::ios_base::in);
    if (dataStream.is_open())
        dataStream.clear();
    else
        dataStream.setstate(std::ios_base::failbit);

    // A count beyond the capacity keeps the channels that fit.
    int n = truncateToInt(readValue());
    if (n > spektrumKapazitaet - 1)
        n = spektrumKapazitaet - 1;
    spektrum->dimX = n;
    for (int i = 0; i <= n; ++i)
        spektrum->daten[i] = readValue();

    dataStream.close();

    spektrum->minX = 0.0f;
    spektrum->maxX = 20.0f;
    float tief = 0.0f;
    float hoch = 1.0f;
    for (int j = 0; j <= n; ++j) {
        const float v = spektrum->daten[j];
        if (v < tief)
            tief = v;
        if (v > hoch)
            hoch = v;
    }
    spektrum->minY = tief;
    spektrum->maxY = hoch;
}

void smoothSpectrum(SpektrumDaten *spektrum)
{
    // Below 4 channels the edges would reach before sample 0.
    const int n = spektrum->dimX < spektrumKapazitaet ? spektrum->dimX : spektrumKapazitaet - 1;
    if (n < 4)
        return;
    float *y = spektrum->daten;

    // Edge sums of the untouched samples; 64 bits hold nine times five saturated ints.
    long long summeLinks = 0;
    long long summeRechts = 0;
    for (int k = 0; k <= 4; ++k) {
        summeLinks += truncateToInt(y[k]);
        summeRechts += truncateToInt(y[n - k]);
    }
    const int a = static_cast<int>(9 * summeLinks / 50);
    const int b = static_cast<int>(9 * summeRechts / 50);

    // Left before right for each k: where the edges overlap a sample is treated twice.
    for (int k = 1; k <= 4; ++k) {
        y[k] = y[k] / 10 + a;
        y[n - k] = y[n - k] / 10 + b;
    }

    if (n - 5 <= 5)
        return;
    // In place, left to right: each result feeds the next five windows.
    for (int i = 5; i <= n - 6; ++i) {
        using LD = long double;
        const LD summe = ((4 * (LD(y[i + 1]) + y[i - 1]) + 6 * LD(y[i]))
                          + 2 * (((LD(y[i - 3]) + y[i - 2]) + y[i + 2]) + y[i + 3]))
                         + (((LD(y[i - 5]) + y[i - 4]) + y[i + 4]) + y[i + 5]);
        y[i] = static_cast<float>(summe / 26);
    }
}

void removeSpikes(SpektrumDaten *)
{
}

void subtractShirley(SpektrumDaten *)
{
}
