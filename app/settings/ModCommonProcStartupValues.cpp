// The start-up values: read from the settings files once, then fixed.

#include "app/settings/ModCommonProc.h"
#include "text/TextTable.h"

namespace ModCommonProc {

void FncLoadStartupValues(const QString& programFolder) {
    ProgramFolder = programFolder;
    DefaultIniPath = FncProgramFolderPath(programFolder, QString::fromLatin1(kIniFileName));
    AltIniPath.clear();

    FncReadIni(DefaultIniPath);
    // The default file may redirect to another file once; that file alone
    // decides, and its own INI_FILENAME is not followed.
    const QString redirection = AltIniPath;
    if (!redirection.isEmpty() && redirection != DefaultIniPath) {
        FncReadIni(redirection);
        // Whatever the second file names is ignored; AltIniPath keeps naming
        // the file that decided.
        AltIniPath = redirection;
    }

    FncSetStartupValues(UnitFlag, LangFlag);
}

void FncSetStartupValues(std::int16_t unitFlag, std::int16_t langFlag) {
    UnitFlag = unitFlag;
    LangFlag = langFlag;
    LangOffset = langFlag != 0 ? 5000 : 0;
    CaptionFontName = FncGetText(1);
}

QString FncGetText(std::int16_t baseId) {
    return ::FncGetText(baseId, LangOffset);
}

}  // namespace ModCommonProc
