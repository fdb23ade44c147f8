#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files that users exchange are 8-bit: bytes that are valid UTF-8 are taken as
// UTF-8, anything else as Windows-1252.
QString decodeEightBit(const QByteArray& bytes);

// Splits a text into lines ended by CR LF (a lone LF is accepted too).
// A final line ending does not make an extra empty line.
QStringList splitLines(const QString& text);
