#include "settings/ProfileParser.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

QByteArrayView TrimBlanks(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.sliced(begin, end - begin);
}

QByteArrayView StripQuotes(QByteArrayView value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.sliced(1, value.size() - 2);
    }
    return value;
}

QByteArray FoldCase(QByteArrayView name) {
    return name.toByteArray().toLower();
}

}  // namespace

ProfileData ProfileData::Parse(QByteArrayView content) {
    ProfileData data;
    if (content.startsWith("\xEF\xBB\xBF")) content = content.sliced(3);

    // Null while outside any section, and while inside a repeated section,
    // whose keys the first section of that name hides.
    std::map<QByteArray, QByteArray>* current = nullptr;
    qsizetype pos = 0;
    while (pos < content.size()) {
        qsizetype end = pos;
        while (end < content.size() && content[end] != '\r' && content[end] != '\n') ++end;
        const QByteArrayView line = TrimBlanks(content.sliced(pos, end - pos));
        pos = end + 1;
        if (end + 1 < content.size() && content[end] == '\r' && content[end + 1] == '\n') ++pos;

        if (line.isEmpty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const QByteArrayView name = line.sliced(1);
            const qsizetype close = name.indexOf(']');
            if (close >= 0) {
                const auto [it, isNew] =
                    data.sections_.try_emplace(FoldCase(TrimBlanks(name.first(close))));
                current = isNew ? &it->second : nullptr;
                continue;
            }
        }
        const qsizetype equals = line.indexOf('=');
        if (equals < 0 || current == nullptr) continue;
        current->try_emplace(FoldCase(TrimBlanks(line.first(equals))),
                             StripQuotes(TrimBlanks(line.sliced(equals + 1))).toByteArray());
    }
    return data;
}

std::optional<QByteArray> ProfileData::Value(QByteArrayView section, QByteArrayView key) const {
    const auto sectionIt = sections_.find(FoldCase(section));
    if (sectionIt == sections_.end()) return std::nullopt;
    const auto keyIt = sectionIt->second.find(FoldCase(key));
    if (keyIt == sectionIt->second.end()) return std::nullopt;
    return keyIt->second;
}

std::int32_t ProfileValueToInt(QByteArrayView value, std::int32_t defaultValue) {
    if (value.isEmpty()) return defaultValue;
    qsizetype i = 0;
    while (i < value.size() && IsBlank(value[i])) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    // Unsigned arithmetic wraps by definition, so a digit string of any length
    // is safe and ends with the value Windows reports for it.
    std::uint32_t magnitude = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        magnitude = magnitude * 10u + static_cast<std::uint32_t>(value[i] - '0');
    }
    return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}
