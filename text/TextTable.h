#pragma once
// The table of localised texts: Japanese under a base id below 5000, the
// English twin under base id + 5000.

#include <QString>
#include <cstdint>

// The text stored under exactly this id (Japanese or English half). An id
// that is not in the table is a programming error: throws std::out_of_range.
QString TextTable(std::int16_t id);

// The text of a base id in the language that `langOffset` selects: 0 for
// Japanese, 5000 for English.
QString FncGetText(std::int16_t baseId, std::int16_t langOffset);

// The texts composed from table entries and fixed pieces.
QString ComposedWindowTitle(std::int16_t langOffset);                  // 4401 + " - " + 4402
QString ComposedMountSizeCaption(int index, std::int16_t langOffset);  // 1380 + "1" or "2"
QString ComposedInputRequiredLegend(std::int16_t langOffset);          // "* : " + 1967
