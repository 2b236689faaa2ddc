#pragma once
// Start-up, settings reader, text helpers and the character test.
//
// The start-up values are set once by SubMain before the window exists and
// are only read afterwards.

#include <QString>
#include <cstdint>

namespace ModCommonProc {

// 0: metric units (mm, m/s); any other value: English units (inch, ft/s).
extern std::int16_t UnitFlag;
// 0: Japanese texts; any other value: English texts.
extern std::int16_t LangFlag;
// 0 (Japanese) or 5000 (English); added to every text id.
extern std::int16_t LangOffset;
// Text 1 of the run's language: the font name of the window's controls.
extern QString CaptionFontName;

// Settings file beside the program, and the redirection it may name.
extern QString DefaultIniPath;
extern QString AltIniPath;

// The folder that holds the program file; settings files are looked up here.
extern QString ProgramFolder;

// Name of the settings file beside the program.
inline constexpr char kIniFileName[] = "Velkara.ini";

// The settings part of start-up, for a given program folder: sets
// DefaultIniPath, reads the settings file (and the file it redirects to),
// then fixes LangOffset and CaptionFontName. Creates no window and does not
// look for another running copy.
void FncLoadStartupValues(const QString& programFolder);

// Fixes the unit system and the language for the run: UnitFlag, LangFlag,
// and what follows from the language, LangOffset and CaptionFontName.
void FncSetStartupValues(std::int16_t unitFlag, std::int16_t langFlag);

// A name taken relative to the program folder. Both '\\' and '/' in the name
// separate folders, so a settings file written on Windows works unchanged.
QString FncProgramFolderPath(const QString& folder, const QString& name);

// Reads one settings file into UnitFlag and LangFlag and sets AltIniPath.
bool FncReadIni(const QString& path);

// The characters before the first NUL.
QString FncTrimNul(const QString& text);

// The text of a base id in the run's language (base id + LangOffset).
QString FncGetText(std::int16_t baseId);

// Character test of a numeric field: 1 empty, -1 refused, 0 allowed.
std::int32_t FncChkNumText(const QString& text, std::int32_t length);

}  // namespace ModCommonProc
