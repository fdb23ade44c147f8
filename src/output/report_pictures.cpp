#include "output/report_pictures.h"

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {

struct EncoderError {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

// libjpeg ends the process on an error unless the handler leaves by a jump.
[[noreturn]] void leaveEncoder(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<EncoderError*>(info->err)->escape, 1);
}

void silentMessage(j_common_ptr) {}

// Only plain data lives between setjmp and the jumps back to it.
bool encodeRgb(const QImage& rgb, int quality, unsigned char** buffer, unsigned long* size)
{
    jpeg_compress_struct info;
    EncoderError error;
    info.err = jpeg_std_error(&error.base);
    error.base.error_exit = leaveEncoder;
    error.base.output_message = silentMessage;
    if (setjmp(error.escape)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

namespace {
// The 16-colour row pictures spelled out through their colour table: a
// third of the time of Qt's general conversion, which goes through 32 bits.
QImage indexedToRgb(const QImage& indexed)
{
    // Every index has an entry; one outside the table is black.
    std::array<std::array<uchar, 3>, 256> rgbOf{};
    const QList<QRgb> table = indexed.colorTable();
    for (qsizetype i = 0; i < std::min<qsizetype>(table.size(), 256); ++i)
        rgbOf[std::size_t(i)] = {uchar(qRed(table[i])), uchar(qGreen(table[i])), uchar(qBlue(table[i]))};
    QImage rgb(indexed.size(), QImage::Format_RGB888);
    const int width = indexed.width();
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* in = indexed.constScanLine(y);
        uchar* out = rgb.scanLine(y);
        for (int x = 0; x < width; ++x, out += 3)
            std::memcpy(out, rgbOf[in[x]].data(), 3);
    }
    return rgb;
}
} // namespace

QImage reportPicture(const ListRow& row)
{
    if (row.rowPicture.isNull()) {
        QImage blank(SectionPictureSize, QImage::Format_RGB888);
        blank.fill(Qt::white);
        return blank;
    }
    QImage picture = row.rowPicture.format() == QImage::Format_Indexed8
                         ? indexedToRgb(row.rowPicture)
                         : row.rowPicture.convertToFormat(QImage::Format_RGB888);
    if (picture.size() != SectionPictureSize)
        picture = picture.scaled(SectionPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}

QByteArray encodeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool encoded = encodeRgb(rgb, quality, &buffer, &size);
    QByteArray bytes;
    if (encoded && buffer)
        bytes = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}
