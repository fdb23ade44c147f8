// Job files built whole from the input (data text and picture blocks compressed, a consistent index), so
// that the checks behind zlib's checksums are reached. A job that reads writes bytes that read again, and
// writing what was read a second time gives the same bytes.
#include "fuzz_input.h"

#include "itemlist/job_file.h"

#include <QImage>

// A line of the input instead of the writer's: a text, a small count, a number or a digit.
static QByteArray line(FuzzInput& in)
{
    const int kind = in.byte() % 4;
    return kind == 0   ? in.text().toUtf8()
           : kind == 1 ? QByteArray::number(in.raw<std::int8_t>())
           : kind == 2 ? jobValueText(in.raw<double>()).toLatin1()
                       : QByteArray(1, char('0' + in.byte() % 4));
}

// The lines of a data text of n items in the writer's order. A line is
// replaced by the input's only on a rare byte, so an input that has run out
// (all zeros) leaves the layout whole.
static QByteArray dataText(FuzzInput& in, int n)
{
    static const QByteArray zero = jobValueText(0).toLatin1();
    QByteArray text;
    const auto put = [&](const QByteArray& bytes) { text += (in.byte() == 0xA5 ? line(in) : bytes) + "\r\n"; };
    const auto shortText = [&](int length = JobTextMaxLength) { return in.text().left(length).toUtf8(); };
    put(shortText(JobNameMaxLength));
    put(QByteArray::number(n));
    for (int k = 0; k < n * ListColumns; ++k)
        put(shortText());
    // Values as a listing stores them: slots 0 to 12 used, the compressive stress (12) negative.
    for (int k = 0; k < n * ItemValueSlots; ++k) {
        const int slot = k % ItemValueSlots;
        const long double value = slot < 13 ? in.raw<std::uint32_t>() / 1024.0L : 0;
        put(slot > 12 ? zero : jobValueText(slot == 12 ? -value : value).toLatin1());
    }
    for (int list = 0; list < 2; ++list) {
        const int items = 1 + in.byte() % 4;
        put(QByteArray::number(items - 1));
        for (int k = 0; k < items; ++k)
            put(shortText());
    }
    for (int k = 0; k < 2; ++k)
        put(shortText());
    for (int k = 0; k < 7; ++k)
        put(QByteArray(1, char('1' + in.byte() % 3)));
    for (int k = 0; k < 28; ++k)
        put(k % 4 < 2 ? QByteArray(1, char('0' + in.byte() % 2)) : shortText());
    return text;
}

// A compressed picture block: a 16-colour picture as the writer stores it
// (built once), or up to 1 KiB of the input's bytes.
static QByteArray pictureBlock(FuzzInput& in)
{
    static const QByteArray picture = [] {
        QImage image(SectionPictureSize, QImage::Format_Indexed8);
        image.setColorCount(16);
        for (int k = 0; k < 16; ++k)
            image.setColor(k, qRgb(16 * k, 255 - 16 * k, 8 * k));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, uint((x / 16 + y / 16) % 16));
        return compressBlock(bmpFourBit(image));
    }();
    return in.byte() == 0xA5 ? compressBlock(in.bytes(in.raw<std::uint16_t>() % 1024)) : picture;
}

static QByteArray jobFile(FuzzInput& in)
{
    const int n = 1 + in.byte() % 2;
    QByteArray file = compressBlock(dataText(in, n));
    QByteArray index = QByteArray::number(n) + "\r\n" + QByteArray::number(file.size()) + "\r\n" +
                       QByteArray::number(file.size()) + "\r\n";
    for (int i = 0; i < n; ++i) {
        const QByteArray block = pictureBlock(in);
        file += block;
        index += QByteArray::number(file.size()) + "\r\n" + QByteArray::number(block.size()) + "\r\n";
    }
    const QByteArray last = QByteArray::number(file.size());
    return file + index + last + QByteArray(20 - last.size(), 'X') + "\r\n";
}

FUZZ_TARGET(in)
{
    const JobReading first = readJob(jobFile(in));
    FUZZ_CHECK(first.job || !first.reason.isEmpty());
    if (!first.job)
        return;
    const QByteArray written = writeJob(*first.job);
    FUZZ_CHECK(!written.isEmpty());
    const JobReading second = readJob(written);
    FUZZ_CHECK(second.job && writeJob(*second.job) == written);
}
