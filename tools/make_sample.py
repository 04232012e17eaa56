#!/usr/bin/env python3
"""Writes data/AU_00.ZEL, the sample spectrum "Laden" reads by default.

A gold Fermi edge as the analyser would record it:

    counts(E) = Poisson( A * (f_T * G)(E) + B0 + B1 * (E_F - E) )

- f_T: Fermi-Dirac occupation 1 / (exp((E - E_F) / kT) + 1) at T = 50 K;
- G: Gaussian instrument resolution of 35 meV FWHM, convolved numerically on a 0.5 meV grid;
- B0 + B1 * (E_F - E): a linear background rising toward lower kinetic energy;
- Poisson counting noise from a fixed-seed generator, then two single-channel spikes.

Energies are kinetic: He I light (21.218 eV) and an analyser work function of 4.35 eV put the
Fermi level at 16.868 eV. The 201 samples (200 channels) cover 16.468 to 17.268 eV in steps of
4 meV, so the edge sits at channel 100; the program's own energy axis stays 0 to 20.

Only the standard library is used, and the noise comes from Knuth's method on
random.Random(SEED).random(), so the file comes out the same on every Python 3.
"""

import math
import random
from pathlib import Path

SEED = 1905
CHANNELS = 200
PHOTON_EV = 21.218
WORK_FUNCTION_EV = 4.35
FERMI_EV = PHOTON_EV - WORK_FUNCTION_EV
STEP_EV = 0.004
START_EV = FERMI_EV - STEP_EV * CHANNELS / 2
TEMPERATURE_K = 50.0
RESOLUTION_FWHM_EV = 0.035
EDGE_COUNTS = 480.0
BACKGROUND_COUNTS = 230.0
BACKGROUND_SLOPE_PER_EV = 150.0
SPIKES = {47: 220, 163: 380}  # channel: counts added

BOLTZMANN_EV_PER_K = 8.617333262e-5
FINE_STEP_EV = 0.0005


def fermi(energy):
    x = (energy - FERMI_EV) / (BOLTZMANN_EV_PER_K * TEMPERATURE_K)
    if x > 700:
        return 0.0
    return 1.0 / (math.exp(x) + 1.0)


def broadened_fermi(energy):
    """Fermi-Dirac step convolved with the Gaussian resolution, summed out to 6 sigma."""
    sigma = RESOLUTION_FWHM_EV / (2 * math.sqrt(2 * math.log(2)))
    reach = int(6 * sigma / FINE_STEP_EV)
    total = 0.0
    weights = 0.0
    for j in range(-reach, reach + 1):
        offset = j * FINE_STEP_EV
        w = math.exp(-0.5 * (offset / sigma) ** 2)
        total += w * fermi(energy - offset)
        weights += w
    return total / weights


def poisson(rng, mean):
    """Knuth's method, in pieces of at most 30 so that exp(-mean) never underflows."""
    count = 0
    while mean > 0:
        piece = min(mean, 30.0)
        mean -= piece
        limit = math.exp(-piece)
        product = rng.random()
        while product > limit:
            count += 1
            product *= rng.random()
    return count


def spectrum():
    rng = random.Random(SEED)
    counts = []
    for channel in range(CHANNELS + 1):
        energy = START_EV + channel * STEP_EV
        mean = (EDGE_COUNTS * broadened_fermi(energy)
                + BACKGROUND_COUNTS + BACKGROUND_SLOPE_PER_EV * (FERMI_EV - energy))
        counts.append(poisson(rng, mean) + SPIKES.get(channel, 0))
    return counts


def main():
    counts = spectrum()
    # The file is meant to show counts in the hundreds throughout.
    assert all(100 <= c < 1000 for c in counts), (min(counts), max(counts))
    target = Path(__file__).resolve().parent.parent / "data" / "AU_00.ZEL"
    target.parent.mkdir(exist_ok=True)
    text = "%d\n" % CHANNELS + "".join("%d\n" % c for c in counts)
    target.write_bytes(text.encode("ascii"))


if __name__ == "__main__":
    main()
