// Job files built whole from the fuzz input: a data text of the input's
// texts and numbers, picture blocks of the input's bytes, each compressed and
// put in a consistent index, so that the checks behind zlib's checksums are
// reached. A job that reads must write bytes that read again, and writing
// what was read a second time gives the same bytes.
#include "fuzz_input.h"

#include "itemlist/job_file.h"

#include <QImage>
#include <QStringList>

namespace {
// A line of the data text: the input's text, or one of the kinds of line the
// writer makes (a small count, a number, a digit).
QByteArray line(FuzzInput& in)
{
    switch (in.byte() % 4) {
    case 0:
        return in.text().toUtf8();
    case 1:
        return QByteArray::number(in.raw<std::int8_t>());
    case 2:
        return jobValueText(in.raw<double>()).toLatin1();
    default:
        return QByteArray(1, char('0' + in.byte() % 4));
    }
}

// The lines of a data text of n items in the order the writer puts them;
// each line may come from the input instead.
QByteArray dataText(FuzzInput& in, int n)
{
    QByteArray text;
    // A line is replaced only on a rare byte: an input that has run out
    // (all zeros) leaves the layout whole.
    const auto put = [&](const QByteArray& bytes) {
        text += (in.byte() == 0xA5 ? line(in) : bytes) + "\r\n";
    };
    const auto shortText = [&](int length) { return in.text().left(length).toUtf8(); };
    put(shortText(JobNameMaxLength));
    put(QByteArray::number(n));
    for (int k = 0; k < n * ListColumns; ++k)
        put(shortText(JobTextMaxLength));
    // Stored values as listing leaves them: slots 0 to 12 used, the last one
    // (the compressive stress) negative.
    for (int k = 0; k < n * ItemValueSlots; ++k) {
        const int slot = k % ItemValueSlots;
        const long double value = slot < 13 ? in.raw<std::uint32_t>() / 1024.0L : 0;
        put(jobValueText(slot == 12 ? -value : value).toLatin1());
    }
    for (int list = 0; list < 2; ++list) {
        const int items = 1 + in.byte() % 4;
        put(QByteArray::number(items - 1));
        for (int k = 0; k < items; ++k)
            put(shortText(JobTextMaxLength));
    }
    put(shortText(JobTextMaxLength));
    put(shortText(JobTextMaxLength));
    for (int k = 0; k < 7; ++k)
        put(QByteArray(1, char('1' + in.byte() % 3)));
    for (int k = 0; k < 28; ++k)
        put(k % 4 < 2 ? QByteArray(1, char('0' + in.byte() % 2)) : shortText(JobTextMaxLength));
    return text;
}

// A picture block: a 16-colour picture of the input's bytes as the writer
// stores it, or the input's bytes themselves.
QByteArray pictureBytes(FuzzInput& in)
{
    if (in.byte() == 0xA5) {
        const std::uint16_t size = in.raw<std::uint16_t>();
        QByteArray bytes;
        while (bytes.size() < size && !in.empty())
            bytes += char(in.byte());
        return bytes;
    }
    QImage picture(SectionPictureSize.width(), SectionPictureSize.height(), QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int k = 0; k < 16; ++k)
        colours << in.raw<std::uint32_t>();
    picture.setColorTable(colours);
    const std::uint8_t shade = in.byte();
    for (int y = 0; y < SectionPictureSize.height(); ++y)
        for (int x = 0; x < SectionPictureSize.width(); ++x)
            picture.setPixel(x, y, uint((x / 16 + y / 16 + shade) % 16));
    return bmpFourBit(picture);
}

QByteArray jobFile(FuzzInput& in)
{
    const int n = 1 + in.byte() % 3;
    QByteArray file = compressBlock(dataText(in, n));
    QByteArray index = QByteArray::number(n) + "\r\n" + QByteArray::number(file.size()) + "\r\n" +
                       QByteArray::number(file.size()) + "\r\n";
    for (int i = 0; i < n; ++i) {
        const QByteArray block = compressBlock(pictureBytes(in));
        file += block;
        index += QByteArray::number(file.size()) + "\r\n" + QByteArray::number(block.size()) + "\r\n";
    }
    QByteArray last = QByteArray::number(file.size());
    last += QByteArray(20 - last.size(), 'X');
    return file + index + last + "\r\n";
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const JobReading first = readJob(jobFile(in));
    if (!first.job) {
        FUZZ_CHECK(!first.reason.isEmpty());
        return 0;
    }
    const QByteArray written = writeJob(*first.job);
    FUZZ_CHECK(!written.isEmpty());
    const JobReading second = readJob(written);
    FUZZ_CHECK(second.job);
    FUZZ_CHECK(writeJob(*second.job) == written);
    return 0;
}
