#include "itemlist/job_file.h"

#include "cli_run.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace {
CliRun job(const QStringList& args)
{
    return cli(QStringList{"job"} + args);
}

QJsonObject shown(const QString& path)
{
    const CliRun r = job({"show", path, "--json"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    return r.json();
}

using CliJob = CliJobFolder;
} // namespace

TEST_F(CliJob, AddCreatesTheJobAndAppendsRows)
{
    ASSERT_EQ(job({"add", path, "--kind", "i", "--entry", "HR I80x42", "--name", "Hall roof"}).status, 0);
    ASSERT_EQ(job({"add", path, "--kind", "rh", "--dims", "40,20,3", "--angle", "90", "--emodulus",
                   "abc210000", "--pressure", "-250"})
                  .status,
              0);
    const QJsonObject o = shown(path);
    EXPECT_EQ(o["name"].toString(), "Hall roof");
    EXPECT_EQ(o["count"].toInt(), 2);
    EXPECT_EQ(o["units"].toString(), "1122233");
    const QJsonArray items = o["items"].toArray();
    ASSERT_EQ(items.size(), 2);
    const QJsonArray first = items[0].toObject()["cells"].toArray();
    ASSERT_EQ(first.size(), 12);
    EXPECT_EQ(first[0].toString(), "1");
    EXPECT_EQ(first[1].toString(), "00");
    EXPECT_EQ(first[2].toString(), "HR I80x42");
    EXPECT_EQ(first[11].toString(), "300&-300");
    const QJsonArray values = items[0].toObject()["values"].toArray();
    ASSERT_EQ(values.size(), 13);
    EXPECT_NEAR(values[2].toDouble(), 758.0, 1e-9); // mm2
    EXPECT_DOUBLE_EQ(values[12].toDouble(), -300.0);

    const QJsonArray second = items[1].toObject()["cells"].toArray();
    EXPECT_EQ(second[0].toString(), "2");
    EXPECT_EQ(second[1].toString(), "090");
    EXPECT_EQ(second[2].toString(), "40x20x3 RH Section Rotate :90 deg.");
    EXPECT_EQ(second[3].toString(), "210000");
    EXPECT_EQ(second[11].toString(), "300&-250");
    // A typed E modulus joins the list as its field leaves it; the stress
    // fields are kept as typed.
    EXPECT_TRUE(o["eList"].toArray().contains("210000"));
    EXPECT_FALSE(o["eList"].toArray().contains("abc210000"));
    EXPECT_EQ(o["pressure"].toString(), "-250");
    EXPECT_EQ(o["limits"].toArray().size(), 28);
}

TEST_F(CliJob, NewJobInOtherUnits)
{
    ASSERT_EQ(job({"add", path, "--kind", "rh", "--dims", "40,20,3", "--units", "3122213"}).status, 0);
    const QJsonObject o = shown(path);
    EXPECT_EQ(o["units"].toString(), "3122213");
    EXPECT_EQ(o["name"].toString(), "Noname");
    EXPECT_EQ(o["eList"].toArray()[0].toString(), "Steel : 210000");
    EXPECT_EQ(o["tensile"].toString(), "300000.00");
    EXPECT_EQ(o["pressure"].toString(), "-300000.00");
    const QJsonObject item = o["items"].toArray()[0].toObject();
    EXPECT_EQ(item["cells"].toArray()[3].toString(), "210000");
    EXPECT_DOUBLE_EQ(item["values"].toArray()[0].toDouble(), 210000000.0); // stored in KN/m2
    EXPECT_DOUBLE_EQ(item["values"].toArray()[11].toDouble(), 300.0);     // stored in N/mm2
    // Another unit set cannot be mixed into the job.
    EXPECT_EQ(job({"add", path, "--kind", "rh", "--dims", "40,20,3", "--units", "1122233"}).status, 2);
}

TEST_F(CliJob, PlateRow)
{
    ASSERT_EQ(job({"add", path, "--kind", "plate", "--entry", "1 mm steel plate", "--lengths", "1000,2000"}).status,
              0);
    const QJsonArray cells = shown(path)["items"].toArray()[0].toObject()["cells"].toArray();
    EXPECT_EQ(cells[1].toString(), "");
    EXPECT_EQ(cells[3].toString(), "1000x2000");
    EXPECT_EQ(cells[7].toString(), " 4.000");
    EXPECT_EQ(job({"add", path, "--kind", "plate", "--entry", "1 mm steel plate", "--lengths", "0,2000"}).status, 1);
    EXPECT_EQ(job({"add", path, "--kind", "plate", "--entry", "1 mm steel plate"}).status, 2);
}

TEST_F(CliJob, RefusedListingLeavesTheFileAlone)
{
    ASSERT_EQ(job({"add", path, "--kind", "rh", "--dims", "40,20,3"}).status, 0);
    const QByteArray before = bytesOf(path);
    struct Case {
        QStringList extra;
        QString message;
    };
    const std::vector<Case> cases{
        {{"--tensile", "0"}, "Error. Max.Tensil<=0 !"},
        {{"--pressure", "0"}, "Error. Min.Pressure>=0 !"},
        {{"--pressure", "-"}, "Error wrong data !"},
        {{"--poisson", "1"}, "Error. Poisson<0 or Poisson>1 !"},
    };
    for (const Case& c : cases) {
        const CliRun r = job(QStringList{"add", path, "--kind", "rh", "--dims", "40,20,3"} + c.extra);
        EXPECT_EQ(r.status, 1) << c.message.toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    }
    // Walls too thick for the tube.
    EXPECT_EQ(job({"add", path, "--kind", "rh", "--dims", "40,20,10"}).status, 1);
    EXPECT_EQ(bytesOf(path), before);
    // A new file is not created by a refused listing.
    EXPECT_EQ(job({"add", dir.filePath("none.mvn"), "--kind", "rh", "--dims", "40,20,3", "--tensile", "0"}).status,
              1);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.mvn")));
}

TEST_F(CliJob, BadArgumentsExitTwo)
{
    EXPECT_EQ(job({}).status, 2);
    EXPECT_EQ(job({"list", path}).status, 2);
    EXPECT_EQ(job({"add", path, "--dims", "40,20,3"}).status, 2);
    EXPECT_EQ(job({"add", path, "--kind", "rh"}).status, 2);
    EXPECT_EQ(job({"add", path, "--kind", "rh", "--dims", "40,20,3", "--lengths", "1,2"}).status, 2);
    EXPECT_EQ(job({"add", path, "--kind", "rh", "--dims", "40,20,3", "--units", "12"}).status, 2);
    EXPECT_EQ(job({"show"}).status, 2);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(CliJob, DamagedFileIsRefused)
{
    ASSERT_EQ(job({"add", path, "--kind", "rh", "--dims", "40,20,3"}).status, 0);
    QByteArray bytes = bytesOf(path);
    bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x40);
    ASSERT_TRUE(writeBytes(path, bytes));
    const CliRun shownRun = job({"show", path});
    EXPECT_EQ(shownRun.status, 1);
    EXPECT_TRUE(shownRun.err.contains("Error wrong data !"));
    const CliRun added = job({"add", path, "--kind", "rh", "--dims", "40,20,3"});
    EXPECT_EQ(added.status, 1);
    EXPECT_EQ(bytesOf(path), bytes);

    const QString text = dir.filePath("notes.mvn");
    ASSERT_TRUE(writeBytes(text, "just some notes\r\n"));
    EXPECT_EQ(job({"show", text, "--json"}).status, 1);
}

TEST_F(CliJob, FullJobRefusesTheTwoHundredFiftyFirstItem)
{
    const QString one = dir.filePath("one.mvn");
    ASSERT_EQ(job({"add", one, "--kind", "rh", "--dims", "40,20,3", "--name", "Full"}).status, 0);
    JobReading read = readJob(bytesOf(one));
    ASSERT_TRUE(read.job);
    JobFile full = *read.job;
    while (full.rows.size() < std::size_t(ItemListCapacity)) {
        full.rows.push_back(full.rows.front());
        full.rows.back().cells[0] = QString::number(full.rows.size());
    }
    ASSERT_TRUE(writeBytes(path, writeJob(full)));
    const QByteArray before = bytesOf(path);
    const CliRun r = job({"add", path, "--kind", "rh", "--dims", "40,20,3"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Max. 250 items !!!")) << r.err.toStdString();
    EXPECT_EQ(bytesOf(path), before);

    const CliRun shownText = job({"show", path});
    ASSERT_EQ(shownText.status, 0);
    EXPECT_TRUE(shownText.out.startsWith("name: Full\ncount: 250\nunits: 1122233\nitem 1: 1 | 00 | 40x20x3 RH Section | "))
        << shownText.out.left(200).toStdString();
    EXPECT_TRUE(shownText.out.contains("\nitem 250: 250 | 00 | "));
}

// The CSV of a job: the window's copy text with commas, a quoted cell where
// the text needs it, lines ended by CR LF.
TEST_F(CliJob, ShowCsvWritesTheListAsRfc4180)
{
    ASSERT_EQ(job({"add", path, "--kind", "i", "--entry", "HR I80x42"}).status, 0);
    ASSERT_EQ(job({"add-private", path, "--description", "Box \"A\", welded", "--area", "20", "--ix", "10", "--iy",
                   "10", "--kx", "4,4", "--ky", "4,4", "--ixx", "5", "--kxx", "3"})
                  .status,
              0);
    const CliRun r = job({"show", path, "--csv"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = r.out.split("\r\n");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("Item,Material,E modulus [KN/m2],Density [Kg/m3],Area[cm2],Weight[Kg/m],"));
    EXPECT_TRUE(lines[0].endsWith(",Poisson,Max.Tensile [N/mm2],Min.Pressure [N/mm2]"));
    EXPECT_TRUE(lines[1].startsWith("1,HR I80x42,210000000,7850,7.580000,5.95,")) << lines[1].toStdString();
    EXPECT_EQ(lines[1].count(','), 16);
    EXPECT_TRUE(lines[2].startsWith("2,\"Box \"\"A\"\", welded\",210000000,7850,20.000000,15.70,10.00,10.00,"))
        << lines[2].toStdString();
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(job({"show", path, "--csv", "--json"}).status, 2);
}
