#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {
struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

CliRun cli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(MORVANE_CLI_PATH), args);
    p.waitForFinished(20000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
} // namespace

TEST(CliSection, RectangularTubeTextOutput)
{
    const CliRun r = cli({"section", "--kind", "rh", "--dims", "40,20,3"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Area: 324\n"));
    EXPECT_TRUE(r.out.contains("Kxx: 3.774"));
    EXPECT_TRUE(r.out.contains("G Weight /Area x Density/:\t2.54 [Kg/m]\n"));
    EXPECT_TRUE(r.out.contains("Ix /Moment of Inertia/  : \t1.89 [cm4]\n"));
    EXPECT_TRUE(r.out.contains(" Rect. hollow section features :\n"));
}

TEST(CliSection, CatalogueEntryAsJsonWithAngleAndUnits)
{
    const CliRun r = cli({"section", "--kind", "rh", "--entry", "40x20x3", "--angle", "90", "--units", "1123233",
                       "--json"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_NEAR(o["Ix"].toDouble(), 6.0812, 1e-4);
    EXPECT_NEAR(o["Iy"].toDouble(), 1.8892, 1e-4);
    EXPECT_NEAR(o["weight"].toDouble(), 2.5434, 1e-4);
    const QJsonArray panel = o["panel"].toArray();
    ASSERT_EQ(panel.size(), 9);
    EXPECT_EQ(panel[0].toObject()["label"].toString(), "40x20x3 Rect. hollow section features :");
    EXPECT_EQ(panel[3].toObject()["value"].toString(), "60812.00 [mm4]");
    EXPECT_EQ(panel[3].toObject()["colour"].toString(), "neutral");
    EXPECT_EQ(panel[2].toObject()["colour"].toString(), "neutral");
}

TEST(CliSection, PipeFromTheMenuAndDensity)
{
    const CliRun r = cli({"section", "--kind", "ch", "--entry", "1/2\" pipe diameter:21,3x2,6", "--density",
                       "Aluminium : 2700", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_NEAR(o["Area"].toDouble(), 152.75, 0.01);
    EXPECT_NEAR(o["weight"].toDouble(), 152.75 * 2700 / 1e6, 1e-3);
}

TEST(CliSection, RejectedSectionExitsWithOne)
{
    const CliRun r = cli({"section", "--kind", "rh", "--dims", "20,20,11"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Error wrong data !\n");
}

TEST(CliSection, BadInputExitsWithTwoAndOneLine)
{
    for (const QStringList& args : {QStringList{"section", "--kind", "zz", "--dims", "1,2,3"},
                                    QStringList{"section", "--kind", "rh", "--dims", "4a,20,3"},
                                    QStringList{"section", "--kind", "rh", "--dims", "40,20"},
                                    QStringList{"section", "--kind", "rh", "--entry", "41x21x3"},
                                    QStringList{"section", "--kind", "ch", "--dims", "22,2", "--angle", "30"},
                                    QStringList{"section", "--kind", "rh", "--dims", "40,20,3", "--angle", "360"},
                                    QStringList{"section", "--kind", "rh", "--dims", "40,20,3", "--units", "12"},
                                    QStringList{"bogus"}}) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_GE(r.err.count('\n'), 1) << args.join(' ').toStdString();
    }
}

TEST(CliCatalogue, PrintsTheMenuInItsLineFormat)
{
    const CliRun r = cli({"catalogue", "--kind", "rh"});
    ASSERT_EQ(r.status, 0);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 92);
    EXPECT_EQ(lines[0], "Custom-designed section");
    EXPECT_TRUE(lines.contains("\t40x20x3"));
    const CliRun pipes = cli({"catalogue", "--kind", "ch"});
    EXPECT_EQ(pipes.out.split('\n', Qt::SkipEmptyParts).size(), 68);
    EXPECT_TRUE(pipes.out.contains("\t1/2\" pipe diameter:21,3x2,6\n"));
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
    EXPECT_EQ(cli({"picture", "--kind", "rh", "--dims", "40,20,3"}).status, 2); // no -o
}

TEST(CliSection, SolidKinds)
{
    const CliRun rs = cli({"section", "--kind", "rs", "--entry", "R.S. section :10x10", "--json"});
    ASSERT_EQ(rs.status, 0) << rs.err.toStdString();
    EXPECT_NEAR(QJsonDocument::fromJson(rs.out.toUtf8()).object()["Ixx"].toDouble(), 0.149254, 1e-6);
    const CliRun flat = cli({"section", "--kind", "flat", "--dims", "50,10", "--angle", "90", "--json"});
    ASSERT_EQ(flat.status, 0) << flat.err.toStdString();
    EXPECT_NEAR(QJsonDocument::fromJson(flat.out.toUtf8()).object()["Iy"].toDouble(), 0.41667, 1e-5);
    const CliRun cs = cli({"section", "--kind", "cs", "--dims", "20"});
    EXPECT_EQ(cs.status, 0);
    EXPECT_TRUE(cs.out.contains("\t  2.47 Kg/m\n"));
    EXPECT_EQ(cli({"section", "--kind", "cs", "--dims", "20", "--angle", "10"}).status, 2);
    EXPECT_EQ(cli({"section", "--kind", "flat", "--entry", "Ribbon section 10x..."}).status, 2);
}

TEST(CliProfile, PrintsARecordWithNamesAndUnits)
{
    const CliRun r = cli({"profile", "HR I80x42"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "HR I80x42\nweight: 5.95 kg/m\narea: 7.58 cm2\nIx: 77.8 cm4\nKx: 19.3 cm3\nIy: 6.29 cm4\n"
                     "Ky: 3 cm3\nsurface: 3180 cm2/m\ntw: 3.9 mm\ntf: 5.9 mm\n");
    const CliRun json = cli({"profile", "L section 30x45x5", "--json"});
    ASSERT_EQ(json.status, 0);
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_NEAR(o["Iy"].toObject()["value"].toDouble(), 2.47, 1e-12);
    EXPECT_EQ(o["Kx"].toObject()["unit"].toString(), "cm3");
    EXPECT_EQ(cli({"profile", "HR I81x42"}).status, 2);
}

TEST(CliCatalogue, EveryKindHasItsMenu)
{
    for (const char* kind : {"rh", "ch", "rs", "cs", "flat", "l", "t", "plate", "u", "i"}) {
        const CliRun r = cli({"catalogue", "--kind", kind});
        EXPECT_EQ(r.status, 0) << kind;
        EXPECT_GT(r.out.count('\n'), 10) << kind;
    }
    const CliRun i = cli({"section", "--kind", "i", "--entry", "HR I80x42", "--json"});
    ASSERT_EQ(i.status, 0) << i.err.toStdString();
    EXPECT_NEAR(QJsonDocument::fromJson(i.out.toUtf8()).object()["KxAbove"].toDouble(), 19.45, 1e-9);
    const CliRun u = cli({"section", "--kind", "u", "--dims", "40,10,3,3", "--arrangement", "box"});
    EXPECT_EQ(u.status, 0);
    EXPECT_TRUE(u.out.contains("2xU [] 40x10x(3x3) section features :"));
}

TEST(CliSection, PlatesGiveTheirWeightPerSquareMetre)
{
    const CliRun r = cli({"section", "--kind", "plate", "--entry", "0.5 mm steel plate"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("weightPerSquareMetre: 3.925\n"));
    EXPECT_TRUE(r.out.contains("G Weight /Area x Density/:\t3.925 Kg/m2\n"));
    EXPECT_EQ(cli({"section", "--kind", "plate", "--entry", "0.5 mm steel plate", "--angle", "10"}).status, 2);
    EXPECT_EQ(cli({"section", "--kind", "plate", "--dims", "1,2"}).status, 2);
}

TEST(CliSection, LimitsColourThePanelLines)
{
    // Area 3.24 cm2 within 0..100: green; Ix 1.89 above 0..1: yellow; Iy 6.08 below 10..20: red.
    const CliRun r = cli({"section", "--kind", "rh", "--dims", "40,20,3", "--limits", "0:100,0:1,10:20,,,,", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonArray panel = QJsonDocument::fromJson(r.out.toUtf8()).object()["panel"].toArray();
    EXPECT_EQ(panel[2].toObject()["colour"].toString(), "green");
    EXPECT_EQ(panel[3].toObject()["colour"].toString(), "yellow");
    EXPECT_EQ(panel[4].toObject()["colour"].toString(), "red");
    EXPECT_EQ(panel[5].toObject()["colour"].toString(), "neutral");
    const CliRun text = cli({"section", "--kind", "rh", "--dims", "40,20,3", "--limits", "0:100,,,,,,"});
    EXPECT_TRUE(text.out.contains("A /Area/    : \t3.24 [cm2]\tgreen\n"));
    const CliRun reversed = cli({"section", "--kind", "rh", "--dims", "40,20,3", "--limits", "5:1,,,,,,"});
    EXPECT_EQ(reversed.status, 2);
    EXPECT_TRUE(reversed.err.contains("--limits: pair 1 '5:1'")) << reversed.err.toStdString();
    const CliRun twoPoints = cli({"section", "--kind", "rh", "--dims", "40,20,3", "--limits", "1.2.3:5,,,,,,"});
    EXPECT_EQ(twoPoints.status, 2);
    EXPECT_TRUE(twoPoints.err.contains("'1.2.3:5'")) << twoPoints.err.toStdString();
    EXPECT_EQ(cli({"section", "--kind", "rh", "--dims", "40,20,3", "--limits", "0:1,0:1"}).status, 2);
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
    // A typed rectangle: Ix, plastic moduli and the torsion series are known.
    const CliRun r = cli({"section", "--kind", "rs", "--dims", "40,10", "--json", "--exact"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    const QJsonObject e = o["exact"].toObject();
    for (const char* key : {"A", "Ix", "Iy", "Ixy", "I1", "I2", "alpha", "ix", "iy", "WelXAbove", "WelXUnder",
                            "WelYLeft", "WelYRight", "WplX", "WplY", "It", "Iw", "Kt", "xs", "ys", "IxxDifference",
                            "KxxDifference"})
        EXPECT_TRUE(e.contains(key)) << key;
    EXPECT_NEAR(e["A"].toDouble(), 400, 1e-9);
    EXPECT_NEAR(e["Ix"].toDouble(), 40.0 * 1000 / 12 / 1e4, 1e-9);
    EXPECT_NEAR(e["WplX"].toDouble(), 40.0 * 100 / 4 / 1e3, 1e-6);
    EXPECT_NEAR(e["It"].toDouble(), 1.1240, 0.0012); // 0.281 a b^3 for a = 4 b
    EXPECT_NEAR(e["IxxDifference"].toDouble(), 100 * (o["Ixx"].toDouble() / e["It"].toDouble() - 1), 1e-9);

    // An upright I has its larger plastic modulus about X; turned a quarter,
    // about Y.
    const CliRun upright = cli({"section", "--kind", "i", "--entry", "IPE 200x100", "--json", "--exact"});
    const CliRun turned = cli({"section", "--kind", "i", "--entry", "IPE 200x100", "--angle", "90", "--json", "--exact"});
    const QJsonObject u = QJsonDocument::fromJson(upright.out.toUtf8()).object()["exact"].toObject();
    const QJsonObject t = QJsonDocument::fromJson(turned.out.toUtf8()).object()["exact"].toObject();
    EXPECT_GT(u["WplX"].toDouble(), u["WplY"].toDouble());
    EXPECT_NEAR(t["WplY"].toDouble(), u["WplX"].toDouble(), 1e-6 * u["WplX"].toDouble());

    const CliRun text = cli({"section", "--kind", "i", "--entry", "IPE 200x100", "--exact"});
    EXPECT_TRUE(text.out.contains("\nexact It: ")) << text.out.toStdString();

    // What the panel refuses has no exact values either.
    const CliRun refused = cli({"section", "--kind", "i", "--dims", "50,100,50,3", "--exact"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_FALSE(refused.out.contains("exact"));
}
