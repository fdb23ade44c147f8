#include "settings/file_association.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// An environment whose data, configuration and caches all live in one
// temporary folder, so that nothing of the user's own desktop is touched.
QProcessEnvironment isolated(const QTemporaryDir& dir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dir.filePath("data"));
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.insert("XDG_CACHE_HOME", dir.filePath("cache"));
    env.insert("XDG_DATA_DIRS", dir.filePath("system"));
    env.insert("XDG_CURRENT_DESKTOP", "X-Generic");
    return env;
}

QString run(const QProcessEnvironment& env, const QString& program, const QStringList& arguments, int* code = nullptr)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    p.waitForFinished(60000);
    if (code)
        *code = p.exitCode();
    return QString::fromUtf8(p.readAll()).trimmed();
}

bool haveTools(QString& missing)
{
    for (const char* tool : {"update-mime-database", "update-desktop-database", "xdg-mime", "desktop-file-validate",
                             "mimetype"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing += QString::fromLatin1(tool) + QLatin1Char(' ');
    return missing.isEmpty();
}
} // namespace

// Plain paths stay unquoted; reserved characters are quoted and escaped; a
// percent sign is doubled either way.
TEST(DesktopExec, ReservedCharactersAreQuotedAndEscaped)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/morvane", "/usr/bin/morvane"},
        {"morvane", "morvane"},
        {"/opt/x+y/morvane-3.1", "/opt/x+y/morvane-3.1"},
        {"/home/ann/my programs/morvane", "\"/home/ann/my programs/morvane\""},
        {"/a$b/m", "\"/a\\$b/m\""},
        {"/a\"b`c/m", "\"/a\\\"b\\`c/m\""},
        {"/a\\b/m", "\"/a\\\\b/m\""},
        {"/a'b(c)/m", "\"/a'b(c)/m\""},
        {"/100%/m", "/100%%/m"},
        {"/100% sure/m", "\"/100%% sure/m\""},
    };
    for (const auto& [path, argument] : cases)
        EXPECT_EQ(desktopExecArgument(path), argument) << path;
}

TEST(DesktopExec, BackslashIsEscapedOnceMoreAsAStringValue)
{
    // The argument rule gives \\, the string rule doubles each of them again.
    EXPECT_EQ(desktopStringValue(desktopExecArgument("/a\\b/m")), "\"/a\\\\\\\\b/m\"");
    EXPECT_EQ(desktopStringValue("a\nb\tc"), "a\\nb\\tc");
}

TEST(DesktopEntry, StartsTheProgramWithOneFileOfTheJobTypeDeclaredCaseInsensitive)
{
    const QStringList lines = desktopEntryText("/home/ann/my programs/morvane").split('\n');
    for (const QString& line : {QStringLiteral("[Desktop Entry]"), QStringLiteral("Type=Application"),
                                QStringLiteral("Exec=\"/home/ann/my programs/morvane\" %f"),
                                QStringLiteral("MimeType=application/x-morvane-job;"), "Icon=" + ApplicationId})
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    EXPECT_EQ(lines.filter(QRegularExpression("^Exec=")).size(), 1);
    const QByteArray xml = mimePackageText();
    for (const QByteArray& element : {QByteArray("<mime-type type=\"application/x-morvane-job\">"),
                                      QByteArray("<glob pattern=\"*.mvn\" case-sensitive=\"false\"/>"),
                                      QByteArray("<comment>"), "<icon name=\"" + ApplicationId.toUtf8() + "\"/>"})
        EXPECT_TRUE(xml.contains(element)) << element.toStdString();
}

TEST(ApplicationIcon, HasAPictureAtEverySizeOfTheTheme)
{
    for (const int size : ApplicationIconSizes)
        EXPECT_EQ(QImage(applicationIconResource(size)).size(), QSize(size, size)) << size;
    EXPECT_EQ(applicationIcon().availableSizes().size(), qsizetype(ApplicationIconSizes.size()));
    EXPECT_TRUE(readAll(applicationIconResource(0)).contains("<svg"));
}

TEST(XdgFileAssociation, DataHomeFollowsTheEnvironment)
{
    QProcessEnvironment env;
    env.insert("HOME", "/home/ann");
    EXPECT_EQ(XdgFileAssociation(env).dataHome(), "/home/ann/.local/share");
    env.insert("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(XdgFileAssociation(env).dataHome(), "/home/ann/.local/share");
    env.insert("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(XdgFileAssociation(env).dataHome(), "/srv/data");
}

TEST(XdgFileAssociation, NamesTheStepThatFailed)
{
    QTemporaryDir dir;
    const QProcessEnvironment env = isolated(dir);
    ASSERT_TRUE(QDir().mkpath(dir.filePath("data")));

    // A file where the MIME folder should be.
    {
        QFile blocker(dir.filePath("data/mime"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    AssociationResult r = XdgFileAssociation(env).assign("/usr/bin/morvane");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.failedStep.endsWith("/mime/packages/morvane.xml")) << r.failedStep.toStdString();
    EXPECT_TRUE(associationFailureText(r).startsWith("Associate application with *.mvn failed at:\n"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("data/applications/org.morvane.Morvane.desktop")));

    QString missing;
    if (!haveTools(missing))
        GTEST_SKIP() << "missing: " << missing.toStdString();
    // A file where the applications folder should be: the MIME steps pass.
    ASSERT_TRUE(QFile::remove(dir.filePath("data/mime")));
    {
        QFile blocker(dir.filePath("data/applications"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    r = XdgFileAssociation(env).assign("/usr/bin/morvane");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.failedStep.endsWith("/applications/org.morvane.Morvane.desktop")) << r.failedStep.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("data/mime/mime.cache")));
}

TEST(XdgFileAssociation, AfterAssignTheDesktopOpensJobsWithTheProgram)
{
    QString missing;
    if (!haveTools(missing))
        GTEST_SKIP() << "missing: " << missing.toStdString();
    QTemporaryDir dir;
    const QProcessEnvironment env = isolated(dir);
    const QString program = dir.filePath("my programs/morvane");
    // The entry an earlier version wrote, by the program's name.
    const QString earlierEntry = dir.filePath("data/applications/morvane.desktop");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("data/applications")));
    QFile(earlierEntry).open(QIODevice::WriteOnly);

    const AssociationResult r = XdgFileAssociation(env).assign(program);
    ASSERT_TRUE(r.ok) << associationFailureText(r).toStdString();
    EXPECT_FALSE(QFileInfo::exists(earlierEntry));
    // The icon the entry and the job type name, in the user's hicolor theme.
    const std::pair<const char*, const char*> icons[] = {
        {"scalable/apps/org.morvane.Morvane.svg", ":/settings/data/icons/org.morvane.Morvane.svg"},
        {"256x256/apps/org.morvane.Morvane.png", ":/settings/data/icons/256x256.png"},
    };
    for (const auto& [installed, resource] : icons) {
        const QByteArray bytes = readAll(dir.filePath("data/icons/hicolor/") + installed);
        EXPECT_EQ(bytes, readAll(resource)) << installed;
        EXPECT_TRUE(bytes.startsWith("\x89PNG") || bytes.startsWith("<?xml")) << installed;
    }

    const QString entry = dir.filePath("data/applications/org.morvane.Morvane.desktop");
    int code = -1;
    const QString validation = run(env, "desktop-file-validate", {entry}, &code);
    EXPECT_EQ(code, 0) << validation.toStdString();
    EXPECT_EQ(validation, QString());
    EXPECT_TRUE(readAll(entry).contains("Exec=\"" + program.toUtf8() + "\" %f"));

    for (const char* name : {"some.mvn", "SHOUT.MVN", "with blank.Mvn"}) {
        QFile job(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(job.open(QIODevice::WriteOnly));
        job.write("x");
        job.close();
        EXPECT_EQ(run(env, "xdg-mime", {"query", "filetype", job.fileName()}), "application/x-morvane-job") << name;
    }
    EXPECT_EQ(run(env, "xdg-mime", {"query", "default", "application/x-morvane-job"}), "org.morvane.Morvane.desktop");
    EXPECT_TRUE(readAll(dir.filePath("data/applications/mimeinfo.cache")).contains("application/x-morvane-job=org.morvane.Morvane.desktop"));

    // A second "Assign" (say after the program moved) replaces the entry.
    ASSERT_TRUE(XdgFileAssociation(env).assign("/usr/local/bin/morvane").ok);
    EXPECT_TRUE(readAll(entry).contains("Exec=/usr/local/bin/morvane %f"));
    EXPECT_EQ(run(env, "xdg-mime", {"query", "default", "application/x-morvane-job"}), "org.morvane.Morvane.desktop");
}
