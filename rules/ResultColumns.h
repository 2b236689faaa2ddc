#pragma once
// The columns a list of points gets added, one per result: the spacing, the
// rail steps, and the message of a point not computed. The tool writes them,
// reads past them in a list that has them, and its help names them, all from
// here.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/NumberFormat.h"

// How the columns are named: as the options are ("spacing-mm", "steps",
// "message"), or, for a list headed by the window's Japanese captions, as the
// window captions its results ("取付け寸法1[mm]", "取付け寸法2", "メッセージ").
enum class ColumnNaming { Options, JapaneseCaptions };

// The names, UTF-8, in the order the columns are added.
std::array<std::string, 3> FncResultColumnNames(Units units,
                                                ColumnNaming naming = ColumnNaming::Options);

// The result column `utf8` names, in either naming and either unit system,
// blanks around it and ASCII letter case aside; nothing for any other name.
std::optional<std::string> FncResultColumnNamed(std::string_view utf8);
