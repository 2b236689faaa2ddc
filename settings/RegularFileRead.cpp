#include "settings/RegularFileRead.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#else
#include <QFile>
#include <QFileInfo>
#endif

#if defined(Q_OS_UNIX)

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool IsRegularFile(const QByteArray& nativePath) {
    struct stat info {};
    return ::stat(nativePath.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::optional<FilePrefix> ReadRegularFilePrefix(const QString& path, qsizetype limit) {
    const QByteArray nativePath = QFile::encodeName(path);
    // Opening a FIFO for reading waits for a writer, and opening a device may
    // have side effects: look before opening. The path may still be swapped
    // between the look and the open, so the open does not block either and
    // the opened file is checked once more.
    if (!IsRegularFile(nativePath)) return std::nullopt;
    const FileDescriptor file(
        ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;

    // One byte past the limit tells whether the file goes on.
    QByteArray buffer(limit + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < buffer.size()) {
        const ssize_t got =
            ::read(file.get(), buffer.data() + filled, static_cast<size_t>(buffer.size() - filled));
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        filled += got;
    }
    FilePrefix prefix;
    prefix.truncated = filled > limit;
    buffer.truncate(prefix.truncated ? limit : filled);
    prefix.bytes = std::move(buffer);
    return prefix;
}

#else

std::optional<FilePrefix> ReadRegularFilePrefix(const QString& path, qsizetype limit) {
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray buffer = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    FilePrefix prefix;
    prefix.truncated = buffer.size() > limit;
    if (prefix.truncated) buffer.truncate(limit);
    prefix.bytes = std::move(buffer);
    return prefix;
}

#endif
