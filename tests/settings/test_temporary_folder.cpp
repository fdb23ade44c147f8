#include "settings/desktop_shell.h"
#include "settings/message_table.h"
#include "settings/temporary_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

TEST(TemporaryFolder, BrowseWritesTheNoteAtOnceAndTakesTheFolder)
{
    QTemporaryDir dir;
    const QString chosen = dir.filePath("reports");
    ASSERT_TRUE(QDir().mkdir(chosen));
    TemporaryFolder folder("/old");
    ASSERT_TRUE(folder.take(chosen, MessageTable::english()));
    EXPECT_EQ(folder.path(), chosen);
    EXPECT_EQ(readAll(chosen + "/info.txt"),
              ("Morvane / Written by the Morvane developers\r\nTemporary folder :" + chosen + "\r\n").toUtf8());
}

TEST(TemporaryFolder, FolderWhoseNoteCannotBeWrittenKeepsTheOldOne)
{
    QTemporaryDir dir;
    // "info.txt" taken by a folder: no user can write the note.
    const QString blocked = dir.filePath("blocked");
    ASSERT_TRUE(QDir().mkpath(blocked + "/info.txt"));
    TemporaryFolder folder("/old");
    for (const QString& refused : {blocked, dir.filePath("missing"), QString()})
        EXPECT_FALSE(folder.take(refused, MessageTable::english())) << refused.toStdString();
    EXPECT_EQ(folder.path(), "/old");
    EXPECT_EQ(temporaryFolderWarning(MessageTable::english()),
              "Error.Cannot Create temporary Directory!\nPlease remove the write protection !\n"
              "Select new temporary folder !");
}

TEST(TemporaryFolder, PrepareCreatesOneLevelAndNamesHowTheFolderCame)
{
    QTemporaryDir dir;
    const MessageTable& m = MessageTable::english();

    TemporaryFolder created(dir.filePath("new"));
    ASSERT_TRUE(created.prepare(m));
    EXPECT_TRUE(readAll(dir.filePath("new/info.txt")).startsWith("Morvane / Written by"));

    TemporaryFolder existing(dir.filePath("new"));
    ASSERT_TRUE(existing.prepare(m));
    EXPECT_EQ(readAll(dir.filePath("new/info.txt")),
              ("Morvane *** Computation of geometric properties ***Version : 3.1 /  17. 04. 2004 \r\n"
               "Temporary folder :" + dir.filePath("new") + "\r\n").toUtf8());

    TemporaryFolder twoLevels(dir.filePath("a/b"));
    EXPECT_FALSE(twoLevels.prepare(m));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("a")));
    EXPECT_FALSE(TemporaryFolder().prepare(m));
}

TEST(TemporaryFolder, PathIsKeptExactlyAsGiven)
{
    QTemporaryDir dir;
    const QString withSeparator = dir.path() + "/";
    TemporaryFolder folder;
    ASSERT_TRUE(folder.take(withSeparator, MessageTable::english()));
    EXPECT_EQ(folder.path(), withSeparator);
    EXPECT_TRUE(readAll(dir.filePath("info.txt")).endsWith(("Temporary folder :" + withSeparator + "\r\n").toUtf8()));
}

// "temp" beside the program when it can be used, else a folder in the cache.
TEST(TemporaryFolder, DefaultIsTempBesideTheProgramElseInTheCache)
{
    QTemporaryDir program, cache;
    EXPECT_EQ(TemporaryFolder::defaultPath(program.path(), cache.path()), program.path() + "/temp");
    ASSERT_TRUE(QDir(program.path()).mkdir("temp"));
    EXPECT_EQ(TemporaryFolder::defaultPath(program.path(), cache.path()), program.path() + "/temp");
    // A file named "temp" beside the program: not a folder, and none can be made.
    QTemporaryDir other;
    QFile blocker(other.filePath("temp"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString chosen = TemporaryFolder::defaultPath(other.path(), cache.path());
    EXPECT_EQ(chosen, cache.path() + "/morvane");
    EXPECT_TRUE(QFileInfo(chosen).isDir());
    // A program folder that does not exist cannot take "temp" either.
    EXPECT_EQ(TemporaryFolder::defaultPath(other.filePath("gone"), cache.path()), cache.path() + "/morvane");
}

TEST(HelpPage, BesideTheProgramOrInTheInstalledDocFolder)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("bin")));
    const QString bin = prefix.filePath("bin");
    // Neither there: the page beside the program is named (and found missing later).
    EXPECT_EQ(helpPagePath(bin), bin + "/help.html");
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("share/doc/morvane")));
    QFile installed(prefix.filePath("share/doc/morvane/help.html"));
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    installed.close();
    EXPECT_EQ(helpPagePath(bin), QFileInfo(installed.fileName()).canonicalFilePath());
    QFile beside(bin + "/help.html");
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(helpPagePath(bin), bin + "/help.html");
}
