// morvane-cli under hostile input: numbers that do not fit, impossible
// sections, non-ASCII digits, long numbers and file names that are not UTF-8.
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct CliOutcome {
    int status = -1;
    QString out;
    QString err;
};

CliOutcome cliRun(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(MORVANE_CLI_PATH), args);
    p.waitForFinished(20000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QJsonObject json(const CliOutcome& r)
{
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
}
} // namespace

TEST(CliBadInput, DensityThatDoesNotFitIsRefusedNotReadAsItsExponent)
{
    for (const char* density : {"1e5000", "1e-5000", "1.5e4933", "1e4932"}) {
        const CliOutcome r = cliRun({"section", "--kind", "rh", "--dims", "40,20,3", "--density", density});
        EXPECT_EQ(r.status, 0) << density;
        EXPECT_TRUE(r.out.contains("\nweight: 0\n")) << density << r.out.toStdString();
        EXPECT_TRUE(r.out.contains("G Weight /Area x Density/:\t0.00 [Kg/m]\n")) << density;
        EXPECT_TRUE(r.err.contains("Error wrong data !")) << density;
        const CliOutcome j = cliRun({"section", "--kind", "rh", "--dims", "40,20,3", "--density", density, "--json"});
        EXPECT_TRUE(json(j)["weight"].isDouble()) << density;
        EXPECT_EQ(json(j)["weight"].toDouble(), 0.0) << density;
    }
}

TEST(CliBadInput, LargeDensityShowsItsWeightWholeAndJsonAgrees)
{
    const CliOutcome r = cliRun({"section", "--kind", "rh", "--dims", "40,20,3", "--density", "1e300"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_FALSE(r.out.contains("\t0 [Kg/m]")) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains("inf"));
    EXPECT_TRUE(r.out.contains("G Weight /Area x Density/:\t32400000000000000")) << r.out.toStdString();
    const CliOutcome j = cliRun({"section", "--kind", "rh", "--dims", "40,20,3", "--density", "1e300", "--json"});
    ASSERT_TRUE(json(j)["weight"].isDouble()) << j.out.toStdString();
    EXPECT_NEAR(json(j)["weight"].toDouble() / 3.24e296, 1.0, 1e-12);
}

TEST(CliBadInput, ImpossibleSectionsExitWithOneAndHaveNoPicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QList<QStringList> cases{{"--kind", "l", "--dims", "0.5,0.5,0.01"},
                                   {"--kind", "u", "--dims", "2,0.5,1,0.01", "--arrangement", "box"},
                                   {"--kind", "cs", "--dims", "0"},
                                   {"--kind", "rs", "--dims", "0,20"}};
    for (const QStringList& c : cases) {
        const CliOutcome r = cliRun(QStringList{"section"} + c);
        EXPECT_EQ(r.status, 1) << c.join(' ').toStdString();
        EXPECT_TRUE(r.out.contains("Error wrong data !")) << c.join(' ').toStdString();
        EXPECT_FALSE(r.out.contains("Area:")) << c.join(' ').toStdString();
        const QString png = dir.filePath("p.png");
        const CliOutcome p = cliRun(QStringList{"picture"} + c + QStringList{"-o", png});
        EXPECT_EQ(p.status, 1) << c.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(png)) << c.join(' ').toStdString();
    }
}

TEST(CliBadInput, ProfileLooksUpRecordNamesOnly)
{
    for (const char* text : {"5.59", "2380", "3.925"}) {
        const CliOutcome r = cliRun({"profile", text});
        EXPECT_EQ(r.status, 2) << text;
        EXPECT_TRUE(r.out.isEmpty()) << text << r.out.toStdString();
    }
}

TEST(CliBadInput, UnitDigitsAreAsciiOneToThree)
{
    for (const QString& digits : {QString::fromUtf8("11\u06622233"), QString::fromUtf8("\uff11122233")}) {
        const CliOutcome r = cliRun({"section", "--kind", "rh", "--dims", "40,20,3", "--units", digits});
        EXPECT_EQ(r.status, 2) << digits.toStdString();
        EXPECT_TRUE(r.err.contains("--units")) << digits.toStdString();
    }
}

TEST(CliBadInput, LimitNumbersOfAnyLength)
{
    // 1e-201 to 5e130: the area of 3.24 cm2 lies between them.
    const QString min = QStringLiteral("0.") + QString(200, QLatin1Char('0')) + QStringLiteral("1");
    const QString max = QStringLiteral("5") + QString(130, QLatin1Char('0')) + QStringLiteral(".5");
    const CliOutcome r = cliRun({"section", "--kind", "rh", "--dims", "40,20,3", "--limits", min + ":" + max + ",,,,,,"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("A /Area/    : \t3.24 [cm2]\tgreen\n")) << r.out.toStdString();
}

TEST(CliBadInput, PictureFileNameBytesPassThrough)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The shell hands the program a name with the bytes 0xFF 0xFE, which are not UTF-8.
    const QByteArray folder = QFile::encodeName(dir.path());
    QProcess p;
    p.start(QStringLiteral("/bin/sh"),
            {"-c", "exec \"$0\" picture --kind rh --dims 40,20,3 -o \"$1/pic_$(printf '\\377\\376').png\"",
             QStringLiteral(MORVANE_CLI_PATH), dir.path()});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QByteArray wanted = folder + "/pic_\xff\xfe.png";
    struct stat info {};
    EXPECT_EQ(::stat(wanted.constData(), &info), 0);
    EXPECT_GT(info.st_size, 100);
    // Nothing else was written: no mangled name, no temporary left behind.
    // (Qt cannot name such files, so the folder is read and emptied here.)
    QList<QByteArray> names;
    if (DIR* folderStream = ::opendir(folder.constData())) {
        while (const dirent* e = ::readdir(folderStream))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                names << QByteArray(e->d_name);
        ::closedir(folderStream);
    }
    EXPECT_EQ(names, QList<QByteArray>{"pic_\xff\xfe.png"});
    for (const QByteArray& name : names)
        ::unlink((folder + '/' + name).constData());
}
