#pragma once

// The last computed section. Area in mm2, second moments in cm4,
// section moduli in cm3.
struct SectionProperties {
    long double area = 0;
    long double ix = 0;
    long double iy = 0;
    long double kxAbove = 0;
    long double kxUnder = 0;
    long double kyLeft = 0;
    long double kyRight = 0;
    long double ixx = 0;
    long double kxx = 0;
};
