#pragma once
// The columns a list of points gets added, one per result: the spacing, the
// rail steps, and the message of a point not computed. The tool writes them,
// reads past them in a list that has them, and its help names them, all from
// here.

#include <array>
#include <string>

#include "settings/NumberFormat.h"

// How the columns are named. So far as the options are ("spacing-mm"); a
// list headed by the window's captions may later get its results named in
// the captions' language.
enum class ColumnNaming { Options };

// The names, UTF-8, in the order the columns are added.
std::array<std::string, 3> FncResultColumnNames(Units units,
                                                ColumnNaming naming = ColumnNaming::Options);
