#include "app/settings/ModCommonProc.h"

namespace ModCommonProc {

std::int16_t UnitFlag = 0;
std::int16_t LangFlag = 0;
std::int16_t LangOffset = 0;
QString CaptionFontName;

QString DefaultIniPath;
QString AltIniPath;
QString ProgramFolder;

}  // namespace ModCommonProc
