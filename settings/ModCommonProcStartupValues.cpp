// The start-up values: read from the settings files once, then fixed.

#include "settings/ModCommonProc.h"

QString StartupValues::Text(TextId id) const {
    return FncGetText(id, language);
}

namespace ModCommonProc {

Units FncUnitsOfFlag(std::int16_t unitFlag) {
    return unitFlag != 0 ? Units::Inch : Units::Metric;
}

Language FncLanguageOfFlag(std::int16_t langFlag) {
    return langFlag != 0 ? Language::English : Language::Japanese;
}

StartupValues FncStartupValues(Units units, Language language) {
    StartupValues values;
    values.format.units = units;
    values.language = language;
    values.CaptionFontName = values.Text(TextId::FontName);
    return values;
}

StartupValues FncStartupValues(std::int16_t unitFlag, std::int16_t langFlag) {
    return FncStartupValues(FncUnitsOfFlag(unitFlag), FncLanguageOfFlag(langFlag));
}

IniFlags FncLoadIniFlags(const QString& programFolder) {
    const QString defaultIniPath =
        FncProgramFolderPath(programFolder, QString::fromLatin1(kIniFileName));
    const IniFlags flags = FncReadIni(defaultIniPath, programFolder);
    // The default file may redirect to another file once; that file alone
    // decides, and its own INI_FILENAME is not followed.
    if (!flags.AltIniPath.isEmpty() && flags.AltIniPath != defaultIniPath) {
        return FncReadIni(flags.AltIniPath, programFolder);
    }
    return flags;
}

StartupValues FncLoadStartupValues(const QString& programFolder) {
    const IniFlags flags = FncLoadIniFlags(programFolder);
    return FncStartupValues(flags.UnitFlag, flags.LangFlag);
}

}  // namespace ModCommonProc
