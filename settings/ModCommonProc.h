#pragma once
// Start-up values, the settings reader and text look-up.

#include <QLocale>
#include <QString>
#include <cstdint>

// What start-up fixes for the whole run, before any window exists. Nothing
// changes it afterwards: it is handed on by value or as a const reference.
struct StartupValues {
    // 0: metric units (mm, m/s); any other value: English units (inch, ft/s).
    std::int16_t UnitFlag = 0;
    // 0: Japanese texts; any other value: English texts.
    std::int16_t LangFlag = 0;
    // 0 (Japanese) or 5000 (English); added to every text id.
    std::int16_t LangOffset = 0;
    // Text 1 of the run's language: the font name of the window's controls.
    QString CaptionFontName;
    // The locale in which the user types numbers and reads results.
    QLocale NumberLocale = QLocale::system();

    // The text of a base id in the run's language (base id + LangOffset).
    QString Text(std::int16_t baseId) const;
};

namespace ModCommonProc {

// Name of the settings file beside the program.
inline constexpr char kIniFileName[] = "Velkara.ini";

// The start-up values for a unit system and a language: LangOffset and
// CaptionFontName follow from the language. The number locale is the
// system's.
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

// The characters before the first NUL.
QString FncTrimNul(const QString& text);

}  // namespace ModCommonProc
