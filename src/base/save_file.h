#pragma once

#include <QByteArray>
#include <QString>

// Writes the bytes to a temporary file beside `path` and renames it over
// `path`: the old file is replaced only by a complete new one. On failure the
// old file stays as it was and `error`, when given, says why.
bool saveWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);
