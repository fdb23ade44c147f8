// Each morvane-cli command reaches the core: one table of arguments to exit
// status, output and files left behind (what the core computes and refuses is
// its own tests'). "@" in an argument or expected text is the row's folder,
// which starts with a file junk.mvn that is no job.
#include "cli_run.h"

#include <QFileInfo>
#include <QJsonArray>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {
struct Number {
    const char* path; // JSON keys and array indices joined by '.'
    double value;
    double tolerance = 1e-3; // relative; absolute 1e-9 about 0
};

using Text = std::pair<const char*, const char*>; // JSON path, text

struct CliCase {
    const char* name;
    QList<QStringList> before; // commands that make the files, each exiting 0
    QStringList args;
    int status = 0;
    QStringList out = {};   // pieces standard output holds
    QStringList err = {};   // pieces standard error holds
    QStringList lacks = {}; // pieces standard output does not hold
    std::vector<Number> numbers = {};
    std::vector<Text> texts = {};
    bool unchanged = false;         // @/job.mvn is byte for byte as before
    const char* absent = nullptr;   // a file the run does not leave
    const char* made = nullptr;     // a file the run writes
    QByteArrayList holds = {};      // pieces that file holds
};

QJsonValue at(const QJsonObject& root, const char* path)
{
    QJsonValue v = root;
    for (const QString& key : QString::fromUtf8(path).split(QLatin1Char('.'))) {
        bool isIndex = false;
        const int i = key.toInt(&isIndex);
        v = isIndex && v.isArray() ? v.toArray().at(i) : v.toObject().value(key);
    }
    return v;
}

QStringList inFolder(QStringList list, const QString& folder)
{
    for (QString& s : list)
        s.replace(QLatin1Char('@'), folder);
    return list;
}

const QStringList Tube{"--kind", "rh", "--dims", "40,20,3"};

QStringList addTo(const QStringList& extra)
{
    return QStringList{"job", "add", "@/job.mvn"} + extra;
}

const QStringList AddTube = addTo(Tube);
const QStringList AddI = addTo({"--kind", "i", "--entry", "HR I80x42"});
const QStringList ShowJson{"job", "show", "@/job.mvn", "--json"};

QStringList privateItem(const QStringList& changes = {})
{
    QStringList args{"job", "add-private", "@/job.mvn", "--description", "Welded box 50", "--area", "20", "--ix", "10",
                     "--iy", "10", "--kx", "4,4", "--ky", "4,4", "--ixx", "5", "--kxx", "3"};
    for (qsizetype i = 0; i + 1 < changes.size(); i += 2) {
        const qsizetype where = args.indexOf(changes[i]);
        if (where < 0)
            args << changes[i] << changes[i + 1];
        else
            args[where + 1] = changes[i + 1];
    }
    return args;
}

QString builtUp(const char* name)
{
    return QStringLiteral(MORVANE_SOURCE_DIR "/tests/fuzz/corpus/builtup_file/") + QString::fromUtf8(name);
}

QStringList section(const QStringList& args)
{
    return QStringList{"section"} + args;
}

const QStringList Stiff{"--description", "Too stiff", "--area", "2", "--kx", "40,40", "--ixx", "0.1", "--kxx", "0.2"};

// clang-format off
const CliCase Cases[] = {
    // section: each kind through its entry or its sizes, angle, arrangement, density and units
    {"TubeText", {}, section(Tube), 0,
     {"Area: 324\n", "Kxx: 3.774", "G Weight /Area x Density/:\t2.54 [Kg/m]\n", " Rect. hollow section features :\n"}},
    {"TubeEntryTurnedInOtherUnits", {}, section({"--kind", "rh", "--entry", "40x20x3", "--angle", "90", "--units", "1123233", "--json"}), 0,
     {}, {}, {}, {{"Ix", 6.0812}, {"Iy", 1.8892}, {"weight", 2.5434}},
     {{"panel.0.label", "40x20x3 Rect. hollow section features :"}, {"panel.3.value", "60812.00 [mm4]"}, {"panel.3.colour", "neutral"}}},
    {"PipeEntryWithDensity", {}, section({"--kind", "ch", "--entry", "1/2\" pipe diameter:21,3x2,6", "--density", "Aluminium : 2700", "--json"}), 0,
     {}, {}, {}, {{"weight", 152.75 * 2700 / 1e6}}, {{"panel.0.label", "1/2\" pipe diameter:21,3x2,6 features :"}}},
    {"ChannelsAsBox", {}, section({"--kind", "u", "--dims", "40,10,3,3", "--arrangement", "box", "--json"}), 0,
     {}, {}, {}, {{"Area", 504}}, {{"panel.0.label", "2xU [] 40x10x(3x3) section features :"}}},
    {"Plate", {}, section({"--kind", "plate", "--entry", "0.5 mm steel plate"}), 0,
     {"weightPerSquareMetre: 3.925\n", "G Weight /Area x Density/:\t3.925 Kg/m2\n"}},
    {"WallsTooThick", {}, section({"--kind", "rh", "--dims", "20,20,11"}), 1, {"Error wrong data !\n"}, {}, {"Area:"}},
    {"ImpossiblePicture", {}, {"picture", "--kind", "cs", "--dims", "0", "-o", "@/p.png"}, 1, {}, {}, {}, {}, {}, false, "p.png"},
    {"Picture", {}, {"picture", "--kind", "rh", "--dims", "40,20,3", "--angle", "30", "-o", "@/p.png"}, 0, {}, {}, {}, {}, {}, false, nullptr, "p.png"},
    // limits colour the panel's lines, in the panel's units
    {"LimitsColour", {}, section(Tube + QStringList{"--limits", "0:100,0:1,10:20,,,,", "--json"}), 0, {}, {}, {}, {},
     {{"panel.1.colour", "neutral"}, {"panel.2.colour", "green"}, {"panel.3.colour", "yellow"}, {"panel.4.colour", "red"}, {"panel.5.colour", "neutral"}}},
    // exact properties beside the panel; the published IPE 200 plastic moduli: 220.6 and 44.61 cm3
    {"ExactIpe", {}, section({"--kind", "i", "--entry", "IPE 200x100", "--json", "--exact"}), 0, {}, {}, {},
     {{"exact.WplX", 220.6, 5e-3}, {"exact.WplY", 44.61, 5e-3}}},
    {"ExactPlate", {}, section({"--kind", "plate", "--entry", "1 mm steel plate", "--exact"}), 1,
     {}, {"morvane-cli: no exact properties: a plate has no cross-section\n"}, {"G Weight"}},
    // an option's value follows '=' or is the next word, one dash or two, the last one counting
    {"OptionSpellings", {}, section({"-kind", "ch", "--kind=rh", "-dims=40,20,3"}), 0, {"Area: 324\n"}},
    // bad arguments: exit 2, nothing on standard output
    {"UnknownOption", {}, section(Tube + QStringList{"-ej"}), 2, {}, {"unknown option -ej"}},
    {"PictureWithoutFile", {}, {"picture", "--kind", "rh", "--dims", "40,20,3"}, 2},
    {"UnknownCommand", {}, {"bogus"}, 2},
    // catalogue and profile records, in the chosen language
    {"Catalogue", {}, {"catalogue", "--kind", "ch"}, 0, {"\t1/2\" pipe diameter:21,3x2,6\n"}},
    {"Profile", {}, {"profile", "HR I80x42"}, 0,
     {"HR I80x42\nweight: 5.95 kg/m\narea: 7.58 cm2\nIx: 77.8 cm4\nKx: 19.3 cm3\nIy: 6.29 cm4\nKy: 3 cm3\n"
      "surface: 3180 cm2/m\ntw: 3.9 mm\ntf: 5.9 mm\n"}},
    {"PanelHungarian", {}, section(Tube + QStringList{"--language", "hu"}), 0,
     {"Area: 324\n", "G T\xc3\xb6meg /Ter\xc3\xbclet x S\xc5\xb1r\xc5\xb1s\xc3\xa9g/:\t2.54 [Kg/m]\n", " Z\xc3\xa1rtszelv\xc3\xa9ny jellemz\xc5\x91i :\n"}},
    // U50 of the published table: Ix 26.4 cm4, through its Dutch text
    {"EntryByShownText", {}, section({"--kind", "u", "--entry", "Warmgewalst U50x38", "--language", "nl", "--json"}), 0, {}, {}, {}, {{"Ix", 26.4, 1e-2}}},
    {"UnknownLanguage", {}, section(Tube + QStringList{"--language", "de"}), 2},
    // job add and show
    {"JobAdd", {addTo({"--kind", "i", "--entry", "HR I80x42", "--name", "Hall roof"}),
                addTo(Tube + QStringList{"--angle", "90", "--emodulus", "abc210000", "--pressure", "-250"})}, ShowJson, 0,
     {}, {}, {"abc210000"}, {{"count", 2}, {"items.0.values.2", 758}, {"items.0.values.12", -300}},
     {{"name", "Hall roof"}, {"units", "1122233"}, {"items.0.cells.0", "1"}, {"items.0.cells.1", "00"}, {"items.0.cells.2", "HR I80x42"},
      {"items.0.cells.11", "300&-300"}, {"items.1.cells.0", "2"}, {"items.1.cells.1", "090"},
      {"items.1.cells.2", "40x20x3 RH Section Rotate :90 deg."}, {"items.1.cells.3", "210000"}, {"items.1.cells.11", "300&-250"},
      {"pressure", "-250"}}},
    {"JobShowText", {AddTube}, {"job", "show", "@/job.mvn"}, 0, {"name: Noname\ncount: 1\nunits: 1122233\nitem 1: 1 | 00 | 40x20x3 RH Section | "}},
    {"JobInOtherUnits", {addTo(Tube + QStringList{"--units", "3122213"})}, ShowJson, 0, {}, {}, {},
     {{"items.0.values.0", 210000000}, {"items.0.values.11", 300}},
     {{"units", "3122213"}, {"name", "Noname"}, {"eList.0", "Steel : 210000"}, {"tensile", "300000.00"}, {"pressure", "-300000.00"},
      {"items.0.cells.3", "210000"}}},
    {"JobUnitsNotMixed", {AddTube}, addTo(Tube + QStringList{"--units", "3122213"}), 2, {}, {}, {}, {}, {}, true},
    {"JobPlate", {addTo({"--kind", "plate", "--entry", "1 mm steel plate", "--lengths", "1000,2000"})}, ShowJson, 0, {}, {}, {}, {},
     {{"items.0.cells.1", ""}, {"items.0.cells.3", "1000x2000"}, {"items.0.cells.7", " 4.000"}}},
    {"JobTensileZero", {AddTube}, addTo(Tube + QStringList{"--tensile", "0"}), 1, {}, {"Error. Max.Tensil<=0 !"}, {}, {}, {}, true},
    {"JobCsv", {AddI, privateItem({"--description", "Box \"A\", welded"})}, {"job", "show", "@/job.mvn", "--csv"}, 0,
     {"Item,Material,E modulus [KN/m2],", "\r\n2,\"Box \"\"A\"\", welded\",210000000,7850,20.000000,15.70,"}},
    // private items: compared with the box their moduli give
    {"PrivatePlausible", {}, privateItem(), 0, {"Ix max : 52.08 [cm4] > Ix : 10 [cm4] ----> OK\n"}},
    {"PrivateListed", {privateItem()}, ShowJson, 0, {}, {}, {}, {{"count", 1}, {"items.0.values.2", 2000}, {"items.0.values.10", 3}},
     {{"items.0.cells.2", "Welded box 50"}, {"items.0.cells.7", "4.00&4.00"}}},
    {"PrivateImplausible", {privateItem()}, privateItem(Stiff), 1,
     {"Impossible data ! Do you want to approved ? \n\nIx max : 0.0520833333 [cm4] < Ix : 10 [cm4] ----> Error"}, {}, {}, {}, {}, true},
    {"PrivateAccepted", {privateItem(), privateItem(Stiff) + QStringList{"--accept"}}, ShowJson, 0, {}, {}, {}, {{"count", 2}},
     {{"items.1.cells.2", "Too stiff"}}},
    // built-up sections; IPE 300 has 53.8 cm2 in the published table, the plate 2000 mm2 at y = -155
    {"BuiltUp", {}, {"builtup", builtUp("ipe_with_plate.mvb"), "--json"}, 0, {}, {}, {},
     {{"A", 7381}, {"centroid.y", 2000 * -155.0 / 7381}, {"G", 7381 * 7850 / 1e6}, {"parts.1.y", -155, 1e-12}, {"parts.1.area", 2000, 1e-9}},
     {{"name", "IPE 300x150 + PL 200x10"}, {"parts.0.entry", "IPE 300x150"}, {"parts.1.kind", "rs"}}},
    {"BuiltUpUnknownEntry", {}, {"builtup", builtUp("refused_unknown_entry.mvb")}, 1, {}, {"part 1 'IPE 301x150' is not an entry of the i menu"}},
    // the welds leave sharp inner corners: the row's torsion modulus is 0
    {"BuiltUpListed", {addTo({"--builtup", builtUp("boxed_heb.mvb"), "--units", "1133333"})}, ShowJson, 0, {}, {}, {},
     {{"items.0.values.10", 0}}, {{"items.0.cells.1", "10"}, {"items.0.cells.2", "Column C2 boxed"}}},
    // print
    {"Print", {AddTube, AddI}, {"print", "@/job.mvn", "--pdf", "@/job.pdf"}, 0, {"pages: 1\n"}, {}, {}, {}, {}, false, nullptr, "job.pdf"},
    {"PrintPaperTooSmall", {AddTube}, {"print", "@/job.mvn", "--pdf", "@/job.pdf", "--paper", "A5", "--margins", "70,10,70,10"}, 1,
     {}, {"Error ! Current paper size is insufficient !"}, {}, {}, {}, false, "job.pdf"},
    {"PrintUnknownPaper", {AddTube}, {"print", "@/job.mvn", "--pdf", "@/job.pdf", "--paper", "B5"}, 2, {}, {}, {}, {}, {}, false, "job.pdf"},
    // report
    {"Report", {AddTube}, {"report", "@/job.mvn", "-o", "@/report"}, 0, {"@/report/morvane_report.html\n"}, {}, {}, {}, {}, false, nullptr,
     "report/morvane_report.html", {"<img src=\"kep1.jpg\" width=\"96\" height=\"64\">", "<H1>40x20x3 RH Section<br>"}},
    {"ReportFontsAndColumns", {AddTube}, {"report", "@/job.mvn", "-o", "@", "--hide", "0,8,3", "--data-font", "12", "--measure-font", "10",
      "--image-size", "25"}, 0, {}, {}, {}, {}, {}, false, nullptr, "morvane_report.html",
     {"H1 {font: bold 12pt Arial} em {font: bold 9pt Arial}", "7850", "<img src=\"kep1.jpg\" width=\"60\" height=\"40\">"}},
    {"ReportImageTooLarge", {AddTube}, {"report", "@/job.mvn", "-o", "@", "--image-size", "101"}, 2, {}, {}, {}, {}, {}, false, "info.txt"},
    {"ReportNoJob", {}, {"report", "@/junk.mvn", "-o", "@"}, 1, {}, {}, {}, {}, {}, false, "info.txt"},
};
// clang-format on

class Cli : public ::testing::TestWithParam<CliCase> {};

TEST_P(Cli, ExitsAndWritesWhatTheCommandGives)
{
    const CliCase& c = GetParam();
    QTemporaryDir dir;
    const QString folder = dir.path();
    ASSERT_TRUE(writeBytes(folder + "/junk.mvn", "not a job at all"));
    for (const QStringList& step : c.before) {
        const CliRun r = cli(inFolder(step, folder));
        ASSERT_EQ(r.status, 0) << joined(step) << ": " << r.err.toStdString();
    }
    const QByteArray job = bytesOf(folder + "/job.mvn");
    const CliRun r = cli(inFolder(c.args, folder));
    ASSERT_EQ(r.status, c.status) << r.err.toStdString();
    if (c.status == 2) {
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    for (const QString& piece : inFolder(c.out, folder))
        EXPECT_TRUE(r.out.contains(piece)) << piece.toStdString() << "\nin\n" << r.out.toStdString();
    for (const QString& piece : inFolder(c.err, folder))
        EXPECT_TRUE(r.err.contains(piece)) << piece.toStdString() << "\nin\n" << r.err.toStdString();
    for (const QString& piece : c.lacks)
        EXPECT_FALSE(r.out.contains(piece)) << piece.toStdString();
    const QJsonObject json = r.json();
    for (const Number& n : c.numbers) {
        const QJsonValue v = at(json, n.path);
        EXPECT_TRUE(v.isDouble()) << n.path;
        EXPECT_NEAR(v.toDouble(), n.value, n.value == 0 ? 1e-9 : std::abs(n.value) * n.tolerance) << n.path;
    }
    for (const auto& [path, text] : c.texts) {
        const QJsonValue v = at(json, path);
        EXPECT_TRUE(v.isString()) << path;
        EXPECT_EQ(v.toString(), QString::fromUtf8(text)) << path;
    }
    if (c.unchanged) {
        EXPECT_EQ(bytesOf(folder + "/job.mvn"), job);
    }
    if (c.absent) {
        EXPECT_FALSE(QFileInfo::exists(folder + '/' + c.absent));
    }
    if (c.made) {
        const QByteArray made = bytesOf(folder + '/' + c.made);
        EXPECT_GT(made.size(), 100) << c.made;
        for (const QByteArray& piece : c.holds)
            EXPECT_TRUE(made.contains(piece)) << piece.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, Cli, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
