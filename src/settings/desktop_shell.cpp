#include "settings/desktop_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool SystemShell::open(const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString helpPagePath(const QString& programFolder)
{
    const QString beside = programFolder + QStringLiteral("/help.html");
    const QString installed = programFolder + QStringLiteral("/../share/doc/morvane/help.html");
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
        return QFileInfo(installed).canonicalFilePath();
    return beside;
}
