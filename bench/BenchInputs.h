#pragma once

#include <string>

// A realistic 1 Hz receiver output: GGA, GSA, three GSV, RMC, POLYT, POLYP and
// POLYS per second, with checksums and moving values.
std::string MakeOneHertzMix(int seconds);

// Every capture of the shared corpus with its annotation lines removed,
// concatenated; empty when the corpus is absent.
std::string LoadCorpus(const std::string& directory);
