#include "settings/ModFileProc.h"

#include <QFile>
#include <algorithm>
#include <cstring>

#include "settings/RegularFileRead.h"

namespace ModFileProc {

namespace {

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// How many of the first `room` bytes of `text` to keep so that no UTF-8
// character is split. Text that is not UTF-8 is cut at `room`.
qsizetype Utf8CutLength(QByteArrayView text, qsizetype room) {
    if (text.size() <= room) return text.size();
    qsizetype cut = room;
    // A UTF-8 character has at most three continuation bytes.
    for (int stepped = 0; stepped < 3 && cut > 0 && IsUtf8Continuation(text[cut]); ++stepped) {
        --cut;
    }
    return IsUtf8Continuation(text[cut]) ? room : cut;
}

}  // namespace

PrivateProfile PrivateProfile::Load(const QString& fileName) {
    PrivateProfile profile;
    const std::optional<FilePrefix> file = ReadRegularFilePrefix(fileName, kProfileReadLimit);
    if (!file) return profile;
    QByteArrayView content = file->bytes;
    if (file->truncated) {
        const qsizetype lastBreak = std::max(content.lastIndexOf('\n'), content.lastIndexOf('\r'));
        content = content.first(lastBreak + 1);
    }
    profile.data_ = ProfileData::Parse(content);
    return profile;
}

std::int32_t PrivateProfile::GetInt(const char* appName, const char* keyName,
                                    std::int32_t nDefault) const {
    if (appName == nullptr || keyName == nullptr) return nDefault;
    const std::optional<QByteArray> value = data_.Value(appName, keyName);
    return value ? ProfileValueToInt(*value, nDefault) : nDefault;
}

std::uint32_t PrivateProfile::GetString(const char* appName, const char* keyName,
                                        const char* lpDefault, char* lpReturnedString,
                                        std::uint32_t nSize) const {
    if (lpReturnedString == nullptr || nSize == 0) return 0;
    std::optional<QByteArray> value;
    if (appName != nullptr && keyName != nullptr) value = data_.Value(appName, keyName);
    QByteArrayView text =
        value ? QByteArrayView(*value) : QByteArrayView(lpDefault != nullptr ? lpDefault : "");
    // Windows drops the trailing blanks of the default text (not of a value
    // read from the file, which the parser has trimmed already).
    if (!value) {
        while (text.endsWith(' ')) text.chop(1);
    }
    const qsizetype copied = Utf8CutLength(text, qsizetype{nSize} - 1);
    std::memcpy(lpReturnedString, text.data(), static_cast<std::size_t>(copied));
    lpReturnedString[copied] = '\0';
    return static_cast<std::uint32_t>(copied);
}

std::int32_t GetPrivateProfileIntA(const char* lpAppName, const char* lpKeyName,
                                   std::int32_t nDefault, const char* lpFileName) {
    if (lpFileName == nullptr) return nDefault;
    return PrivateProfile::Load(QFile::decodeName(lpFileName))
        .GetInt(lpAppName, lpKeyName, nDefault);
}

std::uint32_t GetPrivateProfileStringA(const char* lpAppName, const char* lpKeyName,
                                       const char* lpDefault, char* lpReturnedString,
                                       std::uint32_t nSize, const char* lpFileName) {
    const PrivateProfile profile = lpFileName != nullptr
                                       ? PrivateProfile::Load(QFile::decodeName(lpFileName))
                                       : PrivateProfile();
    return profile.GetString(lpAppName, lpKeyName, lpDefault, lpReturnedString, nSize);
}

}  // namespace ModFileProc
