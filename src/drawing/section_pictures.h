#pragma once

#include "base/section_kind.h"
#include "drawing/section_picture_size.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

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

enum class UArrangement { Single, Box, Pair };

PictureKind pictureFor(SectionKind kind, UArrangement arrangement = UArrangement::Single);

// Where a picture put its texts and its axes: the box of every letter it
// writes (dimension and axis letters) and the point where its centroidal
// axes cross. A picture that turns has its axes crossing at the picture's
// centre, the point it turns about.
struct PictureLetter {
    QString text;
    QRect box;
};
struct PictureLayout {
    QPoint axisCrossing;
    QList<PictureLetter> letters;
};
const PictureLayout& pictureLayout(PictureKind kind);

// Drawn once, on first use: white ground, navy outlines, hatched material,
// dash-dot centroidal axes and dimension lines with their letters, no values.
const QImage& sectionPicture(PictureKind kind);

// The plate picture with the two typed lengths written on it (only once a
// plate is chosen); it never turns.
QImage platePicture(bool chosen, const QString& length1, const QString& length2);
