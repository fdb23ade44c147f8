#include "settings/application_identity.h"

QString applicationIconResource(int size)
{
    if (size == 0)
        return QStringLiteral(":/settings/data/icons/") + ApplicationId + QStringLiteral(".svg");
    return QStringLiteral(":/settings/data/icons/%1x%1.png").arg(size);
}

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : ApplicationIconSizes)
        icon.addFile(applicationIconResource(size), QSize(size, size));
    return icon;
}
