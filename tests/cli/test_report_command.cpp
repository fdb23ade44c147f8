#include "drawing/overlay.h"
#include "itemlist/job_file.h"
#include "settings/settings_store.h"

#include "cli_run.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A job of a tube (with a red picture) and a plate (without one).
QString writeTwoItemJob(const QString& folder)
{
    JobFile job;
    job.name = QStringLiteral("Report job");
    ListRow tube;
    tube.cells = {QStringLiteral("1"), QStringLiteral("00"), QStringLiteral("40x20x3 Rectangular hollow section"),
                  QStringLiteral("210000000"), QStringLiteral("7850"), QStringLiteral("3.240000"),
                  QStringLiteral("1.89&0.62"), QStringLiteral("1.89&1.89"), QStringLiteral("1.24&1.24"),
                  QStringLiteral("1.75&1.32"), QStringLiteral(" 0.29"), QStringLiteral("300&-300")};
    tube.ItemValues[0] = 210000000;
    tube.ItemValues[1] = 7850;
    tube.ItemValues[2] = 324;
    QImage picture(240, 160, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(40, 40, 160, 80, QColor(255, 0, 0));
    tube.RowPicture = toSixteenColours(picture);
    job.rows.push_back(tube);
    ListRow plate;
    plate.isPlate = true;
    plate.cells[0] = QStringLiteral("2");
    plate.cells[2] = QStringLiteral("Plate 10");
    plate.cells[3] = QStringLiteral("1000x2000");
    plate.cells[4] = QStringLiteral("1");
    job.rows.push_back(plate);
    job.eItems = QStringList{QStringLiteral("Steel : 210000000")};
    job.densityItems = QStringList{QStringLiteral("Steel : 7850")};
    job.tensile = QStringLiteral("300");
    job.pressure = QStringLiteral("-300");
    const QString path = folder + QStringLiteral("/two.mvn");
    return writeBytes(path, writeJob(job)) ? path : QString();
}

// Each test has its own folder with the two-item job in it.
class CliReport : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(job.isEmpty()); }
    QTemporaryDir dir;
    const QString job = writeTwoItemJob(dir.path());
};
} // namespace

TEST_F(CliReport, WritesPicturesNoteAndPageAndPrintsThePagePath)
{
    const QString out = dir.filePath(QStringLiteral("report"));
    const CliRun r = cli({"report", job, "-o", out});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, out + QStringLiteral("/morvane_report.html\n"));
    EXPECT_TRUE(bytesOf(out + QStringLiteral("/info.txt")).startsWith("Morvane / Written by"));
    const QByteArray page = bytesOf(out + QStringLiteral("/morvane_report.html"));
    EXPECT_TRUE(page.contains("<img src=\"kep1.jpg\" width=\"96\" height=\"64\">"));
    EXPECT_TRUE(page.contains("<img src=\"kep2.jpg\" width=\"96\" height=\"64\">"));
    EXPECT_TRUE(page.contains("<H1>40x20x3 Rectangular hollow section<br>"));
    EXPECT_TRUE(page.contains("3.240000<br>2.54</H1>"));
    EXPECT_TRUE(page.contains("<tr bgcolor=\"#dddddd\">"));
    EXPECT_TRUE(page.contains("<H1>Mom. of inertia<br>Ix [cm4]<br>Iy [cm4]</H1>"));

    QImage tube;
    ASSERT_TRUE(tube.loadFromData(bytesOf(out + QStringLiteral("/kep1.jpg")), "JPG"));
    EXPECT_EQ(tube.size(), QSize(240, 160));
    EXPECT_GT(qRed(tube.pixel(120, 80)), 220);
    EXPECT_LT(qGreen(tube.pixel(120, 80)), 40);
    QImage plate;
    ASSERT_TRUE(plate.loadFromData(bytesOf(out + QStringLiteral("/kep2.jpg")), "JPG"));
    EXPECT_EQ(plate.size(), QSize(240, 160));
    EXPECT_GT(qGreen(plate.pixel(120, 80)), 245);

    // A second run finds the folder: the note names the program's title.
    ASSERT_EQ(cli({"report", job, "-o", out}).status, 0);
    EXPECT_TRUE(bytesOf(out + QStringLiteral("/info.txt")).startsWith("Morvane *** Computation of geometric properties ***"));
}

TEST_F(CliReport, OptionsReachThePage)
{
    const CliRun r = cli({"report", job, "-o", dir.path(), "--no-pictures", "--hide", "0,8,3", "--data-font",
                                "12", "--measure-font", "10"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray page = bytesOf(dir.filePath(QStringLiteral("morvane_report.html")));
    EXPECT_TRUE(page.contains("H1 {font: bold 12pt Arial} em {font: bold 9pt Arial}"));
    EXPECT_FALSE(page.contains("<img"));
    EXPECT_FALSE(page.contains("210000000"));
    EXPECT_FALSE(page.contains("300<br>-300"));
    EXPECT_TRUE(page.contains("7850"));
    // Header row, two item rows: 2 + 6 cells each.
    EXPECT_EQ(page.count("<td "), 3 * 8);
    // Pictures are written whatever the picture option says.
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("kep2.jpg"))));

    const CliRun small = cli({"report", job, "-o", dir.path(), "--image-size", "25"});
    ASSERT_EQ(small.status, 0) << small.err.toStdString();
    EXPECT_TRUE(bytesOf(dir.filePath(QStringLiteral("morvane_report.html")))
                    .contains("<img src=\"kep1.jpg\" width=\"60\" height=\"40\">"));
}

TEST_F(CliReport, BadArgumentsExitTwo)
{
    const QList<QStringList> cases = {
        {"report"},
        {"report", job, job},
        {"report", job, "-o", dir.path(), "--image-size", "24"},
        {"report", job, "-o", dir.path(), "--image-size", "101"},
        {"report", job, "-o", dir.path(), "--image-size", "forty"},
        {"report", job, "-o", dir.path(), "--data-font", "26"},
        {"report", job, "-o", dir.path(), "--measure-font", "4"},
        {"report", job, "-o", dir.path(), "--hide", "9"},
        {"report", job, "-o", dir.path(), "--hide", "1,,2"},
        {"report", job, "-o", dir.path(), "--hide", "-1"},
        {"report", job, "-o", dir.path(), "--pictures"},
        {"report", job, "-o"},
    };
    for (const QStringList& args : cases) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("info.txt"))));
}

TEST_F(CliReport, UnreadableJobsAndUnusableFoldersExitOne)
{
    EXPECT_EQ(cli({"report", dir.filePath(QStringLiteral("missing.mvn")), "-o", dir.path()}).status, 1);

    const QString garbage = dir.filePath(QStringLiteral("garbage.mvn"));
    ASSERT_TRUE(writeBytes(garbage, QByteArray("this is no job file").repeated(20)));
    EXPECT_EQ(cli({"report", garbage, "-o", dir.path()}).status, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("info.txt"))));

    // Two missing levels: only one is ever created.
    const CliRun deep = cli({"report", job, "-o", dir.filePath(QStringLiteral("a/b"))});
    EXPECT_EQ(deep.status, 1);
    EXPECT_TRUE(deep.err.contains("Error.Cannot Create temporary Directory!"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("a"))));
    // A plain file where the folder should be.
    EXPECT_EQ(cli({"report", job, "-o", garbage}).status, 1);
}

TEST_F(CliReport, WithoutAFolderTheSettingsFolderIsUsed)
{
    const QString config = dir.filePath(QStringLiteral("config"));
    const QString folder = dir.filePath(QStringLiteral("stored"));
    {
        QSettingsStore store(config + QStringLiteral("/Morvane/Morvane.conf"));
        ASSERT_TRUE(writeShutdownSettings(store, 0, folder));
    }
    const CliRun r = cli({"report", job}, config);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, folder + QStringLiteral("/morvane_report.html\n"));
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/kep2.jpg")).isFile());
}
