#pragma once

#include <QIcon>
#include <QString>

#include <array>

// The program's reverse-DNS application id: the name of its desktop entry, of
// its metadata and of its icon, installed or written by "Assign".
inline const QString ApplicationId = QStringLiteral("org.morvane.Morvane");

// The sizes of the icon's pictures in the hicolor theme, beside its scalable
// drawing.
inline constexpr std::array<int, 8> ApplicationIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The resource that holds the icon at a size; size 0 is the scalable drawing.
QString applicationIconResource(int size);
// The icon of the program's windows, at every size.
QIcon applicationIcon();
