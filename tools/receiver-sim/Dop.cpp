#include "Dop.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

using Matrix = std::array<std::array<double, 4>, 4>;
using Row = std::array<double, 4>;

constexpr double kDeg = std::numbers::pi / 180.0;

void AddOuter(Matrix& m, const Row& g) {
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j)
            m[i][j] += g[i] * g[j];
    }
}

// Gauss-Jordan with partial pivoting; false when the geometry is degenerate.
bool Invert(Matrix m, Matrix& inverse) {
    inverse = Matrix{};
    for (int i = 0; i < 4; ++i)
        inverse[i][i] = 1;
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r) {
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
        }
        if (std::fabs(m[pivot][col]) < 1e-9) return false;
        std::swap(m[col], m[pivot]);
        std::swap(inverse[col], inverse[pivot]);
        const double scale = m[col][col];
        for (int j = 0; j < 4; ++j) {
            m[col][j] /= scale;
            inverse[col][j] /= scale;
        }
        for (int r = 0; r < 4; ++r) {
            if (r == col) continue;
            const double f = m[r][col];
            for (int j = 0; j < 4; ++j) {
                m[r][j] -= f * m[col][j];
                inverse[r][j] -= f * inverse[col][j];
            }
        }
    }
    return true;
}

double Capped(double variance) {
    return std::min(kNoDop, std::sqrt(std::max(0.0, variance)));
}

} // namespace

Dops ComputeDops(std::span<const LineOfSight> used, bool heightHeld) {
    Matrix normal{};
    for (const LineOfSight& s : used) {
        const double az = s.azimuth * kDeg;
        const double el = s.elevation * kDeg;
        AddOuter(normal,
                 {-std::cos(el) * std::sin(az), -std::cos(el) * std::cos(az), -std::sin(el), 1.0});
    }
    if (heightHeld) AddOuter(normal, {0, 0, 1, 0});
    Matrix q;
    if (!Invert(normal, q)) return {};
    return {Capped(q[0][0] + q[1][1] + q[2][2]), Capped(q[0][0] + q[1][1]), Capped(q[2][2])};
}
