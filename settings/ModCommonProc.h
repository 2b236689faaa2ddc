#pragma once
// Start-up values, the settings reader and text look-up.

#include <QString>
#include <cstdint>

#include "settings/NumberFormat.h"
#include "text/TextTable.h"

// What start-up fixes for the whole run, before any window exists. Nothing
// changes it afterwards: it is handed on by value or as a const reference.
struct StartupValues {
    Language language = Language::Japanese;
    // The unit system and the number locale.
    NumberFormat format;
    // The font name of the window's controls, in the run's language.
    QString CaptionFontName;

    // The text of `id` in the run's language.
    QString Text(TextId id) const;
};

namespace ModCommonProc {

// Name of the settings file beside the program.
inline constexpr char kIniFileName[] = "Velkara.ini";

// What the flags of a settings file choose: UNIT_FLAG 0 metric units, any
// other value inches; LANG_FLAG 0 Japanese, any other value English.
Units FncUnitsOfFlag(std::int16_t unitFlag);
Language FncLanguageOfFlag(std::int16_t langFlag);

// The start-up values of a unit system and a language, or of the two flags
// that choose them. CaptionFontName follows from the language; the number
// locale is the system's.
StartupValues FncStartupValues(Units units, Language language);
StartupValues FncStartupValues(std::int16_t unitFlag, std::int16_t langFlag);

// The settings part of start-up for a given program folder: reads the
// settings file there (and the one file it may redirect to). Creates no
// window and does not look for another running copy.
StartupValues FncLoadStartupValues(const QString& programFolder);

// A name taken relative to the program folder. Both '\\' and '/' in the name
// separate folders, so a settings file written on Windows works unchanged.
QString FncProgramFolderPath(const QString& folder, const QString& name);

// What one settings file says. A flag that does not fit in 16 bits counts
// as missing: 0.
struct IniFlags {
    std::int16_t UnitFlag = 0;
    std::int16_t LangFlag = 0;
    // The file INI_FILENAME names in the program folder, or `path` itself
    // when the key is missing or empty.
    QString AltIniPath;
};

// Reads one settings file; `programFolder` resolves its INI_FILENAME.
IniFlags FncReadIni(const QString& path, const QString& programFolder);

// The flags that decide for a program folder: of the settings file there, or
// of the one file it redirects to.
IniFlags FncLoadIniFlags(const QString& programFolder);

// The characters before the first NUL.
QString FncTrimNul(const QString& text);

}  // namespace ModCommonProc
