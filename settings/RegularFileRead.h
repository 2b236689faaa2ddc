#pragma once
// Reading a small text file that the user controls, without ever blocking on
// it: only regular files are opened, and only a bounded prefix is read.

#include <QByteArray>
#include <QString>
#include <optional>

struct FilePrefix {
    QByteArray bytes;
    // True when the file holds more than the bytes read.
    bool truncated = false;
};

// The first `limit` (>= 0) bytes of the regular file at `path`. Nothing when the path
// names no file, a folder, a FIFO, a device or socket, or the file cannot be
// opened or read. Never waits for a writer.
std::optional<FilePrefix> ReadRegularFilePrefix(const QString& path, qsizetype limit);
