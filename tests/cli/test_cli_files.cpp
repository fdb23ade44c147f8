// The files morvane-cli writes: the print command's options reach the PDF
// (read back with the poppler tools); several writers of one job take turns;
// names that are not UTF-8 reach their files; the report folder kept in the
// settings. (Files too large to read, a full disk and links in place of files
// are the save routine's and the job reader's, checked in the base and
// itemlist tests.)
#include "settings/settings_store.h"

#include "cli_run.h"
#include "../output/pdf_tools.h"

#include <QJsonArray>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <sys/stat.h>

namespace {
const QStringList AddHollow{"--kind", "rh", "--dims", "40,20,3"};

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
using CliPrint = CliJobFolder;

CliRun print(const QStringList& args)
{
    return cli(QStringList{"print"} + args);
}

// A job of count - 1 tubes 40x20x3 and an I beam last, listed as "job add" lists them.
void writeTubes(const QString& path, int count)
{
    for (int r = 1; r < count; ++r)
        ASSERT_EQ(cli({"job", "add", path, "--kind", "rh", "--dims", "40,20,3"}).status, 0);
    ASSERT_EQ(cli({"job", "add", path, "--kind", "i", "--entry", "HR I80x42"}).status, 0);
}

int reported(const QString& out, const QString& key)
{
    for (const QString& line : out.split('\n'))
        if (line.startsWith(key + ": "))
            return line.mid(key.size() + 2).toInt();
    return -1;
}
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

TEST_F(CliPrint, RangeCopiesFontAndPaper)
{
    const QString& job = path;
    writeTubes(job, 30);
    // At the paper's edge, so that the font decides the rows per page.
    const QStringList edge = {"--margins", "0,0,0,0"};
    const CliRun all = print(QStringList{job, "--pdf", dir.filePath("all.pdf"), "--paper", "A5"} + edge);
    ASSERT_EQ(all.status, 0) << all.err.toStdString();
    const int pages = reported(all.out, "pages");
    const int font = reported(all.out, "font");
    ASSERT_GE(pages, 3);

    // A smaller font fits more rows on a page.
    const CliRun smaller = print(QStringList{job, "--pdf", dir.filePath("small.pdf"), "--paper", "A5", "--font",
                                             QString::number(font - 3)} + edge);
    ASSERT_EQ(smaller.status, 0) << smaller.err.toStdString();
    EXPECT_EQ(reported(smaller.out, "font"), font - 3);
    EXPECT_LT(reported(smaller.out, "pages"), pages);

    const CliRun range = print(QStringList{job, "--pdf", dir.filePath("range.pdf"), "--paper", "A5", "--pages", "2-3",
                                           "--copies", "2"} + edge);
    ASSERT_EQ(range.status, 0) << range.err.toStdString();
    EXPECT_EQ(reported(range.out, "pages"), pages);
    if (!havePoppler())
        GTEST_SKIP() << "pdfinfo and pdftotext are not installed";
    EXPECT_EQ(pdfPages(dir.filePath("all.pdf")), pages);
    EXPECT_TRUE(toolOutput("pdfinfo", {dir.filePath("all.pdf")}).contains("420 x 595 pts (A5)"));
    EXPECT_EQ(pdfPages(dir.filePath("range.pdf")), 4);
    const QString text = pdfText(dir.filePath("range.pdf"), 0, false);
    EXPECT_EQ(text.count(QString("Page number :2/%1").arg(pages)), 2);
    EXPECT_EQ(text.count(QString("Page number :3/%1").arg(pages)), 2);
    EXPECT_EQ(text.count(QString("Page number :1/%1").arg(pages)), 0);

    const CliRun turned = print({job, "--pdf", dir.filePath("turned.pdf"), "--paper", "A5", "--landscape"});
    ASSERT_EQ(turned.status, 0) << turned.err.toStdString();
    EXPECT_TRUE(toolOutput("pdfinfo", {dir.filePath("turned.pdf")}).contains("595 x 420 pts (A5)"));
}

TEST_F(CliPrint, HiddenColumnsAndNoPictures)
{
    writeTubes(path, 2);
    const CliRun r = print({path, "--pdf", dir.filePath("two.pdf"), "--hide",
                              "0,1,2,3,4,5,6,7,8", "--no-pictures", "--margins", "20,15,20,15"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    // Two narrow columns let the font grow to its largest.
    const CliRun wide = print({path, "--pdf", dir.filePath("wide.pdf")});
    EXPECT_GT(reported(r.out, "font"), reported(wide.out, "font"));
    if (!havePoppler())
        GTEST_SKIP() << "pdfinfo and pdftotext are not installed";
    const QString text = pdfText(dir.filePath("two.pdf"), 0, false);
    EXPECT_FALSE(text.contains("E modulus"));
    EXPECT_FALSE(text.contains("210000000"));
    EXPECT_TRUE(text.contains("HR\nI80x42")) << text.toStdString(); // the designation, wrapped at the large font
}
