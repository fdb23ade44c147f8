#include "drawing/bmp_picture.h"

#include "drawing/overlay.h"

#include <QList>
#include <cstdint>

namespace {
constexpr int Width = SectionPictureSize.width();
constexpr int Height = SectionPictureSize.height();

void putU16(QByteArray& b, qsizetype at, std::uint16_t v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}

void putU32(QByteArray& b, qsizetype at, std::uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        b[at + k] = char((v >> (8 * k)) & 0xFF);
}

// The 14-byte file header and the 40-byte information header.
QByteArray bmpHeaders(int bitsPerPixel, int paletteColours, qsizetype imageBytes)
{
    const qsizetype offset = 14 + 40 + 4 * paletteColours;
    QByteArray b(offset + imageBytes, '\0');
    b[0] = 'B';
    b[1] = 'M';
    putU32(b, 2, std::uint32_t(b.size()));
    putU32(b, 10, std::uint32_t(offset));
    putU32(b, 14, 40);
    putU32(b, 18, Width);
    putU32(b, 22, Height); // bottom-up rows
    putU16(b, 26, 1);
    putU16(b, 28, std::uint16_t(bitsPerPixel));
    putU32(b, 30, 0); // uncompressed
    putU32(b, 34, std::uint32_t(imageBytes));
    putU32(b, 46, std::uint32_t(paletteColours));
    putU32(b, 50, std::uint32_t(paletteColours));
    return b;
}

QImage fitted(const QImage& picture)
{
    if (picture.size() == SectionPictureSize)
        return picture;
    return picture.scaled(Width, Height);
}

QImage blankPicture()
{
    QImage white(Width, Height, QImage::Format_RGB32);
    white.fill(Qt::white);
    return white;
}

std::uint32_t u32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t(u[0]) | std::uint32_t(u[1]) << 8 | std::uint32_t(u[2]) << 16 | std::uint32_t(u[3]) << 24;
}

std::uint16_t u16(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return std::uint16_t(u[0] | u[1] << 8);
}
} // namespace

QByteArray bmpFourBit(const QImage& source)
{
    QImage picture = source.isNull() ? blankPicture() : fitted(source);
    if (picture.format() != QImage::Format_Indexed8 || picture.colorCount() > 16)
        picture = toSixteenColours(picture);
    constexpr qsizetype rowBytes = (Width * 4 + 31) / 32 * 4;
    QByteArray b = bmpHeaders(4, 16, rowBytes * Height);
    const QList<QRgb> colours = picture.colorTable();
    for (int k = 0; k < 16; ++k) {
        const QRgb c = k < colours.size() ? colours[k] : qRgb(0, 0, 0);
        b[54 + 4 * k] = char(qBlue(c));
        b[54 + 4 * k + 1] = char(qGreen(c));
        b[54 + 4 * k + 2] = char(qRed(c));
    }
    char* pixels = b.data() + 54 + 64;
    for (int y = 0; y < Height; ++y) {
        const uchar* line = picture.constScanLine(Height - 1 - y);
        char* out = pixels + y * rowBytes;
        for (int x = 0; x < Width; x += 2)
            out[x / 2] = char((line[x] & 0x0F) << 4 | (line[x + 1] & 0x0F));
    }
    return b;
}

QByteArray bmpTrueColour(const QImage& source)
{
    const QImage picture =
        (source.isNull() ? blankPicture() : fitted(source)).convertToFormat(QImage::Format_RGB32);
    constexpr qsizetype rowBytes = Width * 3; // a multiple of 4
    QByteArray b = bmpHeaders(24, 0, rowBytes * Height);
    char* pixels = b.data() + 54;
    for (int y = 0; y < Height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(Height - 1 - y));
        char* out = pixels + y * rowBytes;
        for (int x = 0; x < Width; ++x) {
            out[3 * x] = char(qBlue(line[x]));
            out[3 * x + 1] = char(qGreen(line[x]));
            out[3 * x + 2] = char(qRed(line[x]));
        }
    }
    return b;
}
qsizetype bmpFileSize(const char* header)
{
    return qsizetype(u32(header + 2));
}

std::optional<QImage> readFirstBitmap(const QByteArray& block, QString& reason)
{
    const auto bad = [&](const char* why) -> std::optional<QImage> {
        reason = QString::fromLatin1(why);
        return std::nullopt;
    };
    const char* p = block.constData();
    if (block.size() < 54 || p[0] != 'B' || p[1] != 'M')
        return bad("the picture is not a BMP file");
    const qint64 fileSize = u32(p + 2);
    const qint64 offset = u32(p + 10);
    const qint64 headerSize = u32(p + 14);
    if (fileSize < 54 || fileSize > block.size())
        return bad("the picture's size does not fit its block");
    if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124)
        return bad("the picture has an unknown header");
    if (14 + headerSize > fileSize)
        return bad("the picture's header does not fit");
    const auto width = std::int32_t(u32(p + 18));
    const auto height = std::int32_t(u32(p + 22));
    if (width != Width || (height != Height && height != -Height))
        return bad("the picture is not 240 x 160 pixels");
    const int bits = u16(p + 28);
    if (u16(p + 26) != 1 || u32(p + 30) != 0)
        return bad("the picture is compressed or has several planes");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return bad("the picture has an unknown pixel depth");
    qint64 colours = 0;
    if (bits <= 8) {
        const qint64 used = u32(p + 46);
        colours = used == 0 ? (qint64(1) << bits) : used;
        if (colours > (qint64(1) << bits))
            return bad("the picture's palette is too long");
    }
    const qint64 paletteAt = 14 + headerSize;
    const qint64 rowBytes = (qint64(Width) * bits + 31) / 32 * 4;
    if (paletteAt + 4 * colours > offset || offset + rowBytes * Height > fileSize)
        return bad("the picture's pixels do not fit its file");

    QImage picture;
    if (bits <= 8) {
        picture = QImage(Width, Height, QImage::Format_Indexed8);
        QList<QRgb> table;
        for (qint64 k = 0; k < colours; ++k) {
            const auto* c = reinterpret_cast<const unsigned char*>(p + paletteAt + 4 * k);
            table << qRgb(c[2], c[1], c[0]);
        }
        picture.setColorTable(table);
    } else {
        picture = QImage(Width, Height, QImage::Format_RGB32);
    }
    if (picture.isNull())
        return bad("no memory for the picture");
    const int mask = (1 << (bits <= 8 ? bits : 8)) - 1;
    for (int y = 0; y < Height; ++y) {
        const auto* in = reinterpret_cast<const unsigned char*>(p + offset + y * rowBytes);
        const int target = height > 0 ? Height - 1 - y : y;
        if (bits <= 8) {
            uchar* out = picture.scanLine(target);
            for (int x = 0; x < Width; ++x) {
                const int bit = x * bits;
                const int index = (in[bit / 8] >> (8 - bits - bit % 8)) & mask;
                if (index >= colours)
                    return bad("a pixel names a colour outside the palette");
                out[x] = uchar(index);
            }
        } else {
            auto* out = reinterpret_cast<QRgb*>(picture.scanLine(target));
            const int step = bits / 8;
            for (int x = 0; x < Width; ++x)
                out[x] = qRgb(in[step * x + 2], in[step * x + 1], in[step * x]);
        }
    }
    if (bits != 4)
        picture = toSixteenColours(picture);
    return picture;
}
