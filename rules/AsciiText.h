#pragma once
// The few byte-level text helpers that names typed outside the window need:
// blanks as a spreadsheet cell keeps them, and letter case of plain ASCII,
// which most names are, without a round trip through Unicode.

#include <functional>
#include <string>
#include <string_view>

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// `text` without the blanks around it.
constexpr std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

constexpr bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// A-Z as a-z; every other byte unchanged.
inline std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

// Looks std::string keys up by std::string_view without making a string.
struct StringViewHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};
