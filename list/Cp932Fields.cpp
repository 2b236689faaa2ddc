#include "list/Cp932Fields.h"

#include <string>
#include <unordered_map>

#include "list/Cp932.h"
#include "rules/AsciiText.h"

namespace {

using Decoded = std::unordered_map<std::string, std::string, StringViewHash, std::equal_to<>>;

Decoded& ThreadDecoded() {
    thread_local Decoded decoded;
    return decoded;
}

}  // namespace

std::string_view Cp932FieldAsUtf8(std::string_view cp932) {
    Decoded& decoded = ThreadDecoded();
    if (const auto found = decoded.find(cp932); found != decoded.end()) return found->second;
    return decoded.emplace(cp932, Cp932ToUnicode(cp932).toStdString()).first->second;
}

void ForgetCp932FieldsIfFull() {
    if (ThreadDecoded().size() >= 4096) ThreadDecoded().clear();
}
