#pragma once
// Finding a list entry by the name a user typed: without regard to letter
// case, in either language, as the window's lists show the entries.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "rules/InputDescriptors.h"

class ListNames {
public:
    ListNames();

    // The position of the entry of `list` named `utf8`, if there is one.
    std::optional<int> Find(InputId list, std::string_view utf8) const;

private:
    // Per input (lists only): folded name -> position; the first entry of a
    // name wins, as picking it from the top of the list would.
    std::array<std::unordered_map<std::string, int>, kInputCount> byName_;
};
