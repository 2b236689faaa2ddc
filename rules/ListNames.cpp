#include "rules/ListNames.h"

#include <QString>

#include "rules/AsciiText.h"

namespace {

// The key a name is looked up by: Unicode case folding, done cheaply for the
// plain ASCII names that most lists consist of.
std::string Folded(std::string_view utf8) {
    if (IsAscii(utf8)) return AsciiLower(utf8);
    const QByteArray folded =
        QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toCaseFolded().toUtf8();
    return std::string(folded.constData(), std::size_t(folded.size()));
}

}  // namespace

ListNames::ListNames() {
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind != InputKind::List) continue;
        auto& names = byName_[FocusPosition(input.id)];
        for (const Language language : kLanguages) {
            const QStringList entries = input.entryNames(language);
            for (int position = 0; position < entries.size(); ++position) {
                const QByteArray name = entries[position].toUtf8();
                const std::string_view utf8(name.constData(), std::size_t(name.size()));
                exact_[FocusPosition(input.id)].try_emplace(std::string(utf8), position);
                names.try_emplace(Folded(utf8), position);
            }
        }
    }
}

std::optional<int> ListNames::Find(InputId list, std::string_view utf8) const {
    // Blanks around a name, as a spreadsheet cell may keep them, do not count.
    utf8 = TrimBlanks(utf8);
    const auto& exact = exact_[FocusPosition(list)];
    if (const auto found = exact.find(utf8); found != exact.end()) return found->second;
    const auto& names = byName_[FocusPosition(list)];
    const std::string key = Folded(utf8);
    const auto found = names.find(key);
    if (found != names.end()) return found->second;
    // The start of one entry's name is enough ("V" for "V METHOD", "TB_01"
    // for "TB_01/TC_01"); the start of several different names is not.
    if (key.empty()) return std::nullopt;
    // Keys are unique names, so two positions here are two different entries.
    std::optional<int> match;
    for (const auto& [name, position] : names) {
        if (!std::string_view(name).starts_with(key)) continue;
        if (match && *match != position) return std::nullopt;
        match = position;
    }
    return match;
}
