// morvane-cli --language: panel lines and menus in the chosen language.
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {
struct LanguageRun {
    int status = -1;
    QString out;
    QString err;
};

LanguageRun run(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(MORVANE_CLI_PATH), args);
    p.waitForFinished(20000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}
} // namespace

TEST(CliLanguage, SectionPanelInHungarianAndDutch)
{
    const LanguageRun hu = run({"section", "--kind", "rh", "--dims", "40,20,3", "--language", "hu"});
    ASSERT_EQ(hu.status, 0) << hu.err.toStdString();
    EXPECT_TRUE(hu.out.contains("Area: 324\n"));
    EXPECT_TRUE(hu.out.contains(utf8("G T\xc3\xb6meg /Ter\xc3\xbclet x S\xc5\xb1r\xc5\xb1s\xc3\xa9g/:\t2.54 [Kg/m]\n")))
        << hu.out.toStdString();
    EXPECT_TRUE(hu.out.contains(utf8(" Z\xc3\xa1rtszelv\xc3\xa9ny jellemz\xc5\x91i :\n"))) << hu.out.toStdString();
    const LanguageRun nl = run({"section", "--kind", "rh", "--dims", "40,20,3", "--language", "nl"});
    ASSERT_EQ(nl.status, 0);
    EXPECT_TRUE(nl.out.contains("Ix /Traagheidsmoment/  : \t1.89 [cm4]\n")) << nl.out.toStdString();
    // English stays the default.
    const LanguageRun en = run({"section", "--kind", "rh", "--dims", "40,20,3", "--language", "en"});
    EXPECT_TRUE(en.out.contains("Ix /Moment of Inertia/  : \t1.89 [cm4]\n"));
}

TEST(CliLanguage, EntriesByTheirShownOrOwnText)
{
    // The Dutch U menu shows "Warmgewalst U50x38" for "HR U50x38": same record.
    const LanguageRun shown = run({"section", "--kind", "u", "--entry", "Warmgewalst U50x38", "--language", "nl", "--json"});
    const LanguageRun own = run({"section", "--kind", "u", "--entry", "HR U50x38", "--json"});
    ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
    ASSERT_EQ(own.status, 0);
    const QJsonObject a = QJsonDocument::fromJson(shown.out.toUtf8()).object();
    const QJsonObject b = QJsonDocument::fromJson(own.out.toUtf8()).object();
    EXPECT_DOUBLE_EQ(a["Ix"].toDouble(), b["Ix"].toDouble());
    EXPECT_GT(a["Ix"].toDouble(), 0);
    const LanguageRun ownInDutch = run({"section", "--kind", "u", "--entry", "HR U50x38", "--language", "nl"});
    EXPECT_EQ(ownInDutch.status, 0);
    const LanguageRun solid =
        run({"section", "--kind", "rs", "--entry", utf8("T\xc3\xb6m\xc3\xb6r n\xc3\xa9gysz\xc3\xb6g szelv\xc3\xa9ny  :10x10"),
             "--language", "hu", "--json"});
    ASSERT_EQ(solid.status, 0) << solid.err.toStdString();
    EXPECT_NEAR(QJsonDocument::fromJson(solid.out.toUtf8()).object()["Ixx"].toDouble(), 0.149254, 1e-6);
    // A shown group heading is refused as in English.
    EXPECT_EQ(run({"section", "--kind", "u", "--entry", "Warmgewalst U  profiel", "--language", "nl"}).status, 2);
}

TEST(CliLanguage, AmbiguousOrUnknownInputIsRefused)
{
    // Hot and cold rolled sizes read alike in Hungarian: the own text decides.
    const LanguageRun both =
        run({"section", "--kind", "l", "--entry", utf8("L szelv\xc3\xa9ny 30x30x3"), "--language", "hu"});
    EXPECT_EQ(both.status, 2);
    EXPECT_TRUE(both.err.contains("CR L section 30x30x3")) << both.err.toStdString();
    EXPECT_EQ(run({"section", "--kind", "l", "--entry", "CR L section 30x30x3", "--language", "hu"}).status, 0);
    EXPECT_EQ(run({"section", "--kind", "rh", "--dims", "40,20,3", "--language", "de"}).status, 2);
    EXPECT_EQ(run({"catalogue", "--kind", "rh", "--language", ""}).status, 2);
    // An English text that the Dutch menu does not show and that is no entry's own text.
    EXPECT_EQ(run({"section", "--kind", "rs", "--entry", "Rect. solid section  :10x10", "--language", "nl"}).status, 2);
}

TEST(CliLanguage, CatalogueMenusInTheLanguage)
{
    const LanguageRun u = run({"catalogue", "--kind", "u", "--language", "hu"});
    ASSERT_EQ(u.status, 0);
    const QStringList lines = u.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 221);
    EXPECT_EQ(lines[0], utf8("Egyedi szelv\xc3\xa9ny"));
    EXPECT_EQ(lines[2], "\tMelegen hengerelt U50x38");
    const LanguageRun plates = run({"catalogue", "--kind", "plate", "--language", "nl"});
    EXPECT_TRUE(plates.out.startsWith("Steel plates\n\t0.5 mm steel plate\n"));
    const LanguageRun stored = run({"catalogue", "--kind", "rs"});
    EXPECT_TRUE(stored.out.contains("\nR.S. section :5x5\n"));
    const LanguageRun english = run({"catalogue", "--kind", "rs", "--language", "en"});
    EXPECT_TRUE(english.out.contains("\nRect. solid section  :5x5\n"));
}
