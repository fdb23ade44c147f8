#pragma once

#include "drawing/section_picture_size.h"
#include "itemlist/item_list.h"

#include <QByteArray>
#include <QImage>

inline constexpr int ReportJpegQuality = 90;

// The picture of a row as the report writes it: the row's picture in full
// colour at the section picture size, or a blank white one for a row without a picture.
QImage reportPicture(const ListRow& row);

// Baseline JPEG, full colour (YCbCr), of the image at the given quality.
// Returns an empty array when the image is null or the encoder fails.
QByteArray encodeJpeg(const QImage& image, int quality = ReportJpegQuality);
