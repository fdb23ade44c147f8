#include "itemlist/job_file.h"

#include "cli_run.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace {
QStringList boxItem(const QString& path)
{
    return {"job", "add-private", path, "--description", "Welded box 50", "--area", "20", "--ix", "10",
            "--iy", "10", "--kx", "4,4", "--ky", "4,4", "--ixx", "5", "--kxx", "3"};
}

QJsonObject shown(const QString& path)
{
    const CliRun r = cli({"job", "show", path, "--json"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    return r.json();
}

using CliPrivate = CliJobFolder;
} // namespace

TEST_F(CliPrivate, PlausibleItemIsReportedAndAppended)
{
    const CliRun r = cli(boxItem(path));
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    // The comparison with the 50 mm box the moduli give (its lines are the core's).
    EXPECT_TRUE(r.out.startsWith("Ix max : 52.08 [cm4] > Ix : 10 [cm4] ----> OK\n")) << r.out.toStdString();
    EXPECT_EQ(r.out.count("----> OK\n"), 5);
    const QJsonObject o = shown(path);
    ASSERT_EQ(o["count"].toInt(), 1);
    const QJsonObject item = o["items"].toArray()[0].toObject();
    const QJsonArray cells = item["cells"].toArray();
    EXPECT_EQ(cells[0].toString(), "1");
    EXPECT_EQ(cells[2].toString(), "Welded box 50");
    EXPECT_EQ(cells[7].toString(), "4.00&4.00");
    const QJsonArray values = item["values"].toArray();
    EXPECT_DOUBLE_EQ(values[2].toDouble(), 2000.0);
    EXPECT_DOUBLE_EQ(values[10].toDouble(), 3.0);
    // The row keeps the preview sketch as its 16-colour picture.
    const JobReading read = readJob(bytesOf(path));
    ASSERT_TRUE(read.job) << read.reason.toStdString();
    const QImage& picture = read.job->rows[0].RowPicture;
    EXPECT_EQ(picture.size(), QSize(240, 160));
    EXPECT_LE(picture.colorCount(), 16);
    EXPECT_EQ(picture.pixel(100, 50), qRgb(192, 192, 192)); // inside the sketch's rectangle

    // A second item goes after the first, here in the job's own units.
    ASSERT_EQ(cli({"job", "add-private", path, "--description", "Tube in mm", "--area", "2000", "--ix", "100000",
                   "--iy", "100000", "--kx", "4000,4000", "--ky", "4000,4000", "--ixx", "50000", "--kxx", "3000",
                   "--units", "1133333"})
                  .status,
              2); // the job is in 1122233
    EXPECT_EQ(shown(path)["count"].toInt(), 1);
}

TEST_F(CliPrivate, ImplausibleItemNeedsAccept)
{
    ASSERT_EQ(cli(boxItem(path)).status, 0);
    const QByteArray before = bytesOf(path);
    QStringList stiff = {"job", "add-private", path, "--description", "Too stiff", "--area", "2", "--ix", "10",
                         "--iy", "10", "--kx", "40,40", "--ky", "4,4", "--ixx", "0.1", "--kxx", "0.2"};
    const CliRun refused = cli(stiff);
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.out.startsWith("Impossible data ! Do you want to approved ? \n\nIx max : 0.0520833333 [cm4] < Ix : 10 [cm4] ----> Error"))
        << refused.out.toStdString();
    EXPECT_EQ(bytesOf(path), before);
    const CliRun accepted = cli(stiff << "--accept");
    EXPECT_EQ(accepted.status, 0) << accepted.err.toStdString();
    const QJsonObject o = shown(path);
    ASSERT_EQ(o["count"].toInt(), 2);
    EXPECT_EQ(o["items"].toArray()[1].toObject()["cells"].toArray()[2].toString(), "Too stiff");
    // A new file is not made for a refused item.
    const QString fresh = dir.filePath("fresh.mvn");
    stiff.removeLast();
    stiff[2] = fresh;
    EXPECT_EQ(cli(stiff).status, 1);
    EXPECT_FALSE(QFile::exists(fresh));
}

TEST_F(CliPrivate, NewJobInOtherUnitsAndZeroInertia)
{
    const CliRun r = cli({"job", "add-private", path, "--description", "Tube in mm", "--area", "2000", "--ix", "0",
                       "--iy", "100000", "--kx", "4000,4000", "--ky", "4000,4000", "--ixx", "50000", "--kxx",
                       "3000", "--units", "1133333"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()); // Ix 0: nothing compared
    const QJsonObject o = shown(path);
    EXPECT_EQ(o["units"].toString(), "1133333");
    const QJsonObject item = o["items"].toArray()[0].toObject();
    EXPECT_EQ(item["cells"].toArray()[6].toString(), "0.0000000000&100000.00");
    EXPECT_DOUBLE_EQ(item["values"].toArray()[4].toDouble(), 10.0); // cm4
    EXPECT_DOUBLE_EQ(item["values"].toArray()[2].toDouble(), 2000.0); // mm2
}

TEST_F(CliPrivate, BadArgumentsExitTwoAndMaterialRefusalsOne)
{
    const auto with = [&](const QString& option, const QString& value) {
        QStringList args = boxItem(path);
        const int at = int(args.indexOf(option));
        if (at >= 0)
            args[at + 1] = value;
        else
            args << option << value;
        return cli(args).status;
    };
    EXPECT_EQ(with("--ix", "1e3"), 2);
    EXPECT_EQ(with("--ix", "-10"), 2);
    EXPECT_EQ(with("--kx", "4"), 2);
    EXPECT_EQ(with("--ky", "4,4,4"), 2);
    EXPECT_EQ(with("--area", ""), 2);
    EXPECT_EQ(with("--description", QString(41, 'x')), 2);
    EXPECT_EQ(with("--units", "1122234"), 2);
    QStringList missing = boxItem(path);
    missing.removeAt(int(missing.indexOf("--kxx")) + 1);
    missing.removeAt(int(missing.indexOf("--kxx")));
    EXPECT_EQ(cli(missing).status, 2);
    EXPECT_FALSE(QFile::exists(path));
    const QStringList refused = boxItem(path) << "--tensile" << "0";
    const CliRun r = cli(refused);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Error. Max.Tensil<=0 !"));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(with("--description", QString(40, 'x')), 0);
}
