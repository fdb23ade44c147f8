#include "base/save_file.h"

#include <QFile>
#include <QLockFile>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<SaveWriteFunction> g_write{nullptr};

QString systemError(const char* what, const QByteArray& path, int code)
{
    return QStringLiteral("%1 %2: %3")
        .arg(QLatin1String(what), QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(code)));
}

bool writeAll(int fd, const QByteArray& bytes, int& code)
{
    const SaveWriteFunction write = g_write.load();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const std::size_t rest = std::size_t(bytes.size() - done);
        const ssize_t n = write ? write(fd, bytes.constData() + done, rest) : ::write(fd, bytes.constData() + done, rest);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            code = n < 0 ? errno : ENOSPC; // a write that takes nothing means no room
            return false;
        }
        done += n;
    }
    return true;
}

// The permissions the new file gets: the old file's, or those an ordinary
// new file would have (mkstemp makes it private).
mode_t newFileMode(const QByteArray& path)
{
    struct stat old {};
    if (::stat(path.constData(), &old) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

void setSaveWriteFunction(SaveWriteFunction write)
{
    g_write.store(write);
}

bool saveWholeNativeFile(const QByteArray& path, const QByteArray& bytes, QString* error, SaveSync sync)
{
    const auto failWith = [&](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (path.isEmpty() || path.contains('\0'))
        return failWith(QStringLiteral("no file name"));
    QByteArray temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return failWith(systemError("cannot create a file beside", path, errno));
    int code = 0;
    struct stat written {};
    bool complete = writeAll(fd, bytes, code);
    if (complete && sync == SaveSync::ToDisk && ::fsync(fd) != 0) {
        code = errno;
        complete = false;
    }
    // The size on the disk, not the count of bytes handed over, decides.
    if (complete && (::fstat(fd, &written) != 0 || written.st_size != bytes.size())) {
        code = EIO;
        complete = false;
    }
    if (complete && ::fchmod(fd, newFileMode(path)) != 0) {
        code = errno;
        complete = false;
    }
    if (::close(fd) != 0 && complete) {
        code = errno;
        complete = false;
    }
    if (complete && ::rename(temporary.constData(), path.constData()) != 0) {
        code = errno;
        complete = false;
    }
    if (!complete) {
        ::unlink(temporary.constData());
        return failWith(systemError("cannot write", path, code));
    }
    return true;
}

bool saveWholeFile(const QString& path, const QByteArray& bytes, QString* error, SaveSync sync)
{
    return saveWholeNativeFile(QFile::encodeName(path), bytes, error, sync);
}

std::optional<QByteArray> readWholeNativeFile(const QByteArray& path, qint64 maxBytes, QString* error)
{
    const auto failWith = [&](const QString& reason) -> std::optional<QByteArray> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (path.isEmpty() || path.contains('\0'))
        return failWith(QStringLiteral("no file name"));
    // Opening without blocking: a pipe without a writer must not hold the
    // program before it is refused.
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return failWith(systemError("cannot read", path, errno));
    struct stat info {};
    std::optional<QByteArray> result;
    if (::fstat(fd, &info) != 0) {
        failWith(systemError("cannot read", path, errno));
    } else if (!S_ISREG(info.st_mode)) {
        failWith(QStringLiteral("%1 is not a file").arg(QFile::decodeName(path)));
    } else if (info.st_size > maxBytes) {
        failWith(QStringLiteral("%1 is larger than %2 bytes").arg(QFile::decodeName(path)).arg(maxBytes));
    } else {
        // The file may grow while it is read: never more than the limit.
        QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, std::size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (n < 0)
                    done = -1;
                break;
            }
            done += n;
        }
        if (done < 0)
            failWith(systemError("cannot read", path, errno));
        else if (done > info.st_size)
            failWith(QStringLiteral("%1 changed while it was read").arg(QFile::decodeName(path)));
        else
            result = bytes.left(done);
    }
    ::close(fd);
    return result;
}

std::optional<QByteArray> readWholeFile(const QString& path, qint64 maxBytes, QString* error)
{
    return readWholeNativeFile(QFile::encodeName(path), maxBytes, error);
}

std::unique_ptr<QLockFile> lockForUpdate(const QString& path, int waitMs, QString* error)
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(StaleLockMs);
    if (lock->tryLock(waitMs))
        return lock;
    if (error) {
        *error = lock->error() == QLockFile::LockFailedError
                     ? QStringLiteral("%1 is being written by another program").arg(path)
                     : QStringLiteral("cannot make the lock file beside %1").arg(path);
    }
    return nullptr;
}
