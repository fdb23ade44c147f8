#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QSettings;

// Where the program keeps its two values between runs: a key path with named
// text values ("SOFTWARE/Morvane": "Lang", "Temp").
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The value's text (empty when the value is missing), or nothing when
    // the key cannot be opened or created.
    virtual std::optional<QString> readSetting(const QString& key, const QString& name) = 0;
    // False when the key cannot be opened or created or the value not written.
    virtual bool writeSetting(const QString& key, const QString& name, const QString& text) = 0;
};

// The store in a settings file: by default the user's own configuration
// file of the program; tests and other callers may name any file.
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore();
    explicit QSettingsStore(const QString& iniFile);
    ~QSettingsStore() override;

    std::optional<QString> readSetting(const QString& key, const QString& name) override;
    bool writeSetting(const QString& key, const QString& name, const QString& text) override;

    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

// The program's key and values. Keys are written with "/" as separator; a
// separator at either end or a "\" as separator means the same key.
inline const QString ProgramSettingsKey = QStringLiteral("SOFTWARE/Morvane");
inline const QString LanguageValue = QStringLiteral("Lang");
inline const QString TemporaryFolderValue = QStringLiteral("Temp");

// The settings window's language list, in stored order.
inline const QStringList LanguageNames = {QStringLiteral("English"), QStringLiteral("Hungarian"),
                                          QStringLiteral("Dutch")};
// The translation column of a language position (English 2, Hungarian 3, Dutch 4).
inline int languageColumn(int language) { return language + 2; }

// The settings as start-up reads them.
struct StartupSettings {
    int language = 0;
    QString temporaryFolder;
    // The key could not be opened: the caller shows the key error for it.
    bool keyError = false;
};

// Reads "Lang" and "Temp". A missing, non-numeric or unknown language gives
// English and the default folder; an empty folder gives the default folder.
StartupSettings readStartupSettings(SettingsStore& store, const QString& defaultFolder);

// Writes "Lang" (the list position as decimal text) and then "Temp". Returns
// false when the key could not be written.
bool writeShutdownSettings(SettingsStore& store, int language, const QString& temporaryFolder);

// "Error opening/creating key : " + key, in the active language (message 151).
class MessageTable;
QString settingsKeyError(const MessageTable& messages, const QString& key = ProgramSettingsKey);
