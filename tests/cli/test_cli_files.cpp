// morvane-cli's files under hostile conditions: a disk that fills up, several
// writers of one job, names that are not UTF-8, devices and links where files
// are expected.
#include "itemlist/job_file.h"
#include "settings/settings_store.h"

#include "../common/full_disk.h"
#include "cli_run.h"

#include <QDir>
#include <QJsonArray>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <sys/stat.h>

namespace {
const QStringList AddHollow{"--kind", "rh", "--dims", "40,20,3"};

int itemCount(const QString& job)
{
    return cli({"job", "show", job, "--json"}).json()["count"].toInt();
}

// Runs a shell line with the program as $0: bash's $'...' quoting puts bytes
// that are not UTF-8 into arguments, which QProcess cannot.
CliRun shell(const QString& line, const QString& folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral("bash"), {QStringLiteral("-c"), line, QStringLiteral(MORVANE_CLI_PATH)});
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

bool nativeExists(const QString& folder, const QByteArray& name)
{
    struct stat info {};
    return ::lstat((QFile::encodeName(folder) + '/' + name).constData(), &info) == 0;
}

using CliSafeSaving = CliJobFolder;
} // namespace

TEST_F(CliSafeSaving, WritersOfOneJobTakeTurnsAndNoItemIsLost)
{
    ASSERT_EQ(cli(QStringList{"job", "add", path} + AddHollow).status, 0);
    constexpr int Writers = 4;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < Writers; ++i) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QStringLiteral(MORVANE_CLI_PATH),
                              QStringList{"job", "add", path, "--kind", "rh", "--dims",
                                          QStringLiteral("%1,20,3").arg(50 + i)});
    }
    QStringList designations;
    for (auto& p : writers) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    const QJsonObject shown = cli({"job", "show", path, "--json"}).json();
    ASSERT_EQ(shown["count"].toInt(), Writers + 1);
    for (const QJsonValue& item : shown["items"].toArray())
        designations << item.toObject()["cells"].toArray()[2].toString();
    for (int i = 0; i < Writers; ++i)
        EXPECT_TRUE(designations.contains(QStringLiteral("%1x20x3 RH Section").arg(50 + i))) << joined(designations);
    EXPECT_FALSE(QFile::exists(path + ".lock"));
}

TEST_F(CliSafeSaving, NamesThatAreNotUtf8ReachTheNamedFile)
{
    const QString folder = dir.path();
    const CliRun add = shell(R"(cd "$PWD" && "$0" job add $'job\xe9.mvn' --kind rh --dims 40,20,3 &&
                                "$0" job add $'job\xe9.mvn' --kind rh --dims 50,20,3 &&
                                "$0" job show $'job\xe9.mvn' --json)", folder);
    ASSERT_EQ(add.status, 0) << add.err.toStdString();
    EXPECT_EQ(add.json()["count"].toInt(), 2);
    EXPECT_TRUE(nativeExists(folder, "job\xe9.mvn"));
    const CliRun out = shell(R"("$0" print $'job\xe9.mvn' --pdf $'out\xe9.pdf' && "$0" report $'job\xe9.mvn' -o $'rep\xe9' &&
                                "$0" picture --kind rh --dims 40,20,3 -o $'pic\xff\xfe.png')", folder);
    ASSERT_EQ(out.status, 0) << out.err.toStdString();
    EXPECT_TRUE(nativeExists(folder, "out\xe9.pdf"));
    EXPECT_TRUE(nativeExists(folder, "rep\xe9/kep2.jpg"));
    EXPECT_TRUE(nativeExists(folder, "rep\xe9/morvane_report.html"));
    EXPECT_TRUE(nativeExists(folder, "pic\xff\xfe.png"));
    // Nothing went to the names the decoded text would give.
    EXPECT_FALSE(nativeExists(folder, "job\xef\xbf\xbd.mvn"));
    EXPECT_FALSE(nativeExists(folder, "out\xef\xbf\xbd.pdf"));
    EXPECT_FALSE(nativeExists(folder, "rep\xef\xbf\xbd"));
    EXPECT_EQ(shell("ls -A | wc -l", folder).out.trimmed(), "4"); // no temporary left behind
    shell(R"(rm -rf -- "$PWD"/*)", folder); // QTemporaryDir cannot name these files
}

TEST_F(CliSafeSaving, OversizedFilesAreRefusedUnread)
{
    QFile huge(path);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(largestJobFileSize() + 1)); // sparse
    huge.close();
    for (const QStringList& args : {QStringList{"job", "show", path}, QStringList{"job", "add", path} + AddHollow,
                                    QStringList{"print", path, "--pdf", dir.filePath("a.pdf")},
                                    QStringList{"report", path, "-o", dir.filePath("r")}}) {
        SCOPED_TRACE(joined(args));
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains("larger than")) << r.err.toStdString();
    }
    EXPECT_EQ(QFileInfo(path).size(), largestJobFileSize() + 1);
}

TEST_F(CliSafeSaving, ReportReplacesLinksInItsFolderAndLeavesTheirTargets)
{
    ASSERT_EQ(cli(QStringList{"job", "add", path} + AddHollow).status, 0);
    const QString folder = dir.filePath("report");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString target = dir.filePath("precious.txt");
    ASSERT_TRUE(writeBytes(target, "precious"));
    ASSERT_TRUE(QFile::link(target, folder + "/kep1.jpg"));
    ASSERT_TRUE(QFile::link(target, folder + "/morvane_report.html"));
    const CliRun r = cli({"report", path, "-o", folder});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(bytesOf(target), "precious");
    EXPECT_FALSE(QFileInfo(folder + "/kep1.jpg").isSymLink());
    EXPECT_TRUE(bytesOf(folder + "/kep1.jpg").startsWith("\xff\xd8"));
    EXPECT_TRUE(bytesOf(folder + "/morvane_report.html").contains("kep1.jpg"));
}

// On a disk with too little room every save exits 1 and leaves the old
// file byte for byte.
TEST_F(CliSafeSaving, FullDiskLeavesEveryOldFileAndExitsOne)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.why();
    // One item, its PDF without pictures and its report take some 40 of the 64 KiB.
    ASSERT_EQ(cli(QStringList{"job", "add", path} + AddHollow).status, 0);
    const QString job = disk.filePath("job.mvn");
    const QString pdf = disk.filePath("job.pdf");
    const QString report = disk.filePath("report");
    ASSERT_TRUE(QFile::copy(path, job));
    ASSERT_EQ(cli({"print", job, "--pdf", pdf, "--no-pictures"}).status, 0);
    ASSERT_EQ(cli({"report", job, "-o", report}).status, 0);
    const QByteArray oldJob = bytesOf(job), oldPdf = bytesOf(pdf);
    const QByteArray oldPage = bytesOf(report + "/morvane_report.html");
    ASSERT_TRUE(oldPdf.trimmed().endsWith("%%EOF"));
    ASSERT_TRUE(fillDisk(disk, 8 * 1024));

    const CliRun add = cli(QStringList{"job", "add", job, "--kind", "i", "--entry", "HR I100x50"});
    EXPECT_EQ(add.status, 1);
    EXPECT_TRUE(add.err.contains("Error writing/closing file " + job)) << add.err.toStdString();
    EXPECT_TRUE(add.err.contains("Please remove the write protection !"));
    EXPECT_TRUE(add.err.contains("No space left on device")) << add.err.toStdString(); // the save, not the lock
    EXPECT_EQ(bytesOf(job), oldJob);
    EXPECT_EQ(itemCount(job), 1);

    ASSERT_TRUE(fillDisk(disk, 0));
    const CliRun print = cli({"print", job, "--pdf", pdf, "--no-pictures", "--copies", "3"});
    EXPECT_EQ(print.status, 1);
    EXPECT_FALSE(print.out.contains("pages:"));
    EXPECT_EQ(bytesOf(pdf), oldPdf);

    const CliRun again = cli({"report", job, "-o", report, "--image-size", "100"});
    EXPECT_EQ(again.status, 1);
    EXPECT_FALSE(again.err.isEmpty());
    EXPECT_EQ(bytesOf(report + "/morvane_report.html"), oldPage);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files).size(), 3) << joined(QDir(disk.path()).entryList(QDir::Files));
}

TEST_F(CliSafeSaving, ReportWithoutAFolderGoesToTheSettingsFolder)
{
    ASSERT_EQ(cli(QStringList{"job", "add", path} + AddHollow).status, 0);
    const QString config = dir.filePath("config");
    const QString folder = dir.filePath("stored");
    {
        QSettingsStore store(config + "/Morvane/Morvane.conf");
        ASSERT_TRUE(writeShutdownSettings(store, 0, folder));
    }
    const CliRun r = cli({"report", path}, config);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, folder + "/morvane_report.html\n");
    EXPECT_TRUE(QFileInfo(folder + "/kep1.jpg").isFile());
}
