#pragma once
// When a numeric field's text is refused, without any widget: the rule the
// window applies on leaving a field and again before it calculates.

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

// Text ids of the two refusal messages.
inline constexpr std::int16_t kNotANumberText = 3920;
inline constexpr std::int16_t kOutOfRangeText = 3921;

// Leaving a field accepts an empty text; the calculation cannot use one.
enum class EmptyText { Accepted, Refused };

// The text id of the message that refuses `text`, or nothing when it is
// accepted: only digits, signs and separators, a number `locale` can read,
// and between the limit texts, both included.
std::optional<std::int16_t> FncFieldRefusal(const QString& text, const QString& lowerText,
                                            const QString& upperText, const QLocale& locale,
                                            EmptyText empty);
