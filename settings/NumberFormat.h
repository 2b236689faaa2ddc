#pragma once
// How a run writes and reads numbers: its unit system and the locale of the
// digits. Chosen once at start-up and handed on as one value.

#include <QLocale>
#include <cstdint>

// Millimetres and metres per second, or inches and feet per second. Inside,
// every length is in millimetres and every velocity in m/s; the units of the
// run apply where numbers are typed and shown.
enum class Units : std::uint8_t { Metric, Inch };

struct NumberFormat {
    Units units = Units::Metric;
    // The locale in which the user types numbers and reads results.
    QLocale locale = QLocale::system();
};
