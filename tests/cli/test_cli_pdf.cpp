// The print command's options reach the PDF, read back with the poppler tools.
#include "cli_run.h"
#include "../output/pdf_tools.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
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

TEST(CliPrint, RangeCopiesFontAndPaper)
{
    QTemporaryDir dir;
    const QString job = dir.filePath("hall.mvn");
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

TEST(CliPrint, HiddenColumnsAndNoPictures)
{
    QTemporaryDir dir;
    writeTubes(dir.filePath("hall.mvn"), 2);
    const CliRun r = print({dir.filePath("hall.mvn"), "--pdf", dir.filePath("two.pdf"), "--hide",
                              "0,1,2,3,4,5,6,7,8", "--no-pictures", "--margins", "20,15,20,15"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    // Two narrow columns let the font grow to its largest.
    const CliRun wide = print({dir.filePath("hall.mvn"), "--pdf", dir.filePath("wide.pdf")});
    EXPECT_GT(reported(r.out, "font"), reported(wide.out, "font"));
    if (!havePoppler())
        GTEST_SKIP() << "pdfinfo and pdftotext are not installed";
    const QString text = pdfText(dir.filePath("two.pdf"), 0, false);
    EXPECT_FALSE(text.contains("E modulus"));
    EXPECT_FALSE(text.contains("210000000"));
    EXPECT_TRUE(text.contains("HR\nI80x42")) << text.toStdString(); // the designation, wrapped at the large font
}
