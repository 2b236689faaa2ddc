#pragma once
// The encodings a CSV list may come in: UTF-8, with or without a byte order
// mark, and code page 932 as Excel writes "CSV (comma delimited)" on Japanese
// Windows. Both leave the bytes of ',', '"', CR and LF to those characters
// alone, so records are read and written on the bytes as they come, and only
// the fields read are decoded.

#include <string>
#include <string_view>

enum class CsvEncoding { Utf8, Cp932 };

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// What the start of a list says: a byte order mark or valid UTF-8 (a
// character cut by the end of `start` counts as valid unless `complete`, the
// whole input), else code page 932. Text of ASCII alone is UTF-8.
CsvEncoding DetectCsvEncoding(std::string_view start, bool complete);

// Text of a list in `encoding` as UTF-8.
std::string ToUtf8(std::string_view text, CsvEncoding encoding);
