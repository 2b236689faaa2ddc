#pragma once
// Where the CSV reader takes its bytes from and where the writer puts them:
// a file descriptor or memory, behind one call each, so the
// reader and writer stay the same for a file, a pipe, standard input or a test.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Reads up to `size` bytes into `buffer`: the count read, 0 at the end of the
// input, -1 on a read error (errno tells which). A count below `size` does not
// mean the end: pipes and terminals deliver what they have.
using ByteSource = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;

// Writes all `size` bytes: true, or false on a write error (errno tells which).
using ByteSink = std::function<bool(const char* bytes, std::size_t size)>;

ByteSource SourceFromFd(int fd);
// `text` in pieces of at most `piece` bytes, as a pipe would hand it out; the
// text must outlive the source.
ByteSource SourceFromMemory(std::string_view text, std::size_t piece = SIZE_MAX);

// A write to a closed pipe raises SIGPIPE, which ends the process unless the
// program ignores it; ignored, the write fails with EPIPE and is reported.
ByteSink SinkToFd(int fd);
ByteSink SinkToString(std::string& text);
