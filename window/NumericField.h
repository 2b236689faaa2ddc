#pragma once
// One row per numeric input field: the labels the window writes beside it
// and the limits that hold it. Initialisation, the checks on leaving a field
// and the checks before calculating all read the same rows.

#include <cstddef>

class QLabel;
class QLineEdit;

// What a field holds, which is also its slot of UnitText.
enum class Quantity : std::size_t { Length = 0, Velocity = 1 };

struct NumericField {
    QLineEdit* field;
    QLabel* rangeLabel;
    QLabel* unitLabel;
    std::size_t lowerLimitSlot;  // of RangeText; the upper limit is the next slot
    Quantity quantity;
};
