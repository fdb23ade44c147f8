#pragma once

// The numbers the section computations share: angle and unit conversions,
// the torsion factors of the rolled profiles and the density of steel.

#include <numbers>

inline constexpr long double Pi = std::numbers::pi_v<long double>;

inline long double degreesToRadians(long double degrees)
{
    return degrees * Pi / 180.0L;
}

inline long double radiansToDegrees(long double radians)
{
    return radians * 180.0L / Pi;
}

// Dimensions are typed and tabulated in mm; areas are shown in cm2, second
// moments in cm4, section moduli in cm3.
inline constexpr long double MmPerCm = 10;
inline constexpr long double Mm2PerCm2 = 100;
inline constexpr long double Mm3PerCm3 = 1000;
inline constexpr long double Mm4PerCm4 = 10000;
inline constexpr long double Cm2PerM2 = 10000;

// Factors on the sum of b t^3 / 3 over the plates of a rolled profile, for
// the fillets between web and flanges.
inline constexpr long double ITorsionFactor = 1.31L;       // I beams, back-to-back channel pairs
inline constexpr long double TeeTorsionFactor = 1.15L;     // tees
inline constexpr long double ChannelTorsionFactor = 1.2L;  // single channels

// Density of steel, kg/m3.
inline constexpr long double SteelDensity = 7850;
