#include "settings/message_table.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {
// A store in memory whose key can be made to fail.
struct MemoryStore : SettingsStore {
    std::map<QString, QString> values;
    bool keyFails = false;
    QStringList writes;

    std::optional<QString> readSetting(const QString& key, const QString& name) override
    {
        if (keyFails)
            return std::nullopt;
        const auto found = values.find(key + QLatin1Char('|') + name);
        return found == values.end() ? QString() : found->second;
    }
    bool writeSetting(const QString& key, const QString& name, const QString& text) override
    {
        if (keyFails)
            return false;
        writes << name;
        values[key + QLatin1Char('|') + name] = text;
        return true;
    }
};

const QString DefaultFolder = QStringLiteral("/opt/morvane/temp");
} // namespace

// The stored language and folder, as far as they can be read; an unreadable
// language, an empty folder or a key that cannot be opened gives the defaults.
TEST(StartupSettings, StoredValuesOrTheDefaults)
{
    const struct {
        const char* lang;
        const char* temp;
        int language;
        QString folder;
        bool keyFails = false;
    } cases[] = {
        {nullptr, nullptr, 0, DefaultFolder}, // first run
        {"1", "/home/ann/reports", 1, "/home/ann/reports"},
        {"2", "", 2, DefaultFolder},
        {"", "/home/ann/reports", 0, DefaultFolder},
        {"x", "/home/ann/reports", 0, DefaultFolder},
        {"1a", "/home/ann/reports", 0, DefaultFolder},
        {"-1", "/home/ann/reports", 0, DefaultFolder},
        {"3", "/home/ann/reports", 0, DefaultFolder},
        {"99999999999", "/home/ann/reports", 0, DefaultFolder},
        {"1", "/home/ann/reports", 0, DefaultFolder, true}, // the key cannot be opened
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lang ? c.lang : "nothing stored");
        MemoryStore store;
        store.keyFails = c.keyFails;
        if (c.lang) {
            store.values[ProgramSettingsKey + "|Lang"] = QString::fromLatin1(c.lang);
            store.values[ProgramSettingsKey + "|Temp"] = QString::fromLatin1(c.temp);
        }
        const StartupSettings s = readStartupSettings(store, DefaultFolder);
        EXPECT_EQ(std::tuple(s.language, s.temporaryFolder, s.keyError), std::tuple(c.language, c.folder, c.keyFails));
    }
    EXPECT_EQ(LanguageNames.at(1), "Hungarian");
    EXPECT_EQ(settingsKeyError(MessageTable::english()), "Error opening/creating key : SOFTWARE/Morvane");
}

TEST(ShutdownSettings, WritesLangThenTemp)
{
    MemoryStore store;
    EXPECT_TRUE(writeShutdownSettings(store, 2, "/tmp/r"));
    EXPECT_EQ(store.writes, QStringList({"Lang", "Temp"}));
    EXPECT_EQ((QStringList{store.values[ProgramSettingsKey + "|Lang"], store.values[ProgramSettingsKey + "|Temp"]}),
              (QStringList{"2", "/tmp/r"}));
    store.keyFails = true;
    EXPECT_FALSE(writeShutdownSettings(store, 0, "/tmp/r"));
}

TEST(QSettingsStore, ValuesSurviveANewStoreOnTheSameFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("morvane.conf");
    {
        QSettingsStore store(file);
        EXPECT_EQ(store.readSetting(ProgramSettingsKey, "Lang"), QString());
        // The separator forms all name the one key.
        EXPECT_TRUE(store.writeSetting("SOFTWARE\\Morvane\\", "Lang", "1"));
        EXPECT_TRUE(store.writeSetting("SOFTWARE/Morvane/", "Temp", "/home/ann/a b"));
    }
    QSettingsStore again(file);
    EXPECT_EQ(again.readSetting(ProgramSettingsKey, "Lang"), QString("1"));
    EXPECT_EQ(again.readSetting("SOFTWARE\\Morvane", "Temp"), QString("/home/ann/a b"));
    const StartupSettings s = readStartupSettings(again, DefaultFolder);
    EXPECT_EQ(s.language, 1);
    EXPECT_EQ(s.temporaryFolder, "/home/ann/a b");
}

TEST(QSettingsStore, FileThatCannotBeCreatedFailsBothWays)
{
    QTemporaryDir dir;
    // A plain file where the settings folder should be: no user can write below it.
    QFile blocker(dir.filePath("config"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettingsStore store(dir.filePath("config/Morvane/Morvane.conf"));
    EXPECT_FALSE(store.writeSetting(ProgramSettingsKey, "Lang", "1"));
    EXPECT_FALSE(writeShutdownSettings(store, 1, "/tmp"));
}

TEST(QSettingsStore, SettingsPathThatIsAFolderCannotBeRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Morvane.conf"));
    QSettingsStore store(dir.filePath("Morvane.conf"));
    EXPECT_EQ(store.readSetting(ProgramSettingsKey, "Lang"), std::nullopt);
    EXPECT_TRUE(readStartupSettings(store, DefaultFolder).keyError);
}
