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
