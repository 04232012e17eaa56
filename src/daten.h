#ifndef DATEN_H
#define DATEN_H

#include <fstream>

// Samples a data set can hold; N channels use N + 1 of them, so at most 3999 channels.
constexpr int spektrumKapazitaet = 4000;

// The one spectrum the program works on: N = dimX channels in samples 0 to N.
struct SpektrumDaten
{
    int dimX = 0;
    float minX = 0.0f;
    float maxX = 0.0f;
    float minY = 0.0f;
    float maxY = 0.0f;
    float daten[spektrumKapazitaet] = {};
};

// The stream every file read goes through; closed between reads.
extern std::fstream dataStream;

// Truncation toward zero that saturates at the int range; NaN gives 0.
int truncateToInt(double wert);

void fillTestSpectrum(SpektrumDaten *spektrum);

float readValue();
void readSpectrumFile(SpektrumDaten *spektrum, const char *name);

void smoothSpectrum(SpektrumDaten *spektrum);
void removeSpikes(SpektrumDaten *spektrum);
void subtractShirley(SpektrumDaten *spektrum);

#endif
