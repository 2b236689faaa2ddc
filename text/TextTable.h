#pragma once
// The table of localised texts: every text in Japanese and in English, looked
// up by its name in the language of the run.

#include <QString>
#include <cstdint>

#include "text/TextIds.h"

// The language of every text of a run, chosen once at start-up.
enum class Language : std::uint8_t { Japanese, English };

// Both languages, for names a user may type in either.
inline constexpr Language kLanguages[] = {Language::Japanese, Language::English};

// The text stored under exactly this 16-bit id of the table, where a base id
// holds the Japanese text and a higher id its English twin. An id that is
// not in the table is a programming error: throws std::out_of_range.
QString TextTable(std::int16_t id);

// The text of `id` in `language`.
QString FncGetText(TextId id, Language language);

// The texts composed from table entries and fixed pieces.
QString ComposedWindowTitle(Language language);  // TitleFlowmeter " - " TitleSpacingTool
QString ComposedMountSizeCaption(int index, Language language);  // CaptionSensorSpacing "1" or "2"
QString ComposedInputRequiredLegend(Language language);          // "* : " CaptionInput
