// morvane-cli --language: panel lines and menus in the chosen language.
#include "cli_run.h"

#include <gtest/gtest.h>

namespace {
QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}
} // namespace

TEST(CliLanguage, SectionPanelInHungarianAndDutch)
{
    const QStringList tube{"section", "--kind", "rh", "--dims", "40,20,3", "--language"};
    const CliRun hu = cli(tube + QStringList{"hu"});
    ASSERT_EQ(hu.status, 0) << hu.err.toStdString();
    EXPECT_TRUE(hu.out.contains("Area: 324\n"));
    EXPECT_TRUE(hu.out.contains(utf8("G T\xc3\xb6meg /Ter\xc3\xbclet x S\xc5\xb1r\xc5\xb1s\xc3\xa9g/:\t2.54 [Kg/m]\n")))
        << hu.out.toStdString();
    EXPECT_TRUE(hu.out.contains(utf8(" Z\xc3\xa1rtszelv\xc3\xa9ny jellemz\xc5\x91i :\n"))) << hu.out.toStdString();
    EXPECT_TRUE(cli(tube + QStringList{"nl"}).out.contains("Ix /Traagheidsmoment/  : \t1.89 [cm4]\n"));
    // English stays the default.
    EXPECT_TRUE(cli(tube + QStringList{"en"}).out.contains("Ix /Moment of Inertia/  : \t1.89 [cm4]\n"));
}

TEST(CliLanguage, EntriesByTheirShownOrOwnText)
{
    // The Dutch U menu shows "Warmgewalst U50x38" for "HR U50x38": same record.
    const CliRun shown = cli({"section", "--kind", "u", "--entry", "Warmgewalst U50x38", "--language", "nl", "--json"});
    const CliRun own = cli({"section", "--kind", "u", "--entry", "HR U50x38", "--json"});
    ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
    ASSERT_EQ(own.status, 0);
    EXPECT_DOUBLE_EQ(shown.json()["Ix"].toDouble(), own.json()["Ix"].toDouble());
    EXPECT_GT(shown.json()["Ix"].toDouble(), 0);
    EXPECT_EQ(cli({"section", "--kind", "u", "--entry", "HR U50x38", "--language", "nl"}).status, 0);
    const CliRun solid =
        cli({"section", "--kind", "rs", "--entry", utf8("T\xc3\xb6m\xc3\xb6r n\xc3\xa9gysz\xc3\xb6g szelv\xc3\xa9ny  :10x10"),
             "--language", "hu", "--json"});
    ASSERT_EQ(solid.status, 0) << solid.err.toStdString();
    EXPECT_NEAR(solid.json()["Ixx"].toDouble(), 0.149254, 1e-6);
}

TEST(CliLanguage, AmbiguousOrUnknownInputIsRefused)
{
    // Hot and cold rolled sizes read alike in Hungarian: the own text decides.
    const CliRun both = cli({"section", "--kind", "l", "--entry", utf8("L szelv\xc3\xa9ny 30x30x3"), "--language", "hu"});
    EXPECT_EQ(both.status, 2);
    EXPECT_TRUE(both.err.contains("CR L section 30x30x3")) << both.err.toStdString();
    EXPECT_EQ(cli({"section", "--kind", "l", "--entry", "CR L section 30x30x3", "--language", "hu"}).status, 0);
    const QList<QStringList> refused{
        {"section", "--kind", "rh", "--dims", "40,20,3", "--language", "de"},
        {"catalogue", "--kind", "rh", "--language", ""},
        // A shown group heading is refused as in English.
        {"section", "--kind", "u", "--entry", "Warmgewalst U  profiel", "--language", "nl"},
        // An English text that the Dutch menu does not show and that is no entry's own text.
        {"section", "--kind", "rs", "--entry", "Rect. solid section  :10x10", "--language", "nl"},
    };
    for (const QStringList& args : refused)
        EXPECT_EQ(cli(args).status, 2) << joined(args);
}

TEST(CliLanguage, CatalogueMenusInTheLanguage)
{
    const CliRun u = cli({"catalogue", "--kind", "u", "--language", "hu"});
    ASSERT_EQ(u.status, 0);
    EXPECT_TRUE(u.out.startsWith(utf8("Egyedi szelv\xc3\xa9ny\nMelegen hengerelt U  szelv\xc3\xa9ny\n"
                                      "\tMelegen hengerelt U50x38\n")))
        << u.out.left(200).toStdString();
    EXPECT_TRUE(cli({"catalogue", "--kind", "plate", "--language", "nl"})
                    .out.startsWith("Steel plates\n\t0.5 mm steel plate\n"));
    EXPECT_TRUE(cli({"catalogue", "--kind", "rs"}).out.contains("\nR.S. section :5x5\n"));
    EXPECT_TRUE(cli({"catalogue", "--kind", "rs", "--language", "en"}).out.contains("\nRect. solid section  :5x5\n"));
}
