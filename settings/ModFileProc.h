#pragma once
// Reading profile files, with the behaviour of the Windows profile functions
// (see ProfileParser.h for the reading rules). The program only reads
// profile files, it never writes them.

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "settings/ProfileParser.h"

namespace ModFileProc {

// A settings file is user-controlled: only this many bytes of it are read. A
// line cut off by the bound is dropped rather than read half.
inline constexpr qsizetype kProfileReadLimit = 1024 * 1024;

// One profile file read into memory, so that several keys can be asked for
// with a single read of the file. A file that cannot be read (missing, not a
// regular file, no permission) behaves like an empty one.
class PrivateProfile {
public:
    static PrivateProfile Load(const QString& fileName);

    // The integer value of a key (wrapping at 32 bits, see ProfileValueToInt),
    // `defaultValue` when the section or key is missing or the value is empty.
    std::int32_t GetInt(const char* section, const char* key, std::int32_t defaultValue) const;
    // The value of a key, empty when the section or key is missing. A value
    // longer than `maxBytes` is cut before the first UTF-8 character that
    // would not fit whole.
    QByteArray GetString(const char* section, const char* key, qsizetype maxBytes) const;

private:
    ProfileData data_;
};

}  // namespace ModFileProc
