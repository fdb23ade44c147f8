// morvane-cli under hostile input: numbers that do not fit, impossible
// sections and file names that are not UTF-8. (How numbers are read is
// checked in the sections tests; here, what the program prints of them.)
#include "cli_run.h"

#include <QJsonArray>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

// A typed density keeps what the window's density field keeps of it (its
// digits and first point); list items pass whole. 40x20x3 has 324 mm2.
TEST(CliBadInput, DensityPassesTheDensityFieldsFilter)
{
    const struct {
        const char* text;
        double density;
    } cases[] = {{"x : -1e308", 1308}, {"-5", 5}, {"1e300", 1300}, {"1e5000", 15000}, {"7.85.1", 7.851},
                 {"Aluminium : 2700", 2700}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const CliRun r = cli({"section", "--kind", "rh", "--dims", "40,20,3", "--density", c.text, "--json"});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_NEAR(r.json()["weight"].toDouble(), 324 * c.density / 1e6, 1e-9);
    }
    QTemporaryDir dir;
    const QString job = dir.filePath("job.mvn");
    ASSERT_EQ(cli({"job", "add", job, "--kind", "rh", "--dims", "40,20,3", "--density", "-5"}).status, 0);
    const QJsonObject shown = cli({"job", "show", job, "--json"}).json();
    EXPECT_EQ(shown["items"].toArray()[0].toObject()["cells"].toArray()[4].toString(), "5");
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
        SCOPED_TRACE(joined(c));
        const CliRun r = cli(QStringList{"section"} + c);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.out.contains("Error wrong data !"));
        EXPECT_FALSE(r.out.contains("Area:"));
        const QString png = dir.filePath("p.png");
        EXPECT_EQ(cli(QStringList{"picture"} + c + QStringList{"-o", png}).status, 1);
        EXPECT_FALSE(QFile::exists(png));
    }
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
