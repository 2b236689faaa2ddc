#pragma once
// The unit names of the two unit systems and the captions the user reads
// beside a number: its unit and its range.

#include <QString>

#include "rules/InputDescriptors.h"

// "mm", "ft/s", "°C": the unit a quantity is written in.
QString FncUnitText(Quantity quantity, Units units);
// "65.47 mm": a number as written, then its unit.
QString FncWithUnit(const QString& number, Quantity quantity, Units units);

// "1440 m/s", "4724 ft/s": a velocity in the run's units. A velocity of a
// table is given in ft/s whole, as the list of entries gives it; a typed one
// as it was typed.
QString FncVelocityText(double metresPerSecond, bool fromTable, const NumberFormat& format);

// "6.00", "244.100": a limit as written, with a point whatever the locale.
QString FncLimitText(const Limit& limit);

// "[mm]", "[ft/s]": the unit label of a quantity.
QString FncUnitCaption(Quantity quantity, Units units);
// "6.00-6200.00mm": the range label of a number input.
QString FncRangeCaption(const InputDescriptor& input, Units units);
// The same of a number that is no input of the window ("0-100°C").
QString FncRangeCaption(const Range& range, Quantity quantity, Units units);
