#include "settings/temporary_folder.h"

#include "settings/message_table.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QCoreApplication>

namespace {
const QString Title = QStringLiteral("*** Computation of geometric properties ***");
const QString Version = QStringLiteral("Version : 3.1 /  17. 04. 2004 ");
const QString Credit = QStringLiteral(" the Morvane developers");

QString notePath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("info.txt"));
}

bool isWritableFolder(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}
} // namespace

QString folderNoteText(const QString& folder, FolderNote kind, const MessageTable& messages)
{
    const QString first = kind == FolderNote::Existing ? QStringLiteral("Morvane ") + Title + Version
                                                       : QStringLiteral("Morvane / ") + messages(Msg::WrittenBy) + Credit;
    return first + QStringLiteral("\r\n") + QStringLiteral("Temporary folder :") + folder + QStringLiteral("\r\n");
}

bool writeFolderNote(const QString& folder, FolderNote kind, const MessageTable& messages)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QSaveFile file(notePath(folder));
    // The note stays beside the report files; a plain write keeps working in
    // folders where a temporary file beside it cannot be renamed over it.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = folderNoteText(folder, kind, messages).toUtf8();
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

QString temporaryFolderWarning(const MessageTable& messages)
{
    return messages(Msg::CannotCreateTemporaryFolder) + QLatin1Char('\n') + messages(Msg::RemoveWriteProtectionAgain) + QLatin1Char('\n') + messages(Msg::SelectTemporaryFolder);
}

bool TemporaryFolder::take(const QString& folder, const MessageTable& messages)
{
    if (!writeFolderNote(folder, FolderNote::Created, messages))
        return false;
    m_path = folder;
    return true;
}

bool TemporaryFolder::prepare(const MessageTable& messages) const
{
    if (m_path.isEmpty())
        return false;
    const QFileInfo info(m_path);
    if (info.isDir())
        return writeFolderNote(m_path, FolderNote::Existing, messages);
    if (info.exists())
        return false;
    // One level only: a folder whose parent is missing is not created.
    const QString parent = info.absolutePath();
    if (!QFileInfo(parent).isDir() || !QDir(parent).mkdir(info.fileName()))
        return false;
    return writeFolderNote(m_path, FolderNote::Created, messages);
}

QString TemporaryFolder::defaultPath(const QString& programFolder, const QString& cacheFolder)
{
    const QString beside = programFolder + QLatin1Char('/') + QStringLiteral("temp");
    const QFileInfo besideInfo(beside);
    if (besideInfo.exists() ? isWritableFolder(beside) : isWritableFolder(programFolder))
        return beside;
    // The program's own folder in the cache is made now, so that the report
    // only ever has to create the last level.
    const QString own = cacheFolder + QStringLiteral("/morvane");
    QDir().mkpath(own);
    return own;
}

QString TemporaryFolder::defaultPath()
{
    return defaultPath(QCoreApplication::applicationDirPath(),
                       QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
}
