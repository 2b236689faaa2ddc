// The start-up values: read from the settings files once, then fixed.

#include "settings/ModCommonProc.h"
#include "text/TextTable.h"

QString StartupValues::Text(std::int16_t baseId) const {
    return FncGetText(baseId, LangOffset);
}

namespace ModCommonProc {

StartupValues FncStartupValues(std::int16_t unitFlag, std::int16_t langFlag) {
    StartupValues values;
    values.UnitFlag = unitFlag;
    values.LangFlag = langFlag;
    values.LangOffset = langFlag != 0 ? 5000 : 0;
    values.CaptionFontName = values.Text(1);
    return values;
}

StartupValues FncLoadStartupValues(const QString& programFolder) {
    const QString defaultIniPath =
        FncProgramFolderPath(programFolder, QString::fromLatin1(kIniFileName));
    IniFlags flags = FncReadIni(defaultIniPath, programFolder);
    // The default file may redirect to another file once; that file alone
    // decides, and its own INI_FILENAME is not followed.
    if (!flags.AltIniPath.isEmpty() && flags.AltIniPath != defaultIniPath) {
        flags = FncReadIni(flags.AltIniPath, programFolder);
    }
    return FncStartupValues(flags.UnitFlag, flags.LangFlag);
}

}  // namespace ModCommonProc
