#pragma once
// The profile-file functions the settings reader relies on, with the
// behaviour of their Windows namesakes (see ProfileParser.h for the reading
// rules). The program only reads profile files, it never writes them.

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

    // As GetPrivateProfileIntA.
    std::int32_t GetInt(const char* appName, const char* keyName, std::int32_t nDefault) const;
    // As GetPrivateProfileStringA.
    std::uint32_t GetString(const char* appName, const char* keyName, const char* lpDefault,
                            char* lpReturnedString, std::uint32_t nSize) const;

private:
    ProfileData data_;
};

// The integer value of a key (wrapping at 32 bits, see ProfileValueToInt),
// `nDefault` when the file, section or key is missing or the value is empty.
std::int32_t GetPrivateProfileIntA(const char* lpAppName, const char* lpKeyName,
                                   std::int32_t nDefault, const char* lpFileName);

// Copies the value of a key (or `lpDefault` without its trailing blanks when
// the file, section or key is missing; a null default counts as empty) into
// the buffer and always ends it with a NUL. Returns the number of bytes
// copied, without the NUL: at most nSize - 1. A value that does not fit is
// cut before the first UTF-8 character that would not fit whole.
std::uint32_t GetPrivateProfileStringA(const char* lpAppName, const char* lpKeyName,
                                       const char* lpDefault, char* lpReturnedString,
                                       std::uint32_t nSize, const char* lpFileName);

}  // namespace ModFileProc
