#pragma once
// Every input of a spacing request, described once: what it is called, what
// limits hold it, when it is locked and where it stands in the focus order.
// The window builds its captions, focus order, locking, checks and Execute
// from these rows, and so does anything else that takes a request.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include <QString>
#include <QStringList>

#include "settings/NumberFormat.h"
#include "text/TextTable.h"

// The inputs in focus order; the value is the position in that order, which
// is also the index of the input's required mark. Past them the numbers of a
// request that no field of the window holds, which have no focus position
// and no entry: the temperature of the fluid (of water, so far), typed in
// the window's dialog.
enum class InputId : std::size_t {
    OuterDiameter,
    PipeMaterial,
    PipeVelocity,
    WallThickness,
    MountingMethod,
    SensorType,
    LiningMaterial,
    LiningVelocity,
    LiningThickness,
    Fluid,
    FluidVelocity,
    FluidTemperature,
};
// The window's inputs, and every input described.
inline constexpr std::size_t kInputCount = 11;
inline constexpr std::size_t kDescribedCount = 12;

constexpr std::size_t FocusPosition(InputId id) {
    return static_cast<std::size_t>(id);
}

enum class InputKind { Number, List };

// What a number holds. (No input of the window holds a temperature; the
// water temperature does.)
enum class Quantity : std::size_t { Length = 0, Velocity = 1, Temperature = 2 };

// A number that depends on a list. While locked it is not typed, not read
// and not checked; its value then comes from the list's chosen entry.
struct LockRule {
    InputId list;
    bool (*unlockedAt)(int listPosition);
    // Metric; throws CalcError(SubscriptOutOfRange) for a position with no
    // table row. None for a number no table gives (a temperature).
    double (*lockedValue)(int listPosition);
};

// A limit of a number as the user reads it: its value and the decimals it is
// written with ("6.00", "244.100").
struct Limit {
    double value = 0.0;
    int decimals = 0;
};
struct Range {
    Limit lower;
    Limit upper;
};

// An input is required exactly while it is unlocked (a list always is): its
// mark is shown then, and Execute refuses it empty.
struct InputDescriptor {
    InputId id{};
    // The input's name outside the window: a command-line option without its
    // leading "--", and a column of a list of requests.
    const char* optionName = nullptr;
    InputKind kind{};
    TextId captionTextId{};
    // Numbers: the quantity and the limits, both included, in either unit
    // system.
    Quantity quantity = Quantity::Length;
    Range metric;
    Range inch;
    std::optional<LockRule> lock;
    // Lists: the entries in a language, as the list shows them.
    QStringList (*entryNames)(Language language) = nullptr;
};

// The window's inputs, in focus order.
std::span<const InputDescriptor, kInputCount> Inputs();

const InputDescriptor& Describe(InputId id);

// A number's limits in `units`.
const Range& RangeOf(const InputDescriptor& input, Units units);

// What a user has entered: a text per number, a position (from 0, -1 for
// none) per list, indexed by focus position. A number given as a number, not
// typed (a pipe size from the tables), is read instead of the text, which then
// only shows it. The other members are unused.
struct Entry {
    QString text;
    int position = -1;
    std::optional<double> number;  // in the run's units
};
using Entries = std::array<Entry, kInputCount>;

// Whether a number input is locked with the lists as they stand.
bool IsLocked(const InputDescriptor& input, const Entries& entries);
