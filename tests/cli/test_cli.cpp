#include "cli_run.h"

#include "catalogue/profile_catalogue.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>

#include <gtest/gtest.h>

TEST(CliSection, RectangularTubeTextOutput)
{
    const CliRun r = cli({"section", "--kind", "rh", "--dims", "40,20,3"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Area: 324\n"));
    EXPECT_TRUE(r.out.contains("Kxx: 3.774"));
    EXPECT_TRUE(r.out.contains("G Weight /Area x Density/:\t2.54 [Kg/m]\n"));
    EXPECT_TRUE(r.out.contains(" Rect. hollow section features :\n"));
}

TEST(CliSection, CatalogueEntryAsJsonWithAngleAndUnits)
{
    const QJsonObject o = cli({"section", "--kind", "rh", "--entry", "40x20x3", "--angle", "90", "--units",
                               "1123233", "--json"})
                              .json();
    EXPECT_NEAR(o["Ix"].toDouble(), 6.0812, 1e-4);
    EXPECT_NEAR(o["Iy"].toDouble(), 1.8892, 1e-4);
    EXPECT_NEAR(o["weight"].toDouble(), 2.5434, 1e-4);
    const QJsonArray panel = o["panel"].toArray();
    ASSERT_EQ(panel.size(), 9);
    EXPECT_EQ(panel[0].toObject()["label"].toString(), "40x20x3 Rect. hollow section features :");
    EXPECT_EQ(panel[3].toObject()["value"].toString(), "60812.00 [mm4]");
    EXPECT_EQ(panel[3].toObject()["colour"].toString(), "neutral");
}

// Each kind reads its entry or its typed sizes, angle, arrangement and density.
TEST(CliSection, EveryKindTakesItsEntryOrSizes)
{
    const struct {
        QStringList args;
        const char* key;
        double value;
        const char* title;
    } cases[] = {
        {{"--kind", "ch", "--entry", "1/2\" pipe diameter:21,3x2,6", "--density", "Aluminium : 2700"}, "weight",
         152.75 * 2700 / 1e6, "1/2\" pipe diameter:21,3x2,6 features :"},
        {{"--kind", "rs", "--entry", "R.S. section :10x10"}, "Ixx", 0.149254, nullptr},
        {{"--kind", "flat", "--dims", "50,10", "--angle", "90"}, "Iy", 0.41667, nullptr},
        {{"--kind", "cs", "--dims", "20"}, "weight", 2.4662, nullptr},
        {{"--kind", "i", "--entry", "HR I80x42"}, "KxAbove", 19.45, nullptr},
        {{"--kind", "u", "--dims", "40,10,3,3", "--arrangement", "box"}, "Area", 504,
         "2xU [] 40x10x(3x3) section features :"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(joined(c.args));
        const CliRun r = cli(QStringList{"section"} + c.args + QStringList{"--json"});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_NEAR(r.json()[c.key].toDouble(), c.value, 1e-3 * c.value);
        if (c.title) {
            EXPECT_EQ(r.json()["panel"].toArray()[0].toObject()["label"].toString(), c.title);
        }
    }
}

TEST(CliSection, PlatesGiveTheirWeightPerSquareMetre)
{
    const CliRun r = cli({"section", "--kind", "plate", "--entry", "0.5 mm steel plate"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("weightPerSquareMetre: 3.925\n"));
    EXPECT_TRUE(r.out.contains("G Weight /Area x Density/:\t3.925 Kg/m2\n"));
}

// Refused sections exit with 1 and print the message; bad arguments exit
// with 2, write nothing to standard output and say why on standard error.
TEST(CliSection, RefusalsAndBadArgumentsHaveTheirExitCodes)
{
    const CliRun refused = cli({"section", "--kind", "rh", "--dims", "20,20,11"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "Error wrong data !\n");
    const QString png = QDir::temp().filePath("morvane_cli_no_picture.png");
    const QList<QStringList> bad{
        {"section", "--kind", "zz", "--dims", "1,2,3"},
        {"section", "--kind", "rh", "--dims", "4a,20,3"},
        {"section", "--kind", "rh", "--dims", "40,20"},
        {"section", "--kind", "rh", "--entry", "41x21x3"},
        {"section", "--kind", "ch", "--dims", "22,2", "--angle", "30"},
        {"section", "--kind", "rh", "--dims", "40,20,3", "--angle", "360"},
        {"section", "--kind", "rh", "--dims", "40,20,3", "--units", "12"},
        {"section", "--kind", "cs", "--dims", "20", "--angle", "10"},
        {"section", "--kind", "flat", "--entry", "Ribbon section 10x..."},
        {"section", "--kind", "plate", "--entry", "0.5 mm steel plate", "--angle", "10"},
        {"section", "--kind", "plate", "--dims", "1,2"},
        {"section", "--kind", "rh", "--dims", "40,20,3", "--limits", "0:1,0:1"},
        {"picture", "--kind", "rh", "--dims", "40,20,3"}, // no -o
        {"profile", "HR I81x42"},
        {"bogus"},
    };
    for (const QStringList& args : bad) {
        SCOPED_TRACE(joined(args));
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_GE(r.err.count('\n'), 1);
    }
}

// An option's value is the next word or follows '='; one dash or two name the
// same option; letters are never unpacked into several options.
TEST(CliOptions, SpellingsOfOneCommandLineGiveOneResult)
{
    const CliRun spaced = cli({"section", "--kind", "rh", "--dims", "40,20,3"});
    ASSERT_EQ(spaced.status, 0);
    ASSERT_FALSE(spaced.out.isEmpty());
    for (const QStringList& args : QList<QStringList>{
             {"section", "--kind=rh", "--dims=40,20,3"},
             {"section", "-kind", "rh", "-dims=40,20,3"},
             {"section", "--dims", "40,20,3", "--kind", "ch", "--kind", "rh"}, // the last one counts
         }) {
        SCOPED_TRACE(joined(args));
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, spaced.out);
    }
}

TEST(CliOptions, WordsTheCommandDoesNotTakeAreBadInput)
{
    const struct {
        QStringList args;
        QString message;
    } rows[]{
        {{"section", "--kind", "rh", "--dims", "40,20,3", "--colour"}, "unknown option --colour"},
        {{"section", "--kind", "rh", "--dims", "40,20,3", "--colour=red"}, "unknown option --colour"},
        {{"section", "--kind", "rh", "--dims", "40,20,3", "-x"}, "unknown option -x"},
        {{"section", "--kind", "rh", "--dims", "40,20,3", "-ej"}, "unknown option -ej"},
        {{"section", "--kind", "rh", "--dims", "40,20,3", "--"}, "unknown option --"},
        {{"section", "--kind", "rh", "--dims"}, "--dims needs a value"},
        {{"profile", "HR I80x42", "--json=yes"}, "--json takes no value"},
        // The word after an option that takes a value is its value, dashes or not.
        {{"section", "--kind", "rh", "--entry", "--dims"}, "no entry '--dims'"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(joined(row.args));
        const CliRun r = cli(row.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(row.message)) << r.err.toStdString();
    }
}

// Every menu is printed an entry a line, indented by a tab per level.
TEST(CliCatalogue, PrintsEveryMenuInItsLineFormat)
{
    for (const char* kind : {"rh", "ch", "rs", "cs", "flat", "l", "t", "plate", "u", "i"}) {
        SCOPED_TRACE(kind);
        const CliRun r = cli({"catalogue", "--kind", kind});
        ASSERT_EQ(r.status, 0);
        const std::optional<SectionKind> k = kindFromCode(QString::fromLatin1(kind));
        ASSERT_TRUE(k.has_value());
        QString expected;
        for (const MenuEntry& e : builtInMenu(*k))
            expected += QString(e.depth, QLatin1Char('\t')) + e.text + QLatin1Char('\n');
        EXPECT_EQ(r.out, expected);
    }
    EXPECT_TRUE(cli({"catalogue", "--kind", "ch"}).out.contains("\t1/2\" pipe diameter:21,3x2,6\n"));
}

TEST(CliPicture, WritesTheOverlayPicture)
{
    const QString path = QDir::temp().filePath("morvane_cli_picture.png");
    QFile::remove(path);
    const CliRun r = cli({"picture", "--kind", "rh", "--dims", "40,20,3", "--angle", "30", "-o", path});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage image(path);
    ASSERT_EQ(image.size(), QSize(240, 160));
    // Turned: the navy axis runs across the middle row.
    int navy = 0;
    for (int x = 20; x < 220; ++x)
        navy += image.pixel(x, 80) == qRgb(0, 0, 128);
    EXPECT_GT(navy, 150);
}

TEST(CliProfile, PrintsARecordWithNamesAndUnits)
{
    const CliRun r = cli({"profile", "HR I80x42"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "HR I80x42\nweight: 5.95 kg/m\narea: 7.58 cm2\nIx: 77.8 cm4\nKx: 19.3 cm3\nIy: 6.29 cm4\n"
                     "Ky: 3 cm3\nsurface: 3180 cm2/m\ntw: 3.9 mm\ntf: 5.9 mm\n");
    const QJsonObject o = cli({"profile", "L section 30x45x5", "--json"}).json();
    EXPECT_NEAR(o["Iy"].toObject()["value"].toDouble(), 2.47, 1e-12);
    EXPECT_EQ(o["Kx"].toObject()["unit"].toString(), "cm3");
}

TEST(CliSection, LimitsColourThePanelLines)
{
    // Area 3.24 cm2 within 0..100: green; Ix 1.89 above 0..1: yellow; Iy 6.08 below 10..20: red.
    const CliRun r = cli({"section", "--kind", "rh", "--dims", "40,20,3", "--limits", "0:100,0:1,10:20,,,,", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonArray panel = r.json()["panel"].toArray();
    const char* colours[] = {"neutral", "neutral", "green", "yellow", "red", "neutral"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(panel[i].toObject()["colour"].toString(), colours[i]) << "line " << i;
    const CliRun text = cli({"section", "--kind", "rh", "--dims", "40,20,3", "--limits", "0:100,,,,,,"});
    EXPECT_TRUE(text.out.contains("A /Area/    : \t3.24 [cm2]\tgreen\n"));
    for (const char* pair : {"5:1", "1.2.3:5"}) {
        const CliRun bad = cli({"section", "--kind", "rh", "--dims", "40,20,3", "--limits",
                                QStringLiteral("%1,,,,,,").arg(pair)});
        EXPECT_EQ(bad.status, 2) << pair;
        EXPECT_TRUE(bad.err.contains(QStringLiteral("--limits: pair 1 '%1'").arg(pair))) << bad.err.toStdString();
    }
}

TEST(CliSection, LimitsAreInTheChosenUnits)
{
    // 3.24 cm2 is 0.000324 m2; Ix 1.89 cm4 is 18892 mm4.
    const CliRun r = cli({"section", "--kind", "rh", "--dims", "40,20,3", "--units", "1113333", "--limits",
                          "0:0.001,20000:30000,,,,,"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("0.000324 [m2]\tgreen\n")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("18892.00 [mm4]\tred\n")) << r.out.toStdString();
    const CliRun plate = cli({"section", "--kind", "plate", "--entry", "1 mm steel plate", "--limits", "0:1,,,,,,"});
    ASSERT_EQ(plate.status, 0);
    EXPECT_TRUE(plate.out.contains("7.85 Kg/m2\tneutral")) << plate.out.toStdString();
}

TEST(CliSection, ExactPropertiesBesideThePanel)
{
    // A typed rectangle (its exact values are checked in the exact tests): every
    // value is printed, the differences against the panel's Ixx among them.
    const QJsonObject o = cli({"section", "--kind", "rs", "--dims", "40,10", "--json", "--exact"}).json();
    const QJsonObject e = o["exact"].toObject();
    for (const char* key : {"A", "Ix", "Iy", "Ixy", "I1", "I2", "alpha", "ix", "iy", "WelXAbove", "WelXUnder",
                            "WelYLeft", "WelYRight", "WplX", "WplY", "It", "Iw", "Kt", "xs", "ys", "IxxDifference",
                            "KxxDifference"})
        EXPECT_TRUE(e.contains(key)) << key;
    EXPECT_NEAR(e["A"].toDouble(), 400, 1e-9);
    EXPECT_NEAR(e["It"].toDouble(), 1.1240, 0.0012); // 0.281 a b^3 for a = 4 b
    EXPECT_NEAR(e["IxxDifference"].toDouble(), 100 * (o["Ixx"].toDouble() / e["It"].toDouble() - 1), 1e-9);

    // The angle reaches the exact values: an upright I has its larger plastic
    // modulus about X; turned a quarter, about Y.
    const QJsonObject u = cli({"section", "--kind", "i", "--entry", "IPE 200x100", "--json", "--exact"}).json()["exact"].toObject();
    const QJsonObject t = cli({"section", "--kind", "i", "--entry", "IPE 200x100", "--angle", "90", "--json", "--exact"})
                              .json()["exact"]
                              .toObject();
    EXPECT_GT(u["WplX"].toDouble(), u["WplY"].toDouble());
    EXPECT_NEAR(t["WplY"].toDouble(), u["WplX"].toDouble(), 1e-6 * u["WplX"].toDouble());

    const CliRun text = cli({"section", "--kind", "i", "--entry", "IPE 200x100", "--exact"});
    EXPECT_TRUE(text.out.contains("\nexact It: ")) << text.out.toStdString();

    // What the panel refuses has no exact values either, nor has a plate.
    const CliRun refused = cli({"section", "--kind", "i", "--dims", "50,100,50,3", "--exact"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_FALSE(refused.out.contains("exact"));
    const CliRun plate = cli({"section", "--kind", "plate", "--entry", "1 mm steel plate", "--exact"});
    EXPECT_EQ(plate.status, 1);
    EXPECT_TRUE(plate.out.isEmpty()) << plate.out.toStdString();
    EXPECT_EQ(plate.err, "morvane-cli: no exact properties: a plate has no cross-section\n");
}

TEST(CliSection, ExactKtOnlyWhereInnerCornersAreRounded)
{
    // A typed I has sharp inner corners: no Kt, and a note says why; its
    // catalogue twin has rounded ones.
    const QJsonObject typed =
        cli({"section", "--kind", "i", "--dims", "150,300,7.1,10.7", "--json", "--exact"}).json()["exact"].toObject();
    EXPECT_TRUE(typed["Kt"].isNull());
    EXPECT_TRUE(typed["KxxDifference"].isNull());
    EXPECT_GT(typed["It"].toDouble(), 0);
    EXPECT_EQ(typed["notes"].toArray(), QJsonArray{"Kt is not defined for sharp inner corners."});
    const QJsonObject twin =
        cli({"section", "--kind", "i", "--entry", "IPE 300x150", "--json", "--exact"}).json()["exact"].toObject();
    EXPECT_GT(twin["Kt"].toDouble(), 0);
    EXPECT_TRUE(twin["notes"].toArray().isEmpty());
    const CliRun text = cli({"section", "--kind", "i", "--dims", "150,300,7.1,10.7", "--exact"});
    EXPECT_TRUE(text.out.contains("\nexact Kt: not defined\n")) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains("\nexact note: Kt is not defined for sharp inner corners.\n"));
}
