#pragma once

// Two ways to run out of disk in a test: the save routine's write function
// replaced by one that takes N bytes and then fails as a full disk does, and
// (when the tests run as root) a real 64 KiB file system of its own.
#include "base/save_file.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <unistd.h>

// While it lives, every save may write `room` bytes in all; then writes fail
// with ENOSPC. Saves running on several threads share the room. Each call
// takes at most 4 KiB, as a pipe or a signal can cut a write short.
class FailingDisk {
public:
    explicit FailingDisk(qint64 room)
    {
        s_room = room;
        setSaveWriteFunction(&FailingDisk::write);
    }
    ~FailingDisk() { setSaveWriteFunction(nullptr); }
    FailingDisk(const FailingDisk&) = delete;
    FailingDisk& operator=(const FailingDisk&) = delete;

private:
    static ssize_t write(int fd, const void* data, size_t size)
    {
        const qint64 left = s_room.fetch_sub(qint64(size));
        if (left <= 0) {
            errno = ENOSPC;
            return -1;
        }
        const size_t taken = std::min<size_t>({size, size_t(left), 4096});
        s_room.fetch_add(qint64(size - taken));
        return ::write(fd, data, taken);
    }
    static inline std::atomic<qint64> s_room{0};
};

// A tmpfs of 64 KiB mounted on a folder of its own, unmounted at the end.
// mounted() is false (and why() says why) when the test does not run as root
// or the system refuses the mount; the test then skips.
class SmallDisk {
public:
    SmallDisk()
    {
        if (::geteuid() != 0) {
            m_why = QStringLiteral("not running as root, so no file system can be mounted");
            return;
        }
        const int status = QProcess::execute(QStringLiteral("mount"),
            {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), QStringLiteral("size=64k"),
             QStringLiteral("tmpfs"), m_dir.path()});
        m_mounted = status == 0;
        if (!m_mounted)
            m_why = QStringLiteral("mount -t tmpfs refused (status %1)").arg(status);
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    std::string why() const { return m_why.toStdString(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_why;
};

// Fills the rest of a small disk so that only `room` bytes stay free.
inline bool fillDisk(const SmallDisk& disk, qint64 room)
{
    QFile filler(disk.filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(1024, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    // Make room again, a block at a time, until `room` bytes are free.
    qint64 size = QFileInfo(filler).size();
    return filler.resize(std::max<qint64>(0, size - room));
}
