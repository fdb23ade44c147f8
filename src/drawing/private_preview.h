#pragma once

#include "drawing/section_picture_size.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

// The preview of a typed-in section: a rectangle with its axes and the four
// extreme-fibre distances written as numbers followed by " mm" above, under,
// left and right of it. A distance that is not known is not written.
struct PreviewDistances {
    std::optional<long double> above, under, left, right;
};

// "25.00 mm".
QString distanceText(long double millimetres);

QImage drawPrivatePreview(const PreviewDistances& distances, QSize size = SectionPictureSize);
