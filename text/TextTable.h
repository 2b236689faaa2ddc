#pragma once
// The table of localised texts: Japanese under a base id below 5000, the
// English twin under base id + 5000.

#include <QString>
#include <cstdint>
#include <vector>

// The text stored under exactly this id (Japanese or English half). An id
// that is not in the table is a programming error: throws std::out_of_range.
QString TextTable(std::int16_t id);

// The text of a base id in the run's language (base id + LangOffset).
QString FncGetText(std::int16_t baseId);

// Every base id of the table, ascending (for tests and checks).
const std::vector<std::int16_t>& TextTableBaseIds();

// The texts composed from table entries and fixed pieces, in the run's language.
QString ComposedWindowTitle();                // 4401 + " - " + 4402
QString ComposedMountSizeCaption(int index);  // 1380 + "1" or "2"
QString ComposedInputRequiredLegend();        // "* : " + 1967
