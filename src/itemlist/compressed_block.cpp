#include "itemlist/compressed_block.h"

#include "drawing/bmp_picture.h"

#include <zlib.h>

#include <algorithm>
#include <array>

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

// The longest hash chain level 9 searches for the rows' own bitmaps. A 16-colour
// picture repeats short patterns all over, so level 9's full chain of 4096 spends
// three times as long for 0.5 % smaller data; this is level 8's chain, with level
// 9's match lengths kept. The once-compressed shared bitmap gets the full search.
constexpr int HeadMaxChain = 1024;

// Raw deflate data (no zlib wrapper) of bytes at level 9, ended by a finishing
// flush when last, else by a full flush that leaves the stream on a byte
// boundary with an empty history, so that other deflate data may follow it.
QByteArray rawDeflate(const QByteArray& bytes, bool last)
{
    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    if (!last && deflateTune(&stream, 32, 258, 258, HeadMaxChain) != Z_OK) {
        deflateEnd(&stream);
        return {};
    }
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
    qsizetype keep = firstBitmapOnly ? LargestBmpFile : limit;
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
            keep = std::clamp<qsizetype>(bmpFileSize(kept.constData()), 54, LargestBmpFile);
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
