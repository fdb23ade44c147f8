#include "itemlist/job_file.h"

#include "base/number_format.h"
#include "settings/eight_bit_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <future>

namespace {
// Bounds of what a 250-item job needs. The data text of 250 items is a few
// megabytes; a picture block holds two section pictures of at most 32 bits.
constexpr qsizetype DataTextLimit = 16 * 1024 * 1024;
constexpr qsizetype PictureBlockLimit = 1024 * 1024;
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

// A number of the index: digits only, at most 18 of them, so that the sum of
// two never overflows.
std::optional<qint64> indexNumber(QByteArrayView text)
{
    constexpr qsizetype MostDigits = 18;
    if (text.size() > MostDigits)
        return std::nullopt;
    return readInteger(QString::fromLatin1(text), IntegerForm::Digits);
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
    const auto& v = row.itemValues;
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
    constexpr qint64 pixels = qint64(SectionPictureSize.width()) * SectionPictureSize.height();
    constexpr qint64 writtenPictures = (54 + 64 + pixels / 2) + (54 + pixels * 3);
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
        for (long double value : row.itemValues)
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

QByteArray pictureBlock(const ListRow& row, const QByteArray& secondBitmap)
{
    // Plate rows have no picture: their block holds a blank one.
    QByteArray block = bmpFourBit(row.isPlate ? QImage() : row.rowPicture);
    block += secondBitmap;
    return block;
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
// The lines of a data text, read one after the other.
struct DataLines {
    QStringList lines;
    qsizetype at = 0;
    bool have(qint64 count) const { return count >= 0 && lines.size() - at >= count; }
    const QString& next() { return lines[at++]; }
};

// The job name and the item count, which must be n.
QString readNameAndCount(DataLines& in, qint64 n, JobFile& job)
{
    if (!in.have(2))
        return QStringLiteral("the data text is cut short");
    job.name = in.next();
    if (job.name.isEmpty())
        job.name = QStringLiteral("Noname");
    if (job.name.size() > JobNameMaxLength)
        return QStringLiteral("the job name is longer than %1 characters").arg(JobNameMaxLength);
    const auto count = readInteger(in.next(), IntegerForm::Written);
    if (!count || *count != n)
        return QStringLiteral("the data text and the index give different item counts");
    return {};
}

// Every row's cells, then every row's stored values.
QString readRows(DataLines& in, qint64 n, JobFile& job)
{
    if (!in.have(n * DataLinesPerRow))
        return QStringLiteral("the data text is cut short");
    job.rows.resize(std::size_t(n));
    for (ListRow& row : job.rows) {
        for (QString& cell : row.cells)
            cell = in.next();
        row.isPlate = row.cells[1].isEmpty();
        if (!std::all_of(row.cells.begin(), row.cells.end(), isJobText))
            return QStringLiteral("item %1 holds a text longer than %2 characters")
                .arg(&row - job.rows.data() + 1)
                .arg(JobTextMaxLength);
    }
    for (qint64 r = 0; r < n; ++r) {
        for (long double& value : job.rows[std::size_t(r)].itemValues) {
            const auto v = decimalValue(in.next());
            if (!v)
                return QStringLiteral("item %1 holds a value that is not a number").arg(r + 1);
            value = *v;
        }
        const QString fault = rowValueFault(job.rows[std::size_t(r)]);
        if (!fault.isEmpty())
            return QStringLiteral("item %1 ").arg(r + 1) + fault;
    }
    return {};
}

// A choice list: its count less one, then its items.
bool readChoiceList(DataLines& in, QStringList& items)
{
    if (!in.have(1))
        return false;
    const auto less = readInteger(in.next(), IntegerForm::Written);
    if (!less || *less < 0 || *less >= in.lines.size() - in.at) // fewer lines left than items
        return false;
    items = in.lines.mid(in.at, *less + 1);
    in.at += *less + 1;
    return std::all_of(items.begin(), items.end(), isJobText);
}

// The two stress texts and the seven unit digits.
QString readStressesAndUnits(DataLines& in, JobFile& job)
{
    if (!in.have(2 + 7 + 4 * RequirementLimits::Rows))
        return QStringLiteral("the data text is cut short");
    job.tensile = in.next();
    job.pressure = in.next();
    if (!isJobText(job.tensile) || !isJobText(job.pressure))
        return QStringLiteral("a stress field is longer than %1 characters").arg(JobTextMaxLength);
    QString digits7;
    for (int k = 0; k < 7; ++k) {
        if (in.lines[in.at].size() != 1)
            return QStringLiteral("the units are not seven digits");
        digits7 += in.next();
    }
    const auto units = UnitSettings::fromDigits(digits7);
    if (!units)
        return QStringLiteral("the units are not seven digits of 1 to 3");
    job.units = *units;
    return {};
}

// The requirement block: per row its tick, its enabled state and two limits.
QString readRequirementBlock(DataLines& in, JobFile& job)
{
    const auto flag = [](const QString& text) -> std::optional<bool> {
        if (text == QLatin1String("1"))
            return true;
        if (text == QLatin1String("0"))
            return false;
        return std::nullopt;
    };
    for (int i = 0; i < RequirementLimits::Rows; ++i) {
        const auto ticked = flag(in.next());
        const auto enabled = flag(in.next());
        if (!ticked || !enabled)
            return QStringLiteral("the requirement block is damaged");
        if (!isJobText(in.lines[in.at]) || !isJobText(in.lines[in.at + 1]))
            return QStringLiteral("a requirement limit is longer than %1 characters").arg(JobTextMaxLength);
        job.limits.setTicked(i, *ticked);
        job.limits.setMin(i, in.next());
        job.limits.setMax(i, in.next());
    }
    return {};
}

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
    DataLines in{splitLines(decodeEightBit(*data))};
    JobFile job;
    why = readNameAndCount(in, n, job);
    if (why.isEmpty())
        why = readRows(in, n, job);
    if (!why.isEmpty())
        return fail(why);
    if (!readChoiceList(in, job.eItems) || !readChoiceList(in, job.densityItems))
        return fail(QStringLiteral("a choice list is empty, damaged or holds an item longer than %1 characters")
                        .arg(JobTextMaxLength));
    why = readStressesAndUnits(in, job);
    if (why.isEmpty())
        why = readRequirementBlock(in, job);
    if (!why.isEmpty())
        return fail(why);
    if (in.at != in.lines.size())
        return fail(QStringLiteral("the data text has lines after the requirement block"));
    return job;
}
} // namespace

namespace {
// Where the text block and the picture blocks lie: starts and sizes.
struct BlockLayout {
    qint64 textSize = 0;
    std::vector<std::pair<qint64, qint64>> blocks; // start, size
};

// The index offset from the last 22 bytes: the offset padded with "X" to 20
// characters. The file is at least IndexTail bytes long.
std::optional<qint64> readIndexOffset(const QByteArray& bytes, QString& reason)
{
    const qsizetype size = bytes.size();
    const auto bad = [&](const QString& why) -> std::optional<qint64> {
        reason = why;
        return std::nullopt;
    };
    const QByteArrayView tail(bytes.constData() + size - IndexTail, IndexTail);
    if (!tail.endsWith(CrLf))
        return bad(QStringLiteral("the file does not end with the index offset"));
    qsizetype digits = 0;
    while (digits < IndexLastLine && tail[digits] >= '0' && tail[digits] <= '9')
        ++digits;
    for (qsizetype k = digits; k < IndexLastLine; ++k)
        if (tail[k] != 'X')
            return bad(QStringLiteral("the index offset at the end of the file is not a number"));
    const auto x = indexNumber(tail.first(digits));
    if (!x)
        return bad(QStringLiteral("the index offset at the end of the file is not a number"));
    if (*x < 1 || *x > size - IndexTail)
        return bad(QStringLiteral("the index offset lies outside the file"));
    return x;
}

// The index at x: the item count, the text block's end and size, then per
// item its block's end and size; the blocks must follow each other up to x.
std::optional<BlockLayout> readIndex(const QByteArray& bytes, qint64 x, QString& reason)
{
    const auto bad = [&](const QString& why) -> std::optional<BlockLayout> {
        reason = why;
        return std::nullopt;
    };
    const auto index = crLfLines(QByteArrayView(bytes.constData() + x, bytes.size() - IndexTail - x));
    if (!index || index->size() < 3)
        return bad(QStringLiteral("the index is not made of lines"));
    std::vector<qint64> numbers;
    for (QByteArrayView line : *index) {
        const auto v = indexNumber(line);
        if (!v)
            return bad(QStringLiteral("the index holds a line that is not a number"));
        numbers.push_back(*v);
    }
    const qint64 n = numbers[0];
    if (n < 1 || n > ItemListCapacity)
        return bad(QStringLiteral("the item count is not 1 to 250"));
    if (qint64(numbers.size()) != 3 + 2 * n)
        return bad(QStringLiteral("the index does not hold two lines per item"));
    BlockLayout layout;
    layout.textSize = numbers[2];
    if (numbers[1] != layout.textSize || layout.textSize < 1 || layout.textSize > x)
        return bad(QStringLiteral("the text block does not lie inside the file"));
    qint64 end = layout.textSize;
    for (qint64 i = 0; i < n; ++i) {
        const qint64 blockEnd = numbers[std::size_t(3 + 2 * i)];
        const qint64 blockSize = numbers[std::size_t(4 + 2 * i)];
        if (blockSize < 1 || blockEnd != end + blockSize || blockEnd > x)
            return bad(QStringLiteral("picture block %1 does not lie where the index says").arg(i + 1));
        layout.blocks.emplace_back(end, blockSize);
        end = blockEnd;
    }
    if (end != x)
        return bad(QStringLiteral("the blocks do not end where the index starts"));
    return layout;
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
    QString why;
    const auto x = readIndexOffset(bytes, why);
    const auto layout = x ? readIndex(bytes, *x, why) : std::nullopt;
    if (!layout)
        return bad(why);
    const qint64 textSize = layout->textSize;
    const auto& blocks = layout->blocks;
    const qint64 n = qint64(blocks.size());

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
            job.rows[i].rowPicture = std::move(pictures[i].picture);
    }
    reading.job = std::move(job);
    return reading;
}
