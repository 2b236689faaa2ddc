#pragma once
// Profile (INI) text as Windows users know it:
// - section and key names match regardless of letter case;
// - blanks around names, around '=' and around the value do not count;
// - a value wrapped in a matching pair of '"' or '\'' loses that pair;
// - a line whose first non-blank character is ';' is a comment; there are no
//   comments at the end of a line ("a=1 ;x" has the value "1 ;x");
// - the first section of a name and the first occurrence of a key in it win;
// - keys before the first section belong to no section and cannot be read;
// - CRLF, LF and a lone CR all end a line; a UTF-8 byte-order mark is skipped.

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <map>
#include <optional>

class ProfileData {
public:
    static ProfileData Parse(QByteArrayView content);

    // The value of `key` in the first section named `section`; nothing when
    // the section or the key is not there.
    std::optional<QByteArray> Value(QByteArrayView section, QByteArrayView key) const;

private:
    // Section and key names are stored folded to lower case.
    std::map<QByteArray, std::map<QByteArray, QByteArray>> sections_;
};

// A profile value read as an integer: leading blanks, one optional sign,
// decimal digits up to the first other character ("12abc" is 12, "abc" is 0).
// An empty value gives `defaultValue`. Digits beyond the 32-bit range wrap
// round modulo 2^32 as on Windows, so a settings file means the same on both
// ("4294967297" is 1, "-4294967297" is -1).
std::int32_t ProfileValueToInt(QByteArrayView value, std::int32_t defaultValue);
