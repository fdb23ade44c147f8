#pragma once

#include <cmath>
#include <numbers>
#include <utility>

// St Venant constant of a full a x b rectangle from the series solution of
// the torsion problem.
inline double rectangleTorsionSeries(double a, double b)
{
    if (a < b)
        std::swap(a, b);
    double sum = 0;
    for (int n = 1; n < 200; n += 2)
        sum += std::tanh(n * std::numbers::pi * a / (2 * b)) / std::pow(n, 5);
    return a * b * b * b / 3 * (1 - 192 / std::pow(std::numbers::pi, 5) * (b / a) * sum);
}
