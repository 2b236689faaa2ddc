#include "list/CsvEncoding.h"

#include <cstdint>

#include "list/Cp932.h"

namespace {

bool IsContinuation(std::uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the UTF-8 character a byte starts, 0 for a byte that starts
// none (a continuation, or one that only an overlong form would use).
std::size_t SequenceLength(std::uint8_t lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The second byte's range that keeps a character short, no surrogate and
// below U+110000.
bool SecondByteFits(std::uint8_t lead, std::uint8_t second) {
    switch (lead) {
        case 0xE0:
            return second >= 0xA0;
        case 0xED:
            return second < 0xA0;
        case 0xF0:
            return second >= 0x90;
        case 0xF4:
            return second < 0x90;
        default:
            return true;
    }
}

bool IsUtf8(std::string_view text, bool complete) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[at]);
        const std::size_t length = SequenceLength(lead);
        if (length == 0) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if (at + k == text.size()) return !complete;
            const auto byte = static_cast<std::uint8_t>(text[at + k]);
            if (!IsContinuation(byte) || (k == 1 && !SecondByteFits(lead, byte))) return false;
        }
        at += length;
    }
    return true;
}

}  // namespace

CsvEncoding DetectCsvEncoding(std::string_view start, bool complete) {
    if (start.starts_with(kUtf8ByteOrderMark) || IsUtf8(start, complete)) return CsvEncoding::Utf8;
    return CsvEncoding::Cp932;
}

std::string ToUtf8(std::string_view text, CsvEncoding encoding) {
    return encoding == CsvEncoding::Utf8 ? std::string(text) : Cp932ToUnicode(text).toStdString();
}
