#include "output/report_generator.h"
#include "output/report_pictures.h"
#include "report_test_support.h"

#include "../common/full_disk.h"
#include "settings/message_table.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString Title = QStringLiteral("*** Computation of geometric properties ***");

} // namespace

TEST(ReportPictures, JpegIsBaselineFullColourAtTheRowPictureSize)
{
    const ListRow row = sampleRow(QStringLiteral("Tube"));
    const QByteArray jpeg = encodeJpeg(reportPicture(row));
    EXPECT_EQ(frameMarker(jpeg), 0xC0);
    const DecodedJpeg decoded = decodeJpeg(jpeg);
    ASSERT_TRUE(decoded.ok);
    EXPECT_FALSE(decoded.progressive);
    EXPECT_EQ(decoded.components, 3);
    EXPECT_EQ(decoded.colourSpace, JCS_YCbCr);
    EXPECT_EQ(decoded.image.size(), QSize(240, 160));

    // Inside the navy and red areas and on the white ground, away from edges.
    const QImage original = row.rowPicture.convertToFormat(QImage::Format_RGB888);
    EXPECT_LE(largestChannelDifference(decoded.image, original, QRect(30, 30, 80, 40)), 12);
    EXPECT_LE(largestChannelDifference(decoded.image, original, QRect(150, 100, 60, 30)), 12);
    EXPECT_LE(largestChannelDifference(decoded.image, original, QRect(10, 100, 100, 50)), 12);
    EXPECT_GT(qRed(decoded.image.pixel(180, 115)), 200);
    EXPECT_LT(qGreen(decoded.image.pixel(180, 115)), 50);
}

TEST(ReportPictures, RowsWithoutPictureGetABlankOneAndOtherSizesAreScaled)
{
    ListRow plate;
    plate.isPlate = true;
    const DecodedJpeg blank = decodeJpeg(encodeJpeg(reportPicture(plate)));
    ASSERT_TRUE(blank.ok);
    EXPECT_EQ(blank.image.size(), QSize(240, 160));
    for (const QPoint p : {QPoint(0, 0), QPoint(120, 80), QPoint(239, 159)}) {
        const QRgb c = blank.image.pixel(p);
        EXPECT_GE(qRed(c), 250);
        EXPECT_GE(qGreen(c), 250);
        EXPECT_GE(qBlue(c), 250);
    }

    ListRow small;
    small.rowPicture = QImage(120, 80, QImage::Format_RGB32);
    small.rowPicture.fill(QColor(0, 128, 0));
    const QImage picture = reportPicture(small);
    EXPECT_EQ(picture.size(), QSize(240, 160));
    EXPECT_EQ(picture.pixel(200, 150), qRgb(0, 128, 0));
    EXPECT_TRUE(encodeJpeg(QImage()).isEmpty());
}

TEST(ReportPictures, SixteenColourRowsAreSpelledOutExactly)
{
    // A row picture as the list keeps it: 16 colours through a colour table.
    const ListRow row = sampleRow(QStringLiteral("Tube"));
    ListRow indexed = row;
    indexed.rowPicture = row.rowPicture.convertToFormat(
        QImage::Format_Indexed8, {qRgb(255, 255, 255), qRgb(0, 0, 128), qRgb(255, 0, 0), qRgb(0, 128, 0)},
        Qt::ThresholdDither | Qt::AvoidDither);
    ASSERT_EQ(indexed.rowPicture.format(), QImage::Format_Indexed8);
    const QImage picture = reportPicture(indexed);
    EXPECT_EQ(picture.format(), QImage::Format_RGB888);
    EXPECT_EQ(picture, indexed.rowPicture.convertToFormat(QImage::Format_RGB888));
    EXPECT_EQ(picture.pixel(30, 30), qRgb(0, 0, 128));

    // An index past the end of the table comes out black, not as stray memory.
    QImage shortTable(240, 160, QImage::Format_Indexed8);
    shortTable.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 128)});
    shortTable.fill(0);
    shortTable.scanLine(7)[5] = 9; // as a damaged file could leave it
    ListRow odd;
    odd.rowPicture = shortTable;
    const QImage oddPicture = reportPicture(odd);
    EXPECT_EQ(oddPicture.pixel(5, 7), qRgb(0, 0, 0));
    EXPECT_EQ(oddPicture.pixel(6, 7), qRgb(255, 255, 255));
}

TEST(ReportFolder, NoteNamesTheTitleForAnExistingFolderAndTheCreditForANewOne)
{
    const MessageTable& m = MessageTable::english();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    ASSERT_TRUE(prepareReportFolder(dir.path(), Title, reportVersionText(), m));
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("info.txt"))),
              "Morvane *** Computation of geometric properties ***Version 4.0 / 29. 08. 2004/\r\n"
              "Temporary folder :" + dir.path().toUtf8() + "\r\n");

    const QString fresh = dir.filePath(QStringLiteral("fresh"));
    ASSERT_TRUE(prepareReportFolder(fresh, Title, reportVersionText(), m));
    EXPECT_TRUE(QFileInfo(fresh).isDir());
    const QList<QByteArray> lines = readAll(fresh + QStringLiteral("/info.txt")).split('\n');
    EXPECT_EQ(lines.value(0), "Morvane / Written by the Morvane developers\r");
    EXPECT_EQ(lines.value(1), "Temporary folder :" + fresh.toUtf8() + "\r");

    // Run again, the folder now exists.
    ASSERT_TRUE(prepareReportFolder(fresh, Title, reportVersionText(), m));
    EXPECT_TRUE(readAll(fresh + QStringLiteral("/info.txt")).startsWith("Morvane *** Computation"));
}

TEST(ReportFolder, UnusableFoldersAreRefusedWithoutWriting)
{
    const MessageTable& m = MessageTable::english();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Only one level is created.
    const QString deep = dir.filePath(QStringLiteral("a/b"));
    EXPECT_FALSE(prepareReportFolder(deep, Title, reportVersionText(), m));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("a"))));
    // A file where the folder should be.
    const QString file = dir.filePath(QStringLiteral("plain"));
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_FALSE(prepareReportFolder(file, Title, reportVersionText(), m));
    // "info.txt" cannot be written when a folder has its name.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("info.txt")));
    EXPECT_FALSE(prepareReportFolder(dir.path(), Title, reportVersionText(), m));
    EXPECT_FALSE(prepareReportFolder(QString(), Title, reportVersionText(), m));

}

TEST(ReportFiles, OneItemGivesOnePictureAndThePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ItemList list = sampleList(1);
    std::vector<std::size_t> progress;
    const ReportFilesOutcome outcome = writeReportFiles(dir.path(), list, pageInput(),
                                                        [&](std::size_t finished, std::size_t count) {
                                                            EXPECT_EQ(count, 1u);
                                                            progress.push_back(finished);
                                                            return true;
                                                        });
    ASSERT_TRUE(outcome.written);
    EXPECT_EQ(outcome.pagePath, dir.path() + QStringLiteral("/morvane_report.html"));
    EXPECT_EQ(progress, (std::vector<std::size_t>{1}));
    EXPECT_EQ(readAll(outcome.pagePath), reportPage(list, pageInput()));
    QStringList files = QDir(dir.path()).entryList(QDir::Files);
    files.sort();
    EXPECT_EQ(files, (QStringList{QStringLiteral("kep1.jpg"), QStringLiteral("morvane_report.html")}));
    const DecodedJpeg picture = decodeJpeg(readAll(dir.filePath(QStringLiteral("kep1.jpg"))));
    ASSERT_TRUE(picture.ok);
    EXPECT_EQ(picture.image.size(), QSize(240, 160));
}

TEST(ReportFiles, EveryItemGetsItsOwnPictureInOrderWhateverThePictureOption)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ItemList list;
    const QColor colours[] = {Qt::red, Qt::blue, Qt::green, Qt::yellow, Qt::cyan, Qt::magenta, Qt::black};
    for (int r = 1; r <= 7; ++r) {
        ListRow row = sampleRow(QStringLiteral("Item %1").arg(r));
        row.rowPicture = QImage(240, 160, QImage::Format_RGB32);
        row.rowPicture.fill(colours[r - 1]);
        if (r == 4) {
            row.rowPicture = QImage();
            row.isPlate = true;
        }
        list.put(r, row);
    }
    ReportPageInput input = pageInput();
    input.options.pictures = false;
    std::vector<std::size_t> progress;
    const ReportFilesOutcome outcome = writeReportFiles(dir.path(), list, input, [&](std::size_t done, std::size_t) {
        progress.push_back(done);
        return true;
    });
    ASSERT_TRUE(outcome.written);
    EXPECT_EQ(progress, (std::vector<std::size_t>{1, 2, 3, 4, 5, 6, 7}));
    for (int r = 1; r <= 7; ++r) {
        const DecodedJpeg picture = decodeJpeg(readAll(dir.filePath(QStringLiteral("kep%1.jpg").arg(r))));
        ASSERT_TRUE(picture.ok) << "kep" << r;
        const QColor expected = r == 4 ? QColor(Qt::white) : colours[r - 1];
        const QColor got = picture.image.pixelColor(120, 80);
        EXPECT_NEAR(got.red(), expected.red(), 6) << "kep" << r;
        EXPECT_NEAR(got.green(), expected.green(), 6) << "kep" << r;
        EXPECT_NEAR(got.blue(), expected.blue(), 6) << "kep" << r;
    }
    EXPECT_FALSE(readAll(outcome.pagePath).contains("<img"));
}

TEST(ReportFiles, APictureThatCannotBeWrittenStopsBeforeThePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("kep2.jpg")));
    const ReportFilesOutcome outcome = writeReportFiles(dir.path(), sampleList(3), pageInput());
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.failedPath, dir.path() + QStringLiteral("/kep2.jpg"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("morvane_report.html"))));
}

// A disk that fills up during a report stops it at the first file that does
// not fit whole; the page of the report before stays as it was.
TEST(ReportFiles, AFullDiskStopsAtTheFirstFileThatDoesNotFit)
{
    QTemporaryDir dir;
    const ItemList list = sampleList(3);
    ASSERT_TRUE(writeReportFiles(dir.path(), sampleList(1), pageInput()).written);
    const QByteArray oldPage = readAll(dir.filePath(QStringLiteral("morvane_report.html")));
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
        EXPECT_EQ(outcome.failedPath.endsWith(QStringLiteral("morvane_report.html")), c.pageFailed)
            << outcome.failedPath.toStdString();
        EXPECT_EQ(readAll(dir.filePath(QStringLiteral("morvane_report.html"))), oldPage);
    }
    // No temporary file is left behind.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files).filter(QRegularExpression("\\.(jpg|html)\\."));
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
}
