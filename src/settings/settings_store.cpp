#include "settings/settings_store.h"

#include "settings/message_table.h"

#include <QFileInfo>
#include <QSettings>

namespace {
// "SOFTWARE\Morvane\" and "SOFTWARE/Morvane" name the same key.
QString settingsPath(const QString& key, const QString& name)
{
    QString path = key;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path.isEmpty() ? name : path + QLatin1Char('/') + name;
}
} // namespace

QSettingsStore::QSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Morvane"), QStringLiteral("Morvane")))
{
}

QSettingsStore::QSettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

QSettingsStore::~QSettingsStore() = default;

QString QSettingsStore::fileName() const
{
    return m_settings->fileName();
}

std::optional<QString> QSettingsStore::readSetting(const QString& key, const QString& name)
{
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError)
        return std::nullopt;
    // A file that exists but cannot be read is a key that cannot be opened.
    const QFileInfo file(m_settings->fileName());
    if (file.exists() && (!file.isFile() || !file.isReadable()))
        return std::nullopt;
    const QVariant value = m_settings->value(settingsPath(key, name));
    return value.isValid() ? value.toString() : QString();
}

bool QSettingsStore::writeSetting(const QString& key, const QString& name, const QString& text)
{
    if (!m_settings->isWritable())
        return false;
    m_settings->setValue(settingsPath(key, name), text);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

StartupSettings readStartupSettings(SettingsStore& store, const QString& defaultFolder)
{
    StartupSettings result;
    result.temporaryFolder = defaultFolder;
    const std::optional<QString> lang = store.readSetting(ProgramSettingsKey, LanguageValue);
    if (!lang) {
        result.keyError = true;
        return result;
    }
    bool isNumber = false;
    const int language = lang->trimmed().toInt(&isNumber, 10);
    if (!isNumber || language < 0 || language >= LanguageNames.size())
        return result;
    const std::optional<QString> temp = store.readSetting(ProgramSettingsKey, TemporaryFolderValue);
    if (!temp) {
        result.keyError = true;
        return result;
    }
    result.language = language;
    // An empty folder would send the report files to wherever the program
    // was started from.
    if (!temp->isEmpty())
        result.temporaryFolder = *temp;
    return result;
}

bool writeShutdownSettings(SettingsStore& store, int language, const QString& temporaryFolder)
{
    const bool lang = store.writeSetting(ProgramSettingsKey, LanguageValue, QString::number(language));
    return store.writeSetting(ProgramSettingsKey, TemporaryFolderValue, temporaryFolder) && lang;
}

QString settingsKeyError(const MessageTable& messages, const QString& key)
{
    return messages(Msg::SettingsKeyError) + key;
}
