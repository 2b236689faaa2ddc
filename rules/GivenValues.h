#pragma once
// Values given by name outside the window, as command-line options or as the
// columns of a list of points, and how they become the window's entries. The
// window cannot get an entry that nothing reads (a number stays locked until
// its list's entry reads it); a name given from outside can, so every value
// given is used or refused here, the same for an option and a column:
//
//  - a list's name is looked up; a name that is no entry is refused;
//  - a number whose list is not given selects the one entry that reads it
//    (a typed sound velocity selects "FLUID S.V." and its kin);
//  - a number given with an entry that does not read it, or whose list has
//    several entries that would (a lining thickness without a lining), is
//    refused, naming both.
//
// A further value that fills entries (one not in the window) is a row of
// GivenFields() past the inputs and a step in FncResolveGiven. So is a pipe
// size from the tables of the standards: its size and schedule fill the outer
// diameter and the wall, which may be given too only with the table's values,
// and select the pipe material the table implies unless one is given.
// So is the temperature of the fluid: it selects "FLUID S.V." with the
// velocity the fluid's model gives at that temperature, and may go only with
// a fluid that has a model (FncFluidTakesTemperature) and without a fluid
// velocity of its own.

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "rules/InputDescriptors.h"
#include "rules/LiquidTemperature.h"
#include "rules/ListNames.h"
#include "rules/PipeSizes.h"
#include "rules/Reasons.h"
#include "settings/NumberFormat.h"

// The inputs in focus order, at their focus positions, then any other value:
// the nominal size of a pipe and the schedule whose table has it, the
// temperature of the fluid, the same of water as it was first given (only
// with a fluid that is water), and seawater's salinity.
inline constexpr std::size_t kPipeSizeField = kInputCount;
inline constexpr std::size_t kScheduleField = kInputCount + 1;
inline constexpr std::size_t kFluidTemperatureField = kInputCount + 2;
inline constexpr std::size_t kWaterTemperatureField = kInputCount + 3;
inline constexpr std::size_t kSalinityField = kInputCount + 4;
inline constexpr std::size_t kGivenCount = kInputCount + 5;

struct GivenField {
    // The option without its leading "--"; also a column name.
    const char* optionName = nullptr;
    // The window's caption, in either language also a column name.
    TextId captionTextId{};
};

std::span<const GivenField, kGivenCount> GivenFields();

// UTF-8 text per given field. A value of blanks alone counts as not given
// (a list then takes its first entry, as the window does at start), but a
// number keeps the text for the field's own check.
struct GivenPoint {
    std::array<std::string_view, kGivenCount> values{};
};

// A value given that cannot be used: `field` refused for `reason` (one of
// NotInList to DiffersFromTable), with the `other` field it concerns and what it
// quotes from the tables; or a value past the inputs refused by its own check
// (NotANumber, OutOfRange), as a typed number is.
struct GivenRefusal {
    Reason reason = Reason::NotInList;
    std::size_t field = 0;
    std::size_t other = 0;
    std::array<QString, 2> quoted{};
};

// The entries of a point given by name, the row of the pipe size tables
// that gave its outer diameter and wall, if one did, and the liquid and
// temperature that gave the fluid velocity, if one did.
struct GivenEntries {
    Entries entries;
    std::optional<PipeSizePick> pipeSize;
    std::optional<LiquidOrigin> liquid;
    // The field that gave the temperature: the fluid's, or water's.
    std::size_t temperatureField = kFluidTemperatureField;
};

// The entries of the point, or the first refusal in focus order. A number
// from the pipe size tables or a liquid's temperature is given as a number
// and also as the text its dialog types (in the format's units and locale).
std::variant<GivenEntries, GivenRefusal> FncResolveGiven(const GivenPoint& point,
                                                         const ListNames& names,
                                                         const NumberFormat& format);

// Whether the refusal is of the value alone, as a number typed into the
// window is refused, rather than of how the values are given together.
bool FncRefusedByOwnCheck(const GivenRefusal& refusal);

// What a refusal says in `language`, "<caption>: <reason>" as the window
// names a field it refuses.
QString FncGivenRefusalText(const GivenRefusal& refusal, Language language);

// How the command line refuses the options of `point`: by their names and
// the values as given.
QString FncGivenRefusalOptionText(const GivenRefusal& refusal, const GivenPoint& point);

// The field a column is named after: its option name or the window's caption
// in either language, letter case and width aside, blanks, '_' and '-' alike.
// `japaneseCaption`, if given, tells whether the name was its Japanese caption.
std::optional<std::size_t> FncGivenFieldNamed(std::string_view utf8,
                                              bool* japaneseCaption = nullptr);

// The field a name that is none comes close to: the start of a field's name
// or of a word of it, or one or two letters off (one for short names).
std::optional<std::size_t> FncGivenFieldNear(std::string_view utf8);
