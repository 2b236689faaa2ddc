#pragma once
// The mounting sheets of a run of velkara-spacing (--sheet), written by the
// module that the tool loads from beside itself (sheet/SheetModule.h).

#include <string>
#include <variant>

#include "sheet/SheetModule.h"

// The module, or why it cannot be loaded.
std::variant<const SheetModule*, std::string> LoadSheetModule();
