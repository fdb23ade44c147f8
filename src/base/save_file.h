#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <sys/types.h>

// Whether a save waits until the new file is on the disk before it replaces
// the old one. Files the program makes again on every run (report pictures)
// skip the wait; a full disk is still seen, as the writes themselves fail.
enum class SaveSync { ToDisk, NoWait };

// Writes the bytes to a temporary file beside `path` and renames it over
// `path`: the old file is replaced only by a complete new one, and an existing
// file is never opened for writing (a link in its place is replaced, its
// target left alone). Every write is checked and the new file's size compared
// with the bytes before the rename. On failure the old file stays as it was,
// the temporary file is removed and `error`, when given, says why.
bool saveWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                   SaveSync sync = SaveSync::ToDisk);
// The same for a name as the system spells it, so that a name that is not
// UTF-8 is kept byte for byte.
bool saveWholeNativeFile(const QByteArray& nativePath, const QByteArray& bytes, QString* error = nullptr,
                         SaveSync sync = SaveSync::ToDisk);

// Reads a whole regular file of at most maxBytes bytes; anything else (a
// device, a folder, a pipe, a larger file) is refused with a reason before a
// byte of it is read.
std::optional<QByteArray> readWholeFile(const QString& path, qint64 maxBytes, QString* error = nullptr);
std::optional<QByteArray> readWholeNativeFile(const QByteArray& nativePath, qint64 maxBytes,
                                              QString* error = nullptr);

class QLockFile;

// A lock older than this is left by a writer that hung or died on another
// machine and is taken over (a writer that ended on this one is seen at once).
// It is taken over even from a writer that still runs, so it is far longer
// than the slowest save of a full job.
inline constexpr int StaleLockMs = 120000;

// The lock of a file that is read, changed and written back: "<file>.lock"
// beside it, so that two writers take turns instead of one losing the other's
// change. Waits up to waitMs for another writer; nothing, with error set,
// when the lock cannot be had in that time.
std::unique_ptr<QLockFile> lockForUpdate(const QString& path, int waitMs, QString* error = nullptr);

// The write(2) the save routine calls for the new file. Tests put a function
// here that fails part way, as a full disk does; nullptr puts write(2) back.
using SaveWriteFunction = ssize_t (*)(int fd, const void* data, size_t size);
void setSaveWriteFunction(SaveWriteFunction write);
