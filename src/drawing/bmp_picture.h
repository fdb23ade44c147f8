#pragma once

// The BMP files a job keeps for each item: a section picture written as an
// uncompressed bottom-up BMP file of 16 colours or of 24 bits, and read back
// from any uncompressed BMP file of the picture's size.

#include "drawing/section_picture_size.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// The largest BMP file of a section picture: 32 bits with the longest header
// and palette.
inline constexpr qsizetype LargestBmpFile =
    14 + 124 + 1024 + qsizetype(SectionPictureSize.width()) * SectionPictureSize.height() * 4;

// A null picture is written blank (white), one of another size is scaled.
QByteArray bmpFourBit(const QImage& picture);    // 16 colours
QByteArray bmpTrueColour(const QImage& picture); // 24 bits
// The size a BMP file's header gives for its file (bytes 2 to 5); header
// holds at least 6 bytes.
qsizetype bmpFileSize(const char* header);
// The first BMP file in bytes as a 16-colour picture, or the reason it is not one.
std::optional<QImage> readFirstBitmap(const QByteArray& bytes, QString& reason);
