#pragma once
// The usage text of --help, written from the table of options.

#include <string>

std::string ToolUsage();
