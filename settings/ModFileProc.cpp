#include "settings/ModFileProc.h"

#include <algorithm>

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

std::int32_t PrivateProfile::GetInt(const char* section, const char* key,
                                    std::int32_t defaultValue) const {
    const std::optional<QByteArray> value = data_.Value(section, key);
    return value ? ProfileValueToInt(*value, defaultValue) : defaultValue;
}

QByteArray PrivateProfile::GetString(const char* section, const char* key,
                                     qsizetype maxBytes) const {
    const QByteArray value = data_.Value(section, key).value_or(QByteArray());
    return value.first(Utf8CutLength(value, maxBytes));
}

}  // namespace ModFileProc
