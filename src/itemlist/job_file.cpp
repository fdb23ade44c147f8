#include "itemlist/job_file.h"

#include "drawing/overlay.h"
#include "settings/eight_bit_text.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <future>

namespace {
// Bounds of what a 250-item job needs. The data text of 250 items is a few
// megabytes; a picture block holds two 240 x 160 bitmaps of at most 32 bits.
constexpr qsizetype DataTextLimit = 16 * 1024 * 1024;
constexpr qsizetype PictureBlockLimit = 1024 * 1024;
// The largest first bitmap read: 240 x 160 at 32 bits with the longest header and palette.
constexpr qsizetype LargestFirstBitmap = 14 + 124 + 1024 + 240 * 160 * 4;
constexpr qsizetype IndexLastLine = 20;
constexpr qsizetype IndexTail = IndexLastLine + 2;
constexpr int DataLinesPerRow = ListColumns + ItemValueSlots; // 263

const QByteArray CrLf("\r\n");

// A text written on one line: the format has no way to hold a line break.
QByteArray lineText(const QString& text)
{
    QString flat = text;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return flat.toUtf8();
}

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
    putU32(b, 18, RowPictureWidth);
    putU32(b, 22, RowPictureHeight); // bottom-up rows
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
    if (picture.size() == QSize(RowPictureWidth, RowPictureHeight))
        return picture;
    return picture.scaled(RowPictureWidth, RowPictureHeight);
}

QImage blankPicture()
{
    QImage white(RowPictureWidth, RowPictureHeight, QImage::Format_RGB32);
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

// A whole number of at most 18 digits, without sign or blanks.
std::optional<qint64> plainCount(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qint64 v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// A small whole number that may be negative (the "count - 1" lines).
std::optional<int> smallInteger(const QString& text)
{
    QStringView s(text);
    const bool negative = s.startsWith(QLatin1Char('-'));
    if (negative)
        s = s.mid(1);
    if (s.isEmpty() || s.size() > 9)
        return std::nullopt;
    int v = 0;
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        v = v * 10 + (c.unicode() - '0');
    }
    return negative ? -v : v;
}

// Any decimal number; the values are written with 25 decimals.
std::optional<long double> decimalValue(const QString& text)
{
    QByteArray bytes = text.toLatin1();
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    if (first != last && *first == '+')
        ++first;
    long double v = 0;
    const auto result = std::from_chars(first, last, v);
    if (bytes.isEmpty() || result.ec != std::errc() || result.ptr != last || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// Lines ended by CR LF, the last one included.
std::optional<std::vector<QByteArrayView>> crLfLines(QByteArrayView text)
{
    std::vector<QByteArrayView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf(CrLf, start);
        if (end < 0)
            return std::nullopt;
        lines.push_back(text.sliced(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The size of a zlib stream of `size` bytes at worst (zlib's compressBound).
constexpr qint64 compressedBound(qint64 size)
{
    return size + (size >> 12) + (size >> 14) + (size >> 25) + 13;
}

// A text of a cell, a list item, a stress or a limit field.
bool isJobText(const QString& text)
{
    return text.size() <= JobTextMaxLength;
}

// The stored values of a row as listing writes them: finite and within the
// limit; for a section row no property is negative and the compressive stress
// is not positive. (A listed area or stress is never zero, but one below the
// 25th decimal is written as zero, so zero is read.) Plate rows store no
// values.
QString rowValueFault(const ListRow& row)
{
    const auto& v = row.ItemValues;
    for (long double value : v)
        if (!(std::fabs(value) <= JobValueLimit))
            return QStringLiteral("holds a value beyond %1").arg(double(JobValueLimit));
    if (row.isPlate)
        return {};
    constexpr int Pressure = 12;
    for (int slot = 0; slot < Pressure; ++slot)
        if (v[std::size_t(slot)] < 0)
            return QStringLiteral("holds a negative property");
    if (v[Pressure] > 0)
        return QStringLiteral("holds a compressive stress that is not negative");
    return {};
}

struct BlockPicture {
    QImage picture;
    QString error;
};
} // namespace

qint64 largestJobFileSize()
{
    constexpr qint64 indexLine = 20 + 2;
    constexpr qint64 index = (3 + 2 * qint64(ItemListCapacity)) * indexLine + IndexTail;
    // A written picture block: the 16-colour bitmap and the true-colour one.
    constexpr qint64 writtenPictures = (54 + 64 + RowPictureWidth / 2 * RowPictureHeight)
                                       + (54 + RowPictureWidth * 3 * RowPictureHeight);
    return compressedBound(DataTextLimit) + ItemListCapacity * compressedBound(writtenPictures) + index;
}

QString jobValueText(long double value)
{
    if (!std::isfinite(value))
        value = 0;
    std::array<char, 5200> buffer; // the widest long double in fixed notation
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 25);
    return QString::fromLatin1(buffer.data(), qsizetype(result.ptr - buffer.data()));
}

QStringList requirementLines(const RequirementLimits& limits)
{
    QStringList lines;
    for (int i = 0; i < RequirementLimits::Rows; ++i) {
        lines << QString(limits.row(i).ticked ? QLatin1Char('1') : QLatin1Char('0'))
              << QString(limits.enabled(i) ? QLatin1Char('1') : QLatin1Char('0')) << limits.row(i).min
              << limits.row(i).max;
    }
    return lines;
}

QByteArray jobDataText(const JobFile& job)
{
    QByteArray text;
    text.reserve(qsizetype(job.rows.size()) * (ItemValueSlots * 30 + 400) + 4096);
    const auto line = [&](const QByteArray& bytes) { text += bytes; text += CrLf; };
    line(lineText(job.name.isEmpty() ? QStringLiteral("Noname") : job.name));
    line(QByteArray::number(qsizetype(job.rows.size())));
    for (const ListRow& row : job.rows)
        for (const QString& cell : row.cells)
            line(lineText(cell));
    for (const ListRow& row : job.rows)
        for (long double value : row.ItemValues)
            line(jobValueText(value).toLatin1());
    const auto list = [&](const QStringList& items) {
        line(QByteArray::number(items.size() - 1));
        for (const QString& item : items)
            line(lineText(item));
    };
    list(job.eItems);
    list(job.densityItems);
    line(lineText(job.tensile));
    line(lineText(job.pressure));
    for (QChar digit : job.units.digits())
        line(QByteArray(1, char(digit.unicode())));
    for (const QString& limit : requirementLines(job.limits))
        line(lineText(limit));
    return text;
}

QByteArray bmpFourBit(const QImage& source)
{
    QImage picture = source.isNull() ? blankPicture() : fitted(source);
    if (picture.format() != QImage::Format_Indexed8 || picture.colorCount() > 16)
        picture = toSixteenColours(picture);
    constexpr qsizetype rowBytes = (RowPictureWidth * 4 + 31) / 32 * 4;
    QByteArray b = bmpHeaders(4, 16, rowBytes * RowPictureHeight);
    const QList<QRgb> colours = picture.colorTable();
    for (int k = 0; k < 16; ++k) {
        const QRgb c = k < colours.size() ? colours[k] : qRgb(0, 0, 0);
        b[54 + 4 * k] = char(qBlue(c));
        b[54 + 4 * k + 1] = char(qGreen(c));
        b[54 + 4 * k + 2] = char(qRed(c));
    }
    char* pixels = b.data() + 54 + 64;
    for (int y = 0; y < RowPictureHeight; ++y) {
        const uchar* line = picture.constScanLine(RowPictureHeight - 1 - y);
        char* out = pixels + y * rowBytes;
        for (int x = 0; x < RowPictureWidth; x += 2)
            out[x / 2] = char((line[x] & 0x0F) << 4 | (line[x + 1] & 0x0F));
    }
    return b;
}

QByteArray bmpTrueColour(const QImage& source)
{
    const QImage picture =
        (source.isNull() ? blankPicture() : fitted(source)).convertToFormat(QImage::Format_RGB32);
    constexpr qsizetype rowBytes = RowPictureWidth * 3; // a multiple of 4
    QByteArray b = bmpHeaders(24, 0, rowBytes * RowPictureHeight);
    char* pixels = b.data() + 54;
    for (int y = 0; y < RowPictureHeight; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(RowPictureHeight - 1 - y));
        char* out = pixels + y * rowBytes;
        for (int x = 0; x < RowPictureWidth; ++x) {
            out[3 * x] = char(qBlue(line[x]));
            out[3 * x + 1] = char(qGreen(line[x]));
            out[3 * x + 2] = char(qRed(line[x]));
        }
    }
    return b;
}

QByteArray pictureBlock(const ListRow& row, const QByteArray& secondBitmap)
{
    // Plate rows have no picture: their block holds a blank one.
    QByteArray block = bmpFourBit(row.isPlate ? QImage() : row.RowPicture);
    block += secondBitmap;
    return block;
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
    if (width != RowPictureWidth || (height != RowPictureHeight && height != -RowPictureHeight))
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
    const qint64 rowBytes = (qint64(RowPictureWidth) * bits + 31) / 32 * 4;
    if (paletteAt + 4 * colours > offset || offset + rowBytes * RowPictureHeight > fileSize)
        return bad("the picture's pixels do not fit its file");

    QImage picture;
    if (bits <= 8) {
        picture = QImage(RowPictureWidth, RowPictureHeight, QImage::Format_Indexed8);
        QList<QRgb> table;
        for (qint64 k = 0; k < colours; ++k) {
            const auto* c = reinterpret_cast<const unsigned char*>(p + paletteAt + 4 * k);
            table << qRgb(c[2], c[1], c[0]);
        }
        picture.setColorTable(table);
    } else {
        picture = QImage(RowPictureWidth, RowPictureHeight, QImage::Format_RGB32);
    }
    if (picture.isNull())
        return bad("no memory for the picture");
    const int mask = (1 << (bits <= 8 ? bits : 8)) - 1;
    for (int y = 0; y < RowPictureHeight; ++y) {
        const auto* in = reinterpret_cast<const unsigned char*>(p + offset + y * rowBytes);
        const int target = height > 0 ? RowPictureHeight - 1 - y : y;
        if (bits <= 8) {
            uchar* out = picture.scanLine(target);
            for (int x = 0; x < RowPictureWidth; ++x) {
                const int bit = x * bits;
                const int index = (in[bit / 8] >> (8 - bits - bit % 8)) & mask;
                if (index >= colours)
                    return bad("a pixel names a colour outside the palette");
                out[x] = uchar(index);
            }
        } else {
            auto* out = reinterpret_cast<QRgb*>(picture.scanLine(target));
            const int step = bits / 8;
            for (int x = 0; x < RowPictureWidth; ++x)
                out[x] = qRgb(in[step * x + 2], in[step * x + 1], in[step * x]);
        }
    }
    if (bits != 4)
        picture = toSixteenColours(picture);
    return picture;
}

QByteArray compressBlock(const QByteArray& data)
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.constData()),
                  uLong(data.size()), 9) != Z_OK)
        return {};
    out.truncate(qsizetype(size));
    return out;
}

namespace {
// The zlib header compress2 writes at level 9: deflate, 32 KB window, "maximum
// compression".
constexpr char ZlibHeaderLevel9[] = {'\x78', '\xDA'};

// Raw deflate data (no zlib wrapper) of bytes at level 9, ended by a finishing
// flush when last, else by a full flush that leaves the stream on a byte
// boundary with an empty history, so that other deflate data may follow it.
QByteArray rawDeflate(const QByteArray& bytes, bool last)
{
    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray out(qsizetype(deflateBound(&stream, uLong(bytes.size()))) + 16, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    const int rc = deflate(&stream, last ? Z_FINISH : Z_FULL_FLUSH);
    const bool ok = last ? rc == Z_STREAM_END : rc == Z_OK && stream.avail_in == 0 && stream.avail_out > 0;
    out.truncate(out.size() - qsizetype(stream.avail_out));
    deflateEnd(&stream);
    return ok ? out : QByteArray();
}

void putAdler(QByteArray& out, uLong adler)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char((adler >> shift) & 0xFF);
}
} // namespace

SharedBlockTail compressBlockTail(const QByteArray& data)
{
    SharedBlockTail tail;
    tail.deflate = rawDeflate(data, true);
    tail.adler = adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size()));
    tail.length = data.size();
    return tail;
}

QByteArray compressBlock(const QByteArray& head, const SharedBlockTail& tail)
{
    if (tail.deflate.isEmpty())
        return {};
    const QByteArray headDeflate = rawDeflate(head, false);
    if (headDeflate.isEmpty())
        return {};
    QByteArray out;
    out.reserve(2 + headDeflate.size() + tail.deflate.size() + 4);
    out.append(ZlibHeaderLevel9, 2);
    out += headDeflate;
    out += tail.deflate;
    const uLong headAdler =
        adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(head.constData()), uInt(head.size()));
    putAdler(out, adler32_combine(headAdler, tail.adler, z_off_t(tail.length)));
    return out;
}

std::optional<QByteArray> inflateBlock(const char* data, qsizetype size, qsizetype limit, QString& reason,
                                       bool firstBitmapOnly)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        reason = QStringLiteral("the decompressor did not start");
        return std::nullopt;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    stream.avail_in = uInt(size);
    // The whole output, or only the first bitmap: its size is in its header.
    qsizetype keep = firstBitmapOnly ? LargestFirstBitmap : limit;
    bool keepKnown = !firstBitmapOnly;
    QByteArray kept;
    kept.reserve(firstBitmapOnly ? 32 * 1024 : std::min(limit, std::max<qsizetype>(64 * 1024, size * 4)));
    std::array<char, 16 * 1024> scratch;
    qsizetype total = 0;
    int rc = Z_OK;
    do {
        stream.next_out = reinterpret_cast<Bytef*>(scratch.data());
        stream.avail_out = uInt(scratch.size());
        rc = inflate(&stream, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END)
            break; // damaged data, or the input ended before the stream
        const qsizetype produced = qsizetype(scratch.size()) - qsizetype(stream.avail_out);
        total += produced;
        if (total > limit)
            break;
        if (kept.size() < keep)
            kept.append(scratch.data(), std::min(produced, keep - kept.size()));
        if (!keepKnown && kept.size() >= 6) {
            keep = std::clamp<qsizetype>(u32(kept.constData() + 2), 54, LargestFirstBitmap);
            keepKnown = true;
            if (kept.size() > keep)
                kept.truncate(keep);
        }
    } while (rc != Z_STREAM_END);
    const uInt left = stream.avail_in;
    inflateEnd(&stream);
    if (total > limit) {
        reason = QStringLiteral("a block decompresses to more than a job holds");
        return std::nullopt;
    }
    if (rc != Z_STREAM_END) {
        reason = QStringLiteral("a block is damaged or cut short");
        return std::nullopt;
    }
    if (left != 0) {
        reason = QStringLiteral("a block is longer than its stream");
        return std::nullopt;
    }
    return kept;
}

QByteArray writeJob(const JobFile& job, const ItemProgress& progress)
{
    const std::size_t n = job.rows.size();
    if (n == 0 || n > std::size_t(ItemListCapacity))
        return {};
    // The data text is compressed beside the pictures.
    auto text = std::async(std::launch::async, [&job] { return compressBlock(jobDataText(job)); });
    // The second bitmap is the same in every block: it is compressed once and
    // its deflate data closes each block after the row's own bitmap.
    const SharedBlockTail second = compressBlockTail(bmpTrueColour(job.firstTabPicture));
    std::vector<QByteArray> blocks;
    const bool done = parallelItems<QByteArray>(
        n, [&](std::size_t i) { return compressBlock(pictureBlock(job.rows[i], {}), second); }, blocks, progress);
    const QByteArray head = text.get();
    if (!done || head.isEmpty())
        return {};

    qsizetype total = head.size();
    for (const QByteArray& block : blocks) {
        if (block.isEmpty())
            return {};
        total += block.size();
    }
    QByteArray out;
    out.reserve(total + 64 + 40 * qsizetype(n));
    out += head;
    QByteArray index;
    const auto indexLine = [&](qint64 v) { index += QByteArray::number(v) + CrLf; };
    indexLine(qint64(n));
    indexLine(head.size());
    indexLine(head.size());
    for (const QByteArray& block : blocks) {
        out += block;
        indexLine(out.size());
        indexLine(block.size());
    }
    QByteArray last = QByteArray::number(out.size());
    last += QByteArray(IndexLastLine - last.size(), 'X');
    out += index;
    out += last + CrLf;
    return out;
}

namespace {
// Reads the data text of a job of n items from the first textSize bytes.
std::optional<JobFile> readDataText(const QByteArray& bytes, qint64 textSize, qint64 n, QString& reason)
{
    const auto fail = [&](const QString& why) -> std::optional<JobFile> {
        reason = why;
        return std::nullopt;
    };
    QString why;
    const auto data = inflateBlock(bytes.constData(), textSize, DataTextLimit, why);
    if (!data)
        return fail(QStringLiteral("the text block: ") + why);
    const QStringList lines = splitLines(decodeEightBit(*data));
    qsizetype at = 0;
    const auto have = [&](qint64 count) { return count >= 0 && lines.size() - at >= count; };
    if (!have(2))
        return fail(QStringLiteral("the data text is cut short"));
    JobFile job;
    job.name = lines[at++];
    if (job.name.isEmpty())
        job.name = QStringLiteral("Noname");
    if (job.name.size() > JobNameMaxLength)
        return fail(QStringLiteral("the job name is longer than %1 characters").arg(JobNameMaxLength));
    const auto count = smallInteger(lines[at++]);
    if (!count || *count != n)
        return fail(QStringLiteral("the data text and the index give different item counts"));
    if (!have(n * DataLinesPerRow))
        return fail(QStringLiteral("the data text is cut short"));
    job.rows.resize(std::size_t(n));
    for (ListRow& row : job.rows) {
        for (QString& cell : row.cells)
            cell = lines[at++];
        row.isPlate = row.cells[1].isEmpty();
        if (!std::all_of(row.cells.begin(), row.cells.end(), isJobText))
            return fail(QStringLiteral("item %1 holds a text longer than %2 characters")
                            .arg(&row - job.rows.data() + 1)
                            .arg(JobTextMaxLength));
    }
    for (qint64 r = 0; r < n; ++r) {
        for (long double& value : job.rows[std::size_t(r)].ItemValues) {
            const auto v = decimalValue(lines[at++]);
            if (!v)
                return fail(QStringLiteral("item %1 holds a value that is not a number").arg(r + 1));
            value = *v;
        }
        const QString fault = rowValueFault(job.rows[std::size_t(r)]);
        if (!fault.isEmpty())
            return fail(QStringLiteral("item %1 ").arg(r + 1) + fault);
    }
    const auto list = [&](QStringList& items) {
        if (!have(1))
            return false;
        const auto less = smallInteger(lines[at++]);
        if (!less || *less < 0 || !have(qint64(*less) + 1))
            return false;
        items = lines.mid(at, *less + 1);
        at += *less + 1;
        return std::all_of(items.begin(), items.end(), isJobText);
    };
    if (!list(job.eItems) || !list(job.densityItems))
        return fail(QStringLiteral("a choice list is empty, damaged or holds an item longer than %1 characters")
                        .arg(JobTextMaxLength));
    if (!have(2 + 7 + 4 * RequirementLimits::Rows))
        return fail(QStringLiteral("the data text is cut short"));
    job.tensile = lines[at++];
    job.pressure = lines[at++];
    if (!isJobText(job.tensile) || !isJobText(job.pressure))
        return fail(QStringLiteral("a stress field is longer than %1 characters").arg(JobTextMaxLength));
    QString digits7;
    for (int k = 0; k < 7; ++k) {
        if (lines[at].size() != 1)
            return fail(QStringLiteral("the units are not seven digits"));
        digits7 += lines[at++];
    }
    const auto units = UnitSettings::fromDigits(digits7);
    if (!units)
        return fail(QStringLiteral("the units are not seven digits of 1 to 3"));
    job.units = *units;
    const auto flag = [](const QString& text) -> std::optional<bool> {
        if (text == QLatin1String("1"))
            return true;
        if (text == QLatin1String("0"))
            return false;
        return std::nullopt;
    };
    for (int i = 0; i < RequirementLimits::Rows; ++i) {
        const auto ticked = flag(lines[at++]);
        const auto enabled = flag(lines[at++]);
        if (!ticked || !enabled)
            return fail(QStringLiteral("the requirement block is damaged"));
        if (!isJobText(lines[at]) || !isJobText(lines[at + 1]))
            return fail(QStringLiteral("a requirement limit is longer than %1 characters").arg(JobTextMaxLength));
        job.limits.setTicked(i, *ticked);
        job.limits.setMin(i, lines[at++]);
        job.limits.setMax(i, lines[at++]);
    }
    if (at != lines.size())
        return fail(QStringLiteral("the data text has lines after the requirement block"));

    return job;
}
} // namespace

JobReading readJob(const QByteArray& bytes, const ItemProgress& progress)
{
    JobReading reading;
    const auto bad = [&](const QString& why) {
        reading.reason = why;
        return reading;
    };
    const qsizetype size = bytes.size();
    if (size < IndexTail + 8)
        return bad(QStringLiteral("the file is too short for a job"));
    if (size > qsizetype(0x7FFFFFFF))
        return bad(QStringLiteral("the file is larger than a job can be"));

    // The last 22 bytes: the index offset padded with "X" to 20 characters.
    const QByteArrayView tail(bytes.constData() + size - IndexTail, IndexTail);
    if (!tail.endsWith(CrLf))
        return bad(QStringLiteral("the file does not end with the index offset"));
    qsizetype digits = 0;
    while (digits < IndexLastLine && tail[digits] >= '0' && tail[digits] <= '9')
        ++digits;
    for (qsizetype k = digits; k < IndexLastLine; ++k)
        if (tail[k] != 'X')
            return bad(QStringLiteral("the index offset at the end of the file is not a number"));
    const auto x = plainCount(tail.first(digits));
    if (!x)
        return bad(QStringLiteral("the index offset at the end of the file is not a number"));
    if (*x < 1 || *x > size - IndexTail)
        return bad(QStringLiteral("the index offset lies outside the file"));

    const auto index = crLfLines(QByteArrayView(bytes.constData() + *x, size - IndexTail - *x));
    if (!index || index->size() < 3)
        return bad(QStringLiteral("the index is not made of lines"));
    std::vector<qint64> numbers;
    for (QByteArrayView line : *index) {
        const auto v = plainCount(line);
        if (!v)
            return bad(QStringLiteral("the index holds a line that is not a number"));
        numbers.push_back(*v);
    }
    const qint64 n = numbers[0];
    if (n < 1 || n > ItemListCapacity)
        return bad(QStringLiteral("the item count is not 1 to 250"));
    if (qint64(numbers.size()) != 3 + 2 * n)
        return bad(QStringLiteral("the index does not hold two lines per item"));
    const qint64 textSize = numbers[2];
    if (numbers[1] != textSize || textSize < 1 || textSize > *x)
        return bad(QStringLiteral("the text block does not lie inside the file"));
    std::vector<std::pair<qint64, qint64>> blocks; // start, size
    qint64 end = textSize;
    for (qint64 i = 0; i < n; ++i) {
        const qint64 blockEnd = numbers[std::size_t(3 + 2 * i)];
        const qint64 blockSize = numbers[std::size_t(4 + 2 * i)];
        if (blockSize < 1 || blockEnd != end + blockSize || blockEnd > *x)
            return bad(QStringLiteral("picture block %1 does not lie where the index says").arg(i + 1));
        blocks.emplace_back(end, blockSize);
        end = blockEnd;
    }
    if (end != *x)
        return bad(QStringLiteral("the blocks do not end where the index starts"));

    // The data text is read beside the pictures, which are read on all cores.
    QString textReason;
    auto text = std::async(std::launch::async,
                           [&] { return readDataText(bytes, textSize, n, textReason); });
    std::vector<BlockPicture> pictures;
    const bool done = parallelItems<BlockPicture>(
        std::size_t(n),
        [&](std::size_t i) {
            BlockPicture result;
            const auto block = inflateBlock(bytes.constData() + blocks[i].first, blocks[i].second,
                                            PictureBlockLimit, result.error, true);
            if (!block)
                return result;
            if (auto picture = readFirstBitmap(*block, result.error))
                result.picture = std::move(*picture);
            return result;
        },
        pictures, progress);
    std::optional<JobFile> parsed = text.get();
    if (!parsed)
        return bad(textReason);
    if (!done)
        return bad(QStringLiteral("loading was stopped"));
    JobFile& job = *parsed;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (pictures[i].picture.isNull())
            return bad(QStringLiteral("picture block %1: %2").arg(i + 1).arg(pictures[i].error));
        if (!job.rows[i].isPlate)
            job.rows[i].RowPicture = std::move(pictures[i].picture);
    }
    reading.job = std::move(job);
    return reading;
}
