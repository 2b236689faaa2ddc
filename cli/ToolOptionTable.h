#pragma once
// The options of velkara-spacing, each declared once: its name, the name of
// its value, what it does and the group of --help that shows it. The parser
// is set up from these rows and --help is written from them, so a new option
// is one row (and its handling in ParseToolOptions).

#include <cstddef>
#include <span>
#include <string>

// The groups of --help, in its order.
enum class OptionGroup { OnePoint, ManyPoints, Settings, Output };

// The tool's own options, in the order of their rows. The values of a point
// are the options of the given fields, named after them (GivenFields()).
enum class OwnOption { Csv, Encoding, Units, Lang, Json, Compare, Sheet, List, Help, Version };

struct ToolOption {
    OptionGroup group{};
    std::string name;  // without "--"
    // Empty for a flag. "mm|inch": the only words it takes.
    std::string valueName;
    std::string description;  // its lines in --help, '\n' between them
    std::string alias;        // a further name, not shown in --help ("h")
};

// Every option: first the given fields', row `field` for GivenFields()[field],
// then the tool's own, in the order of OwnOption. Within a group, --help
// shows them in this order.
std::span<const ToolOption> ToolOptionTable();

// The row of one of the tool's own options.
const ToolOption& OptionRow(OwnOption option);

// The row of OptionRow(option) in ToolOptionTable().
std::size_t RowIndex(OwnOption option);
