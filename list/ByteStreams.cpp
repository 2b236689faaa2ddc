#include "list/ByteStreams.h"

#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

ByteSource SourceFromFd(int fd) {
    return [fd](char* buffer, std::size_t size) -> std::ptrdiff_t {
        for (;;) {
            const ssize_t count = ::read(fd, buffer, size);
            if (count >= 0 || errno != EINTR) return count;
        }
    };
}

ByteSource SourceFromMemory(std::string_view text, std::size_t piece) {
    return [text, piece](char* buffer, std::size_t size) mutable -> std::ptrdiff_t {
        const std::size_t count = std::min({text.size(), size, piece});
        if (count > 0) std::memcpy(buffer, text.data(), count);
        text.remove_prefix(count);
        return std::ptrdiff_t(count);
    };
}

ByteSink SinkToFd(int fd) {
    return [fd](const char* bytes, std::size_t size) {
        while (size > 0) {
            const ssize_t count = ::write(fd, bytes, size);
            if (count < 0 && errno == EINTR) continue;
            if (count == 0) errno = EIO;  // no progress, and nothing says why
            if (count <= 0) return false;
            bytes += count;
            size -= std::size_t(count);
        }
        return true;
    };
}

ByteSink SinkToString(std::string& text) {
    return [&text](const char* bytes, std::size_t size) {
        text.append(bytes, size);
        return true;
    };
}
