// The files morvane-cli writes: several writers of one job take turns, names
// that are not UTF-8 reach their files, the report goes to the settings'
// folder, the print options reach the PDF (read with the poppler tools).
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

int reported(const QString& out, const QString& key)
{
    for (const QString& line : out.split('\n'))
        if (line.startsWith(key + ": "))
            return line.mid(key.size() + 2).toInt();
    return -1;
}
} // namespace

TEST_F(CliJobFolder, WritersOfOneJobTakeTurnsAndNoItemIsLost)
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

TEST_F(CliJobFolder, NamesThatAreNotUtf8ReachTheNamedFile)
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
    for (const char* made : {"out\xe9.pdf", "rep\xe9/kep2.jpg", "rep\xe9/morvane_report.html", "pic\xff\xfe.png"})
        EXPECT_TRUE(nativeExists(folder, made)) << made;
    // Nothing went to the names the decoded text would give.
    for (const char* decoded : {"job\xef\xbf\xbd.mvn", "out\xef\xbf\xbd.pdf", "rep\xef\xbf\xbd"})
        EXPECT_FALSE(nativeExists(folder, decoded)) << decoded;
    EXPECT_EQ(shell("ls -A | wc -l", folder).out.trimmed(), "4"); // no temporary left behind
    shell(R"(rm -rf -- "$PWD"/*)", folder); // QTemporaryDir cannot name these files
}

TEST_F(CliJobFolder, ReportWithoutAFolderGoesToTheSettingsFolder)
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

// Paper, orientation, font, hidden columns and copies of a range reach the PDF.
TEST_F(CliJobFolder, PrintOptionsReachThePdf)
{
    ASSERT_EQ(cli(QStringList{"job", "add", path} + AddHollow).status, 0);
    ASSERT_EQ(cli({"job", "add", path, "--kind", "i", "--entry", "HR I80x42"}).status, 0);
    const QString pdf = dir.filePath("out.pdf");
    const CliRun r = cli({"print", path, "--pdf", pdf, "--paper", "A5", "--landscape", "--font", "6", "--pages", "1-1",
                          "--copies", "2", "--hide", "0", "--no-pictures"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(std::pair(reported(r.out, "font"), reported(r.out, "pages")), std::pair(6, 1));
    if (!havePoppler())
        GTEST_SKIP() << "pdfinfo and pdftotext are not installed";
    EXPECT_EQ(pdfPages(pdf), 2);
    EXPECT_TRUE(toolOutput("pdfinfo", {pdf}).contains("595 x 420 pts (A5)"));
    const QString text = pdfText(pdf, 0, false);
    EXPECT_EQ(text.count("Page number :1/1"), 2);
    EXPECT_FALSE(text.contains("E modulus"));
    EXPECT_FALSE(text.contains("210000000"));
    EXPECT_TRUE(text.contains("I80x42")) << text.toStdString();
}
