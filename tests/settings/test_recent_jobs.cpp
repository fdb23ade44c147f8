#include "settings/recent_jobs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Jobs are named by one letter in a folder of their own; a name with a "/"
// in front is given as a path relative to the current folder.
struct RecentCase {
    const char* name;
    const char* added;    // in the order loaded or saved
    const char* existing; // the files that are there when the list is shown
    const char* shown;    // the menu, most recent first
};

class RecentJobs : public testing::TestWithParam<RecentCase> {};

QStringList letters(const char* text)
{
    QStringList out;
    for (const char* c = text; *c; ++c)
        out << QString(QLatin1Char(*c));
    return out;
}
} // namespace

TEST_P(RecentJobs, MenuHoldsTheExistingJobsMostRecentFirst)
{
    const RecentCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto path = [&](const QString& letter) { return dir.filePath(letter + QStringLiteral(".mvn")); };
    for (const QString& letter : letters(c.existing)) {
        QFile file(path(letter));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QStringList jobs;
    for (const QString& letter : letters(c.added)) {
        // Every other mention of a job goes through a relative path.
        const QString given = jobs.size() % 2 ? QDir::current().relativeFilePath(path(letter)) : path(letter);
        jobs = addRecentJob(jobs, given);
        ASSERT_LE(jobs.size(), RecentJobCount);
    }
    QStringList expected;
    for (const QString& letter : letters(c.shown))
        expected << path(letter);
    EXPECT_EQ(existingRecentJobs(jobs), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RecentJobs,
    testing::Values(RecentCase{"MostRecentFirst", "abc", "abc", "cba"},
                    RecentCase{"ALoadedAgainJobMovesToTheTop", "abca", "abc", "acb"},
                    RecentCase{"TheSameJobTwiceIsOneEntry", "aa", "a", "a"},
                    RecentCase{"EightNewestKept", "abcdefghij", "abcdefghij", "jihgfedc"},
                    RecentCase{"ARepeatDoesNotPushTheEighthOut", "abcdefgha", "abcdefgh", "ahgfedcb"},
                    RecentCase{"MissingFilesAreLeftOut", "abcd", "bd", "db"},
                    RecentCase{"NoneLeft", "ab", "", ""}),
    [](const testing::TestParamInfo<RecentCase>& info) { return std::string(info.param.name); });
