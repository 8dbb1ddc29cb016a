#pragma once

#include <cstdint>
#include <random>

// The simulator's only source of randomness, so one --seed reproduces a run.
class Rng {
public:
    explicit Rng(uint64_t seed) : engine(seed) {}

    double Uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine);
    }
    double Gaussian(double sigma) {
        return sigma > 0 ? std::normal_distribution<double>(0.0, sigma)(engine) : 0.0;
    }
    bool Chance(double probability) { return probability > 0 && Uniform(0, 1) < probability; }
    // 0 .. count-1
    int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(engine); }

    // Independent streams for independent parts of the model, so that turning
    // a fault on does not change the sky.
    static uint64_t Stream(uint64_t seed, uint64_t stream) {
        uint64_t z = seed + 0x9E3779B97F4A7C15ull * (stream + 1);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

private:
    std::mt19937_64 engine;
};
