#pragma once

// The last computed section. Area in mm2, second moments in cm4,
// section moduli in cm3.
struct SectionProperties {
    long double Area = 0;
    long double Ix = 0;
    long double Iy = 0;
    long double KxAbove = 0;
    long double KxUnder = 0;
    long double KyLeft = 0;
    long double KyRight = 0;
    long double Ixx = 0;
    long double Kxx = 0;
};
