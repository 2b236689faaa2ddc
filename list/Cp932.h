#pragma once
// Code page 932, Shift_JIS as Windows and Excel write it, through what the
// platform has: the Windows API on Windows, Qt's converters (ICU) elsewhere.
// Safe to call from several threads at once.

#include <QByteArray>
#include <QString>
#include <string_view>

// False where the platform has no converter for the code page.
bool Cp932Available();

// Bytes that are no character become a substitute, which no name or number
// holds.
QString Cp932ToUnicode(std::string_view bytes);

// Characters the code page lacks become a substitute.
QByteArray Cp932FromUnicode(const QString& text);
