#pragma once

#include "base/section_kind.h"

#include <QImage>

// The twelve section pictures: the ten kinds, the U in its three arrangements.
enum class PictureKind {
    RectHollow,
    CircHollow,
    RectSolid,
    CircSolid,
    FlatBar,
    L,
    T,
    Plate,
    USingle,
    UBox,
    UPair,
    I,
};

inline constexpr int PictureKindCount = 12;
inline constexpr int PictureWidth = 240;
inline constexpr int PictureHeight = 160;

enum class UArrangement { Single, Box, Pair };

PictureKind pictureFor(SectionKind kind, UArrangement arrangement = UArrangement::Single);

// Drawn once, on first use: white ground, navy outlines, hatched material,
// dash-dot centroidal axes and dimension lines with their letters, no values.
const QImage& sectionPicture(PictureKind kind);

// The plate picture with the two typed lengths written on it (only once a
// plate is chosen); it never turns.
QImage platePicture(bool chosen, const QString& length1, const QString& length2);
