#pragma once
// What the tool writes for a person, and a CSV list written to standard
// output: UTF-8 bytes to a file or a pipe, as documented, but Unicode to a
// Windows console, which shows bytes in its own code page (932, 437, ...)
// and would garble anything beyond ASCII.

#include <cstdio>
#include <string_view>

#include "list/ByteStreams.h"
#include "list/CsvEncoding.h"

// `stream` is stdout or stderr. False when the text could not be written.
bool WriteText(std::FILE* stream, std::string_view utf8);

// Standard output for bytes in `encoding`; call nothing else that writes to
// standard output while it is in use.
ByteSink SinkToStandardOutput(CsvEncoding encoding);
