#include "itemlist_fixture.h"

#include "itemlist/job_file.h"

#include "drawing/overlay.h"
#include "sections/hollow.h"
#include "settings/eight_bit_text.h"

#include <QPainter>
#include <zlib.h>

namespace {
// A picture that differs per item, so that blocks cannot be mixed up.
QImage itemPicture(int i)
{
    QImage image(SectionPictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(10 + i % 50, 20 + i % 100, 30, 30 + i % 40, QColor(255, 0, 0));
    return toSixteenColours(image);
}

ListRow sectionRow(int r, const UnitSettings& units = UnitSettings{})
{
    const WriteOutcome out =
        writeSectionRow(r, steel(), rectHollowProperties(40 + r, 20, 3, 0), units, r % 360, m());
    EXPECT_TRUE(out.written);
    ListRow row = out.row;
    row.cells[0] = QString::number(r);
    row.cells[2] = QStringLiteral("%1x20x3 RH Section").arg(40 + r);
    row.rowPicture = itemPicture(r);
    return row;
}

JobFile sampleJob(int n)
{
    JobFile job;
    job.name = QStringLiteral("Hall roof");
    for (int r = 1; r <= n; ++r)
        job.rows.push_back(sectionRow(r));
    job.eItems = steel().eItems;
    job.densityItems = steel().densityItems;
    job.tensile = QStringLiteral("300");
    job.pressure = QStringLiteral("-300");
    job.limits.setMin(0, "1");
    job.limits.setMax(0, "20");
    job.limits.setTicked(0, true);
    job.limits.setMin(3, "5.5");
    job.firstTabPicture = itemPicture(999).convertToFormat(QImage::Format_RGB32);
    return job;
}

// The data text, the file's first block, read with plain zlib.
QStringList dataLines(const QByteArray& file)
{
    uLongf size = 64 * 1024 * 1024;
    QByteArray text(qsizetype(size), '\0');
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(text.data()), &size,
                         reinterpret_cast<const Bytef*>(file.constData()), uLong(file.size())),
              Z_OK);
    text.truncate(qsizetype(size));
    return QString::fromUtf8(text).split(QStringLiteral("\r\n"));
}

// A job file put together one block after another: the text, the pictures in
// order, then the index.
QByteArray assembled(const QByteArray& text, const JobFile& job)
{
    const SharedBlockTail second = compressBlockTail(bmpTrueColour(job.firstTabPicture));
    QByteArray file = compressBlock(text);
    QByteArray index = QByteArray::number(qsizetype(job.rows.size())) + "\r\n" + QByteArray::number(file.size()) +
                       "\r\n" + QByteArray::number(file.size()) + "\r\n";
    for (const ListRow& row : job.rows) {
        const QByteArray block = compressBlock(pictureBlock(row, {}), second);
        file += block;
        index += QByteArray::number(file.size()) + "\r\n" + QByteArray::number(block.size()) + "\r\n";
    }
    const QByteArray last = QByteArray::number(file.size());
    return file + index + last + QByteArray(20 - last.size(), 'X') + "\r\n";
}

void expectSameJob(const JobFile& a, const JobFile& b)
{
    ASSERT_EQ(a.rows.size(), b.rows.size());
    for (std::size_t i = 0; i < a.rows.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(a.rows[i].cells, b.rows[i].cells);
        for (int s = 0; s < ItemValueSlots; ++s)
            expectValues(b.rows[i], {{s, double(a.rows[i].itemValues[s])}});
        EXPECT_EQ(std::pair(b.rows[i].isPlate, b.rows[i].rowPicture.colorCount()),
                  std::pair(a.rows[i].isPlate, a.rows[i].isPlate ? 0 : 16));
        EXPECT_EQ(a.rows[i].rowPicture.convertToFormat(QImage::Format_RGB32),
                  b.rows[i].rowPicture.convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_EQ(a.eItems, b.eItems);
    EXPECT_EQ(QStringList(a.densityItems) << a.tensile << a.pressure << a.units.digits() << a.name,
              QStringList(b.densityItems) << b.tensile << b.pressure << b.units.digits() << b.name);
    EXPECT_EQ(requirementLines(a.limits), requirementLines(b.limits));
}
} // namespace

// Units other than the default, and a plate row after the sections: a plate
// comes back as a plate, texts and all (so its totals too), without a picture.
TEST(JobFile, RoundTripKeepsEverything)
{
    JobFile job = sampleJob(0);
    job.units = units("3213122");
    for (int r = 1; r <= 3; ++r)
        job.rows.push_back(sectionRow(r, job.units));
    const PlateRowOutcome plate =
        writePlateRow(4, "1 mm steel plate", "1000", "2000", "1", QString(), 7.85L, m());
    ASSERT_TRUE(plate.written);
    job.rows.push_back(plate.row);
    job.rows.back().cells[0] = "4";
    const JobReading read = readJob(writeJob(job));
    ASSERT_TRUE(read.job) << read.reason.toStdString();
    expectSameJob(job, *read.job); // units and limits too
    EXPECT_TRUE(read.job->rows[3].rowPicture.isNull());
}

TEST(JobFile, EmptyOrOverfullListWritesNothing)
{
    JobFile big = sampleJob(1);
    big.rows.resize(ItemListCapacity + 1, big.rows[0]);
    EXPECT_TRUE(writeJob(JobFile{}).isEmpty() && writeJob(big).isEmpty());
}

// The data text read with plain zlib, line by line as the format lays it out.
TEST(JobFile, DataTextLineCountAndLayout)
{
    for (int n : {1, 2, 7}) {
        JobFile job = sampleJob(n);
        job.eItems = QStringList{"Steel : 210000000", "Alu : 70000000"};
        job.densityItems = QStringList{"Steel : 7850"};
        const QStringList lines = dataLines(writeJob(job));
        // The text ends with CR LF, so splitting leaves one empty piece.
        ASSERT_EQ(lines.last(), QString());
        const qsizetype e = 2, d = 1;
        EXPECT_EQ(lines.size() - 1, 2 + 263 * n + (e + 1) + (d + 1) + 2 + 7 + 28) << n;
        // The name, the count, row 1's column 0, row 1's slots 0 and 13.
        EXPECT_EQ((QStringList{lines[0], lines[1], lines[2], lines[2 + 12 * n], lines[2 + 12 * n + 13]}),
                  (QStringList{"Hall roof", QString::number(n), "1", "210000000." + QString(25, '0'),
                               "0." + QString(25, '0')}));
        // Each list as its last index and its items, the stresses, the unit choices, the limits.
        const qsizetype lists = 2 + 263 * n;
        EXPECT_EQ(lines.mid(lists, 7), (QStringList{"1", "Steel : 210000000", "Alu : 70000000", "0", "Steel : 7850",
                                                    "300", "-300"}));
        EXPECT_EQ(lines.mid(lists + 7, 7).join(""), "1122233");
        EXPECT_EQ(lines.mid(lists + 14, 4), (QStringList{"1", "1", "1", "20"}));
    }
}

TEST(JobFile, ValuesInFixedNotationWithTwentyFiveDecimals)
{
    EXPECT_EQ(jobValueText(0), "0." + QString(25, '0'));
    EXPECT_EQ(jobValueText(-300), "-300." + QString(25, '0'));
    EXPECT_EQ(jobValueText(0.5L), "0.5" + QString(24, '0'));
    EXPECT_EQ(jobValueText(1e30L).size(), 31 + 1 + 25);
}

TEST(JobFile, ProgressAdvancesPerItemAndCanStop)
{
    const JobFile job = sampleJob(5);
    std::vector<std::size_t> seen;
    const auto record = [&](std::size_t done, std::size_t count) {
        seen.push_back(count);
        seen.push_back(done);
        return true;
    };
    const QByteArray file = writeJob(job, record);
    EXPECT_TRUE(readJob(file, record).job);
    EXPECT_EQ(seen, (std::vector<std::size_t>{5, 1, 5, 2, 5, 3, 5, 4, 5, 5, 5, 1, 5, 2, 5, 3, 5, 4, 5, 5}));
    EXPECT_TRUE(writeJob(job, [](std::size_t, std::size_t) { return false; }).isEmpty());
    EXPECT_FALSE(readJob(file, [](std::size_t, std::size_t) { return false; }).job);
}

// A plate's block holds a blank 16-colour picture.
TEST(JobFile, PlateBlockPictureIsBlank)
{
    QString why;
    EXPECT_EQ(readFirstBitmap(bmpFourBit(QImage()), why).value_or(QImage(1, 1, QImage::Format_RGB32)).pixel(120, 80),
              qRgb(255, 255, 255));
}

// Line breaks become blanks; texts of Windows-1252 bytes (not UTF-8) are read so.
TEST(JobFile, TextsWithLineBreaksAndWindowsTexts)
{
    JobFile job = sampleJob(1);
    job.name = "two\r\nlines";
    job.rows[0].cells[2] = "a\nb";
    JobReading read = readJob(writeJob(job));
    ASSERT_TRUE(read.job) << read.reason.toStdString();
    EXPECT_EQ((QStringList{read.job->name, read.job->rows[0].cells[2]}), (QStringList{"two  lines", "a b"}));

    job.name = QString::fromUtf8("Gr\xC3\xBC\xC3\x9F""e");
    const QByteArray text = jobDataText(job).replace(job.name.toUtf8(), QByteArray("Gr\xFC\xDF" "e"));
    ASSERT_TRUE(text.contains("Gr\xFC\xDF" "e"));
    read = readJob(assembled(text, job));
    ASSERT_TRUE(read.job) << read.reason.toStdString();
    EXPECT_EQ(read.job->name, job.name);
}

struct DamageCase {
    const char* name;
    std::function<void(QByteArray&)> damage;
};

class JobFileDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(JobFileDamage, IsRefusedWithAReason)
{
    QByteArray file = writeJob(sampleJob(2));
    GetParam().damage(file);
    const JobReading read = readJob(file);
    EXPECT_TRUE(!read.job && !read.reason.isEmpty());
}

qsizetype indexAt(const QByteArray& file)
{
    return file.right(22).left(20).replace('X', "").toLongLong();
}

void replaceIndexLine(QByteArray& file, int line, const QByteArray& text)
{
    const qsizetype x = indexAt(file);
    QList<QByteArray> lines = file.mid(x).split('\n');
    lines[line] = text + '\r';
    file = file.left(x) + lines.join('\n');
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JobFileDamage,
    ::testing::Values(
        DamageCase{"Empty", [](QByteArray& f) { f.clear(); }},
        DamageCase{"TailNotANumber", [](QByteArray& f) { f.replace(f.size() - 22, 20, QByteArray(20, 'X')); }},
        DamageCase{"TailLetters", [](QByteArray& f) { f[f.size() - 5] = 'Y'; }},
        DamageCase{"NoFinalCrLf", [](QByteArray& f) { f.chop(2); }},
        DamageCase{"OffsetPastEnd", [](QByteArray& f) { f.replace(f.size() - 22, 20, "99999999999XXXXXXXXX"); }},
        DamageCase{"OffsetZero", [](QByteArray& f) { f.replace(f.size() - 22, 20, "0XXXXXXXXXXXXXXXXXXX"); }},
        DamageCase{"CountZero", [](QByteArray& f) { replaceIndexLine(f, 0, "0"); }},
        DamageCase{"CountTooLarge", [](QByteArray& f) { replaceIndexLine(f, 0, "251"); }},
        DamageCase{"CountDisagrees", [](QByteArray& f) { replaceIndexLine(f, 0, "1"); }},
        DamageCase{"HugeBlockSize", [](QByteArray& f) { replaceIndexLine(f, 4, "999999999999"); }},
        DamageCase{"TextSizesDiffer", [](QByteArray& f) { replaceIndexLine(f, 1, "10"); }},
        DamageCase{"NegativeSize", [](QByteArray& f) { replaceIndexLine(f, 6, "-5"); }},
        DamageCase{"TextBlockFlipped", [](QByteArray& f) { f[40] ^= 0x55; }},
        DamageCase{"PictureBlockFlipped", // 30 bytes into the first picture block
                   [](QByteArray& f) { f[f.mid(indexAt(f)).split('\r')[1].trimmed().toLongLong() + 30] ^= 0x20; }},
        DamageCase{"ForeignFile", [](QByteArray& f) { f = QByteArray(5000, 'A') + "\r\n" + "123XXXXXXXXXXXXXXXXX\r\n"; }}),
    [](const ::testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

TEST(JobFile, TruncatedOrFlippedFilesNeverRead)
{
    const QByteArray file = writeJob(sampleJob(2));
    // Cut at many points: no prefix is a job.
    for (qsizetype cut = 0; cut < file.size(); cut += 97)
        EXPECT_FALSE(readJob(file.left(cut)).job) << cut;
    // Flipped bytes: the zlib checks or the layout checks catch nearly every one.
    ASSERT_TRUE(readJob(file).job);
    int refused = 0;
    for (qsizetype at = 0; at < file.size(); at += 61) {
        QByteArray damaged = file;
        damaged[at] ^= 0x01;
        refused += !readJob(damaged).job;
    }
    EXPECT_GT(refused, int(file.size() / 61) * 9 / 10);
}

TEST(JobFile, BlocksAreDecompressedWithinTheirBound)
{
    // A block that decompresses to more than a job holds is refused.
    QByteArray bomb = compressBlock(QByteArray(2 * 1024 * 1024, '\0'));
    QString why;
    EXPECT_FALSE(inflateBlock(bomb.constData(), bomb.size(), 1024 * 1024, why));
    EXPECT_TRUE(why.contains("more than"));
    EXPECT_EQ(inflateBlock(bomb.constData(), bomb.size(), 2 * 1024 * 1024, why).value_or("").size(), 2 * 1024 * 1024);
    // A picture block gives back its first bitmap only, after checking all of it.
    const QByteArray first = bmpFourBit(itemPicture(1));
    const QByteArray block = compressBlock(first + bmpTrueColour(itemPicture(2)));
    EXPECT_EQ(inflateBlock(block.constData(), block.size(), 1024 * 1024, why, true).value_or(""), first);
    EXPECT_FALSE(inflateBlock(block.constData(), block.size() - 3, 1024 * 1024, why, true));
    // Bytes after the stream are refused too.
    QByteArray longer = compressBlock("abc") + "x";
    EXPECT_FALSE(inflateBlock(longer.constData(), longer.size(), 100, why));
}

TEST(JobFile, FirstBitmapMustBeA240By160Picture)
{
    QByteArray bmp = bmpFourBit(itemPicture(3));
    EXPECT_EQ(bmp.size(), 14 + 40 + 64 + 120 * 160);
    QString why;
    ASSERT_TRUE(readFirstBitmap(bmp, why));
    // Wider than 240, compressed, a palette of two colours while pixels use more, one byte short.
    for (const auto& [at, value] : {std::pair{18, 241}, {30, 2}, {46, 2}}) {
        QByteArray bad = bmp;
        bad[at] = char(value);
        EXPECT_FALSE(readFirstBitmap(bad, why)) << at;
    }
    EXPECT_FALSE(readFirstBitmap(bmp.chopped(1), why));
    // A 24-bit first picture is reduced to 16 colours.
    const auto truecolour = readFirstBitmap(bmpTrueColour(itemPicture(3)), why);
    ASSERT_TRUE(truecolour);
    EXPECT_EQ(truecolour->colorCount(), 16);
    EXPECT_EQ(truecolour->convertToFormat(QImage::Format_RGB32), itemPicture(3).convertToFormat(QImage::Format_RGB32));
}

namespace {
// A job file whose data text is changed line by line: what a hand-edited or
// crafted file holds. Data text lines of a two-item job: 0 the name, 2 + 12 (r - 1)
// + c the cells, 26 + 251 (r - 1) + s the values, 528 on the lists, then the
// stresses, 7 unit lines and 28 limit lines.
using Craft = std::function<void(QStringList& lines)>;
struct CraftCase {
    const char* name;
    Craft craft;
    const char* reason; // part of the refusal; nullptr when the file reads
};

class CraftedJob : public ::testing::TestWithParam<CraftCase> {};

int valueLine(int row, int slot)
{
    return 26 + ItemValueSlots * (row - 1) + slot;
}
constexpr int ListsLine = 528, TensileFromEnd = 37;

// Line `line` (counted from the end when negative) holds `text`.
Craft at(int line, const QString& text)
{
    return [=](QStringList& l) { l[line < 0 ? l.size() + line : line] = text; };
}
} // namespace

TEST_P(CraftedJob, OnlyWhatTheProgramWritesIsRead)
{
    const CraftCase& c = GetParam();
    const JobFile job = sampleJob(2);
    QStringList lines = QString::fromUtf8(jobDataText(job)).split(QStringLiteral("\r\n"));
    lines.removeLast();
    c.craft(lines);
    const JobReading read = readJob(assembled((lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8(), job));
    EXPECT_TRUE(c.reason ? !read.job && read.reason.contains(QLatin1String(c.reason)) : bool(read.job))
        << read.reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    JobFile, CraftedJob,
    ::testing::Values(
        CraftCase{"AsWritten", at(0, "Hall roof"), nullptr},
        CraftCase{"AreaFarBeyondDouble", at(valueLine(1, 2), "1e3000"), "item 1 holds a value beyond"},
        CraftCase{"DensityFarBeyondDouble", at(valueLine(2, 1), "1e3000"), "item 2 holds a value beyond"},
        CraftCase{"FourHundredDigits", at(valueLine(1, 3), QString(400, '9') + ".5"), "holds a value beyond"},
        CraftCase{"UnusedSlotBeyondTheLimit", at(valueLine(1, 200), "2e15"), "holds a value beyond"},
        CraftCase{"LeadingPlus", at(valueLine(1, 3), "+10.5"), nullptr},
        CraftCase{"ValueAtTheLimit", at(valueLine(1, 3), "1000000000000000"), nullptr},
        CraftCase{"NegativeArea", at(valueLine(1, 2), "-5.0"), "item 1 holds a negative property"},
        CraftCase{"NegativeDensity", at(valueLine(2, 1), "-7850"), "item 2 holds a negative property"},
        CraftCase{"AreaBelowTheLastDecimal", at(valueLine(1, 2), "0.0000000000000000000000000"), nullptr},
        CraftCase{"NegativeTensileStress", at(valueLine(1, 11), "-1"), "item 1 holds a negative property"},
        CraftCase{"PositiveCompressiveStress", at(valueLine(1, 12), "300"), "not negative"},
        CraftCase{"PlateRowStoresNoProperties", // column 1 empty: a plate row, whose values are not checked for sign
                  [](QStringList& l) {
                      l[2 + 1] = QString();
                      for (int s = 0; s < 13; ++s)
                          l[valueLine(1, s)] = "-1";
                  },
                  nullptr},
        CraftCase{"NameOfTwentyFour", at(0, QString(24, 'n')), nullptr},
        CraftCase{"NameOfTwentyFive", at(0, QString(25, 'n')), "job name is longer than 24"},
        CraftCase{"CellOfOneHundred", at(2 + 12 + 2, QString(100, 'd')), nullptr},
        CraftCase{"LongDesignation", at(2 + 12 + 2, QString(200000, 'd')), "item 2 holds a text longer than 100"},
        CraftCase{"EmptyEModulusList",
                  [](QStringList& l) {
                      for (int k = l[ListsLine].toInt(); k >= 0; --k)
                          l.removeAt(ListsLine + 1);
                      l[ListsLine] = "-1";
                  },
                  "a choice list is empty"},
        CraftCase{"LongDensityItem", at(-TensileFromEnd - 1, QString(101, '7')), "holds an item longer than 100"},
        CraftCase{"LongTensileText", at(-TensileFromEnd, QString(101, '3')), "a stress field is longer"},
        CraftCase{"LongLimitText", at(-1, QString(101, '1')), "a requirement limit is longer"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JobFile, TheLargestJobIsWithinTheSizeAReaderTakes)
{
    // An item with the longest texts and pictures that hardly compress; 250
    // such items take less than 250 files of one item each.
    JobFile job = sampleJob(1);
    ListRow& row = job.rows[0];
    for (QString& cell : row.cells)
        cell = QString(JobTextMaxLength, QChar(0x20AC));
    QImage noise(SectionPictureSize.width(), SectionPictureSize.height(), QImage::Format_RGB32);
    for (int y = 0; y < SectionPictureSize.height(); ++y)
        for (int x = 0; x < SectionPictureSize.width(); ++x)
            noise.setPixel(x, y, qRgb((x * 73 + y * 151) % 256, (x * y * 31) % 256, (x ^ y) * 7 % 256));
    row.rowPicture = toSixteenColours(noise);
    job.firstTabPicture = noise;
    const QByteArray file = writeJob(job);
    ASSERT_TRUE(readJob(file).job);
    EXPECT_LE(ItemListCapacity * file.size(), largestJobFileSize());
    EXPECT_LE(largestJobFileSize(), 64 * 1024 * 1024);
}
