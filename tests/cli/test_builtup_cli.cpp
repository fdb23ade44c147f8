#include "itemlist/job_file.h"

#include "cli_run.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <cmath>

namespace {
QString corpus(const char* name)
{
    return QStringLiteral(MORVANE_SOURCE_DIR "/tests/fuzz/corpus/builtup_file/") + QString::fromUtf8(name);
}

using CliBuiltUp = CliJobFolder;
} // namespace

TEST(CliBuiltUpSection, JsonHasTheExactKeysPartsAndCentroid)
{
    const CliRun r = cli({"builtup", corpus("ipe_with_plate.mvb"), "--json"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    for (const char* key : {"A", "Ix", "Iy", "Ixy", "I1", "I2", "alpha", "WelXAbove", "WelXUnder", "WplX", "WplY",
                            "It", "Iw", "Kt", "xs", "ys", "triangles", "G", "parts", "centroid"})
        EXPECT_TRUE(o.contains(QLatin1String(key))) << key;
    EXPECT_EQ(o["name"].toString(), "IPE 300x150 + PL 200x10");
    EXPECT_FALSE(o["separatePieces"].toBool());
    const QJsonArray parts = o["parts"].toArray();
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0]["entry"].toString(), "IPE 300x150");
    EXPECT_EQ(parts[1]["kind"].toString(), "rs");
    EXPECT_EQ(parts[1]["dims"].toArray(), (QJsonArray{200, 10}));
    EXPECT_DOUBLE_EQ(parts[1]["y"].toDouble(), -155);
    EXPECT_NEAR(parts[1]["area"].toDouble(), 2000, 1e-6);
    // The plate pulls the centroid down: A yc = 2000 * -155 (the IPE's lies at 0).
    const double area = o["A"].toDouble();
    EXPECT_NEAR(o["centroid"].toObject()["y"].toDouble() * area, 2000 * -155.0, 1e-6 * area);
    EXPECT_NEAR(o["G"].toDouble(), area * 7850 / 1e6, 1e-9);
}

TEST(CliBuiltUpSection, SeparatePiecesCarryTheNote)
{
    const CliRun r = cli({"builtup", corpus("angles_back_to_back.mvb")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("note: the parts do not all touch: they act together only if they are connected"));
    EXPECT_TRUE(r.out.startsWith("name: L section 100x100x10 + L section 100x100x10\n")) << r.out.toStdString();
}

TEST(CliBuiltUpSection, BadFilesExitWithOneAndTheReason)
{
    struct Case {
        const char* file;
        const char* says;
    };
    for (const Case& c : {Case{"refused_unknown_entry.mvb", "part 1 'IPE 301x150' is not an entry of the i menu"},
                          Case{"refused_version.mvb", "version"}, Case{"refused_truncated.mvb", "not JSON"},
                          Case{"no_such_file.mvb", "cannot read"}}) {
        const CliRun r = cli({"builtup", corpus(c.file)});
        EXPECT_EQ(r.status, 1) << c.file;
        EXPECT_TRUE(r.err.contains(QLatin1String(c.says))) << r.err.toStdString();
    }
}

TEST_F(CliBuiltUp, JobAddListsItAsAPrivateRow)
{
    const CliRun added = cli({"job", "add", path, "--builtup", corpus("boxed_heb.mvb"), "--units", "1133333"});
    ASSERT_EQ(added.status, 0) << added.err.toStdString();
    EXPECT_EQ(added.out.count("----> OK\n"), 5) << added.out.toStdString();
    const CliRun section = cli({"builtup", corpus("boxed_heb.mvb"), "--json"});
    const JobReading read = readJob(bytesOf(path));
    ASSERT_TRUE(read.job) << read.reason.toStdString();
    ASSERT_EQ(read.job->rows.size(), 1u);
    const ListRow& row = read.job->rows[0];
    EXPECT_EQ(row.cells[1], "10");
    EXPECT_EQ(row.cells[2], "Column C2 boxed");
    // Stored in base units (mm2, cm4, cm3) whatever the job's units.
    const QJsonObject e = section.json();
    EXPECT_NEAR(double(row.ItemValues[2]), e["A"].toDouble(), 1e-9 * e["A"].toDouble());
    EXPECT_NEAR(double(row.ItemValues[3]), e["Ix"].toDouble(), 1e-9 * e["Ix"].toDouble());
    EXPECT_NEAR(double(row.ItemValues[9]), e["It"].toDouble(), 1e-9 * e["It"].toDouble());
    // The plates meet the flange tips at sharp inner corners: no Kt, and the
    // row's torsion modulus is 0 rather than a figure of the mesh.
    EXPECT_TRUE(e["Kt"].isNull());
    EXPECT_EQ(double(row.ItemValues[10]), 0.0);
    EXPECT_EQ(row.RowPicture.size(), SectionPictureSize);
    // A bad composition leaves the job as it was.
    const QByteArray before = bytesOf(path);
    EXPECT_EQ(cli({"job", "add", path, "--builtup", corpus("refused_unknown_key.mvb")}).status, 1);
    EXPECT_EQ(bytesOf(path), before);
}
