#pragma once
// Finding a list entry by the name a user typed: without regard to letter
// case, in either language, as the window's lists show the entries.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "rules/AsciiText.h"
#include "rules/InputDescriptors.h"

class ListNames {
public:
    ListNames();

    // The position of the entry of `list` named `utf8`, if there is one.
    std::optional<int> Find(InputId list, std::string_view utf8) const;

private:
    using NameMap = std::unordered_map<std::string, int, StringViewHash, std::equal_to<>>;
    // Per input (lists only), name -> position; the first entry of a name
    // wins, as picking it from the top of the list would. The names as the
    // lists show them answer most look-ups without folding.
    std::array<NameMap, kInputCount> exact_;
    std::array<NameMap, kInputCount> byName_;  // folded
};
