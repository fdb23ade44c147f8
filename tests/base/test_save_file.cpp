#include "base/save_file.h"

#include "../common/full_disk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char('a' + i % 26);
    return bytes;
}

struct DiskCase {
    const char* name;
    qint64 room;   // bytes the disk takes before it is full
    qsizetype size; // bytes saved
    bool saved;
};

class SaveOnFullDisk : public ::testing::TestWithParam<DiskCase> {};
} // namespace

// A save that did not reach the disk whole leaves the old file byte for byte
// and no temporary file behind.
TEST_P(SaveOnFullDisk, OldFileStaysUnlessAllBytesWereWritten)
{
    const DiskCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("job.mvn");
    const QByteArray old("old contents\r\n");
    ASSERT_TRUE(saveWholeFile(path, old));
    const QByteArray bytes = pattern(c.size);
    QString error;
    bool saved = false;
    {
        FailingDisk disk(c.room);
        saved = saveWholeFile(path, bytes, &error);
    }
    EXPECT_EQ(saved, c.saved);
    EXPECT_EQ(contents(path), c.saved ? bytes : old);
    EXPECT_EQ(error.isEmpty(), c.saved) << error.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"job.mvn"});
}

INSTANTIATE_TEST_SUITE_P(
    SaveFile, SaveOnFullDisk,
    ::testing::Values(DiskCase{"NoRoomAtAll", 0, 1000, false},
                      DiskCase{"RoomForAllButTheLastByte", 999, 1000, false},
                      DiskCase{"SmallerThanAFileBuffer", 100, 8000, false},
                      DiskCase{"LargerThanAFileBufferCutAtABlock", 64 * 1024, 200 * 1024, false},
                      DiskCase{"ShortWritesThatTogetherFit", 5000, 5000, true},
                      DiskCase{"EmptyFileOnAFullDisk", 0, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaveFile, RealSmallDiskRefusesWhatDoesNotFitAndKeepsTheOldFile)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.why();
    const QString path = disk.filePath("job.mvn");
    const QByteArray old = pattern(3000);
    ASSERT_TRUE(saveWholeFile(path, old));
    ASSERT_TRUE(fillDisk(disk, 8 * 1024));
    QString error;
    EXPECT_FALSE(saveWholeFile(path, pattern(20000), &error));
    EXPECT_TRUE(error.contains("No space left")) << error.toStdString();
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files).size(), 2); // the job and the filler
    // What fits is saved.
    const QByteArray small = pattern(2000);
    EXPECT_TRUE(saveWholeFile(path, small, &error)) << error.toStdString();
    EXPECT_EQ(contents(path), small);
}

TEST(SaveFile, ALinkInPlaceIsReplacedAndItsTargetLeftAlone)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("elsewhere.txt");
    ASSERT_TRUE(saveWholeFile(target, "keep me"));
    ASSERT_TRUE(QFile::link(target, dir.filePath("kep1.jpg")));
    ASSERT_TRUE(saveWholeFile(dir.filePath("kep1.jpg"), "picture", nullptr, SaveSync::NoWait));
    EXPECT_EQ(contents(target), "keep me");
    EXPECT_FALSE(QFileInfo(dir.filePath("kep1.jpg")).isSymLink());
    EXPECT_EQ(contents(dir.filePath("kep1.jpg")), "picture");
}

TEST(SaveFile, AReplacedFileKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("job.mvn");
    ASSERT_TRUE(saveWholeFile(path, "one"));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(saveWholeFile(path, "two"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

namespace {
struct ReadCase {
    const char* name;
    const char* path; // "@" stands for the test's folder
    qint64 limit;
    const char* reason; // part of the refusal; nullptr when the file reads
};
class ReadWholeFile : public ::testing::TestWithParam<ReadCase> {};
} // namespace

TEST_P(ReadWholeFile, OnlyRegularFilesWithinTheLimitAreRead)
{
    const ReadCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(saveWholeFile(dir.filePath("ten.txt"), "0123456789"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
    QString path = QString::fromLatin1(c.path).replace('@', dir.path());
    QString error;
    const auto bytes = readWholeFile(path, c.limit, &error);
    if (!c.reason) {
        ASSERT_TRUE(bytes) << error.toStdString();
        EXPECT_EQ(*bytes, "0123456789");
    } else {
        EXPECT_FALSE(bytes);
        EXPECT_TRUE(error.contains(c.reason)) << error.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    SaveFile, ReadWholeFile,
    ::testing::Values(ReadCase{"FileAtTheLimit", "@/ten.txt", 10, nullptr},
                      ReadCase{"FileOverTheLimit", "@/ten.txt", 9, "larger than 9 bytes"},
                      ReadCase{"EndlessDevice", "/dev/zero", 1 << 20, "is not a file"},
                      ReadCase{"Folder", "@", 1 << 20, "is not a file"},
                      ReadCase{"PipeWithoutAWriterIsNotWaitedFor", "@/pipe", 1 << 20, "is not a file"},
                      ReadCase{"Missing", "@/none.txt", 1 << 20, "No such file"},
                      ReadCase{"NoName", "", 1 << 20, "no file name"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaveFile, ASecondWriterWaitsForTheLockAndGetsItWhenReleased)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("job.mvn");
    QString error;
    auto first = lockForUpdate(path, 0, &error);
    ASSERT_TRUE(first) << error.toStdString();
    EXPECT_FALSE(lockForUpdate(path, 50, &error));
    EXPECT_TRUE(error.contains("being written by another program")) << error.toStdString();
    first.reset();
    EXPECT_TRUE(lockForUpdate(path, 0, &error));
}
