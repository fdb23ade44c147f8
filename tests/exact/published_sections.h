#pragma once

// Torsion, warping and plastic values of hot-rolled I sections as a public
// European section table lists them (the steelsnakes project's
// src/steelsnakes/EU/data/IPE.json and HE.json). None of these values went
// into the program's catalogue, which carries area, second moments and
// elastic moduli only. Units: cm4, cm6, cm3; the table gives Iw in dm6.

struct PublishedSection {
    const char* entry; // the catalogue entry
    double it;         // cm4
    double iw;         // cm6
    double wplX;       // cm3, about the axis parallel to the flanges
    double wplY;       // cm3
};

inline constexpr PublishedSection PublishedSections[] = {
    {"IPE 160x82", 3.54, 0.00396e6, 124, 26.1},
    {"IPE 200x100", 6.92, 0.013e6, 221, 44.6},
    {"IPE 400x180", 51.3, 0.49e6, 1310, 229},
    {"IPE 500x200", 89.1, 1.25e6, 2190, 336},
    {"IPE 600x220", 165, 2.85e6, 3510, 486},
    {"IPB;HE-B 120x120", 13.9, 0.00941e6, 165, 81.0},
    {"IPB;HE-B 160x160", 31.3, 0.0479e6, 354, 170},
    {"IPB;HE-B 200x200", 59.7, 0.171e6, 642, 306},
    {"IPB;HE-B 800x300", 959, 21.8e6, 10200, 1550},
    {"IPB;HE-B 1000x300", 1270, 37.6e6, 14900, 1720},
    {"I PBI;(HE-A) 200 190x200", 21.0, 0.108e6, 430, 204},
    {"I PBI;(HE-A) 800 790x300", 609, 18.3e6, 8700, 1310},
    {"I PBI;(HE-A) 1000 990x300", 835, 32.1e6, 12800, 1470},
};
