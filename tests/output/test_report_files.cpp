#include "output/report_generator.h"
#include "output/report_pictures.h"
#include "print_fixture.h"

#include "../common/full_disk.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
bool prepare(const QString& folder)
{
    return prepareReportFolder(folder, "*** Computation of geometric properties ***", reportVersionText(),
                               MessageTable::english());
}
} // namespace

// Checked by its frame header and decoded by Qt's reader, not by the encoder.
TEST(ReportPictures, JpegIsBaselineFullColourAtTheRowPictureSize)
{
    const ListRow row = sampleRow(QStringLiteral("Tube"));
    const QByteArray jpeg = encodeJpeg(reportPicture(row));
    EXPECT_EQ(jpegFrame(jpeg), std::tuple(0xC0, QSize(240, 160), 3));
    EXPECT_TRUE(jpeg.contains("JFIF")); // so the components are YCbCr
    const QImage decoded = QImage::fromData(jpeg, "JPG");
    ASSERT_EQ(decoded.size(), QSize(240, 160));
    // Inside the navy and red areas and on the white ground, away from edges.
    for (const QRect area : {QRect(30, 30, 80, 40), QRect(150, 100, 60, 30), QRect(10, 100, 100, 50)})
        EXPECT_LE(largestChannelDifference(decoded, row.rowPicture, area), 12);
    EXPECT_GT(qRed(decoded.pixel(180, 115)), 200);
    EXPECT_LT(qGreen(decoded.pixel(180, 115)), 50);
}

// A plate's blank picture is shown by the report files below.
TEST(ReportPictures, OtherSizesAreScaled)
{
    ListRow small;
    small.rowPicture = QImage(120, 80, QImage::Format_RGB32);
    small.rowPicture.fill(QColor(0, 128, 0));
    const QImage picture = reportPicture(small);
    EXPECT_EQ(std::pair(picture.size(), picture.pixel(200, 150)), std::pair(QSize(240, 160), qRgb(0, 128, 0)));
    EXPECT_TRUE(encodeJpeg(QImage()).isEmpty());
}

TEST(ReportPictures, SixteenColourRowsAreSpelledOutExactly)
{
    // A row picture as the list keeps it: 16 colours through a colour table.
    ListRow indexed = sampleRow(QStringLiteral("Tube"));
    indexed.rowPicture = indexed.rowPicture.convertToFormat(
        QImage::Format_Indexed8, {qRgb(255, 255, 255), qRgb(0, 0, 128), qRgb(255, 0, 0), qRgb(0, 128, 0)},
        Qt::ThresholdDither | Qt::AvoidDither);
    ASSERT_EQ(indexed.rowPicture.format(), QImage::Format_Indexed8);
    const QImage picture = reportPicture(indexed);
    EXPECT_EQ(picture, indexed.rowPicture.convertToFormat(QImage::Format_RGB888)); // format and pixels
    EXPECT_EQ(picture.pixel(30, 30), qRgb(0, 0, 128));

    // An index past the end of the table comes out black, not as stray memory.
    ListRow odd;
    odd.rowPicture = QImage(240, 160, QImage::Format_Indexed8);
    odd.rowPicture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 128)});
    odd.rowPicture.fill(0);
    odd.rowPicture.scanLine(7)[5] = 9; // as a damaged file could leave it
    const QImage oddPicture = reportPicture(odd);
    EXPECT_EQ(std::pair(oddPicture.pixel(5, 7), oddPicture.pixel(6, 7)), std::pair(qRgb(0, 0, 0), qRgb(255, 255, 255)));
}

TEST(ReportFolder, NoteNamesTheTitleForAnExistingFolderAndTheCreditForANewOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(prepare(dir.path()));
    EXPECT_EQ(readAll(dir.filePath("info.txt")),
              "Morvane *** Computation of geometric properties ***Version 4.0 / 29. 08. 2004/\r\n"
              "Temporary folder :" + dir.path().toUtf8() + "\r\n");
    const QString fresh = dir.filePath("fresh");
    ASSERT_TRUE(prepare(fresh));
    EXPECT_EQ(readAll(fresh + "/info.txt"), "Morvane / Written by the Morvane developers\r\n"
                                            "Temporary folder :" + fresh.toUtf8() + "\r\n");
    // Run again, the folder now exists.
    ASSERT_TRUE(prepare(fresh));
    EXPECT_TRUE(readAll(fresh + "/info.txt").startsWith("Morvane *** Computation"));
}

TEST(ReportFolder, UnusableFoldersAreRefusedWithoutWriting)
{
    QTemporaryDir dir;
    EXPECT_FALSE(prepare(dir.filePath("a/b"))); // only one level is created
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("a")));
    QFile(dir.filePath("plain")).open(QIODevice::WriteOnly); // a file where the folder should be
    EXPECT_FALSE(prepare(dir.filePath("plain")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("info.txt")); // a folder where the note should be
    EXPECT_FALSE(prepare(dir.path()));
    EXPECT_FALSE(prepare(QString()));
}

// Without pictures on the page, each item still gets its own picture file,
// in order; a plate's is blank.
TEST(ReportFiles, EveryItemGetsItsOwnPictureInOrderAndThePage)
{
    QTemporaryDir dir;
    ItemList list;
    const QColor colours[] = {Qt::red, Qt::blue, Qt::green, Qt::white, Qt::cyan, Qt::magenta, Qt::black};
    for (int r = 1; r <= 7; ++r) {
        ListRow row = r == 4 ? plateRow() : sampleRow(QStringLiteral("Item %1").arg(r));
        if (r != 4) {
            row.rowPicture = QImage(240, 160, QImage::Format_RGB32);
            row.rowPicture.fill(colours[r - 1]);
        }
        list.put(r, row);
    }
    ReportPageInput input = pageInput();
    input.options.pictures = false;
    std::vector<std::size_t> progress;
    const ReportFilesOutcome outcome = writeReportFiles(dir.path(), list, input, [&](std::size_t done, std::size_t n) {
        EXPECT_EQ(n, 7u);
        progress.push_back(done);
        return true;
    });
    ASSERT_TRUE(outcome.written);
    EXPECT_EQ(outcome.pagePath, dir.path() + "/morvane_report.html");
    EXPECT_EQ(readAll(outcome.pagePath), reportPage(list, input)); // without pictures, see ReportPage
    EXPECT_EQ(progress, (std::vector<std::size_t>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 8);
    for (int r = 1; r <= 7; ++r) {
        SCOPED_TRACE(r);
        const QImage picture = QImage::fromData(readAll(dir.filePath(QStringLiteral("kep%1.jpg").arg(r))), "JPG");
        ASSERT_EQ(picture.size(), QSize(240, 160));
        QImage expected(240, 160, QImage::Format_RGB32); // all over, the plate's blank picture too
        expected.fill(colours[r - 1]);
        EXPECT_LE(largestChannelDifference(picture, expected, expected.rect()), 6);
    }
}

TEST(ReportFiles, APictureThatCannotBeWrittenStopsBeforeThePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("kep2.jpg"));
    const ReportFilesOutcome outcome = writeReportFiles(dir.path(), sampleList(3), pageInput());
    EXPECT_EQ(std::pair(outcome.written, outcome.failedPath), std::pair(false, dir.path() + "/kep2.jpg"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("morvane_report.html")));
}

// A disk that fills up during a report stops it at the first file that does
// not fit whole; the page of the report before stays as it was.
TEST(ReportFiles, AFullDiskStopsAtTheFirstFileThatDoesNotFit)
{
    QTemporaryDir dir;
    const ItemList list = sampleList(3);
    ASSERT_TRUE(writeReportFiles(dir.path(), sampleList(1), pageInput()).written);
    const QByteArray oldPage = readAll(dir.filePath("morvane_report.html"));
    qint64 pictures = 0;
    for (int r = 1; r <= list.count(); ++r)
        pictures += encodeJpeg(reportPicture(list.row(r))).size();
    const struct {
        qint64 room;
        bool pageFailed; // else a picture failed
    } cases[] = {{0, false}, {pictures - 1, false}, {pictures, true}, {pictures + 100, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.room);
        ReportFilesOutcome outcome;
        {
            FailingDisk disk(c.room);
            outcome = writeReportFiles(dir.path(), list, pageInput());
        }
        EXPECT_FALSE(outcome.written);
        EXPECT_EQ(outcome.failedPath.endsWith("morvane_report.html"), c.pageFailed) << outcome.failedPath.toStdString();
        EXPECT_EQ(readAll(dir.filePath("morvane_report.html")), oldPage);
    }
    // No temporary file is left behind.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files).filter(QRegularExpression("\\.(jpg|html)\\."));
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
}
