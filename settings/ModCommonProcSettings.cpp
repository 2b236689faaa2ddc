// The settings reader: UNIT_FLAG, LANG_FLAG and INI_FILENAME of section SYSTEM.

#include <limits>

#include "settings/ModCommonProc.h"
#include "settings/ModFileProc.h"

namespace ModCommonProc {

namespace {

constexpr char kSection[] = "SYSTEM";

// INI_FILENAME has always been read into a buffer of 255 bytes, NUL
// included: a longer name is cut.
constexpr qsizetype kIniFileNameMaxBytes = 254;

bool FitsInFlag(std::int32_t value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

}  // namespace

QString FncTrimNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.first(nul);
}

QString FncProgramFolderPath(const QString& folder, const QString& name) {
    QString path = folder;
    if (!path.endsWith(u'/')) path += u'/';
    path += QString(name).replace(u'\\', u'/');
    return path;
}

IniFlags FncReadIni(const QString& path, const QString& programFolder) {
    const ModFileProc::PrivateProfile profile = ModFileProc::PrivateProfile::Load(path);
    IniFlags flags;

    // A flag that does not fit in 16 bits counts as missing (0), and the rest
    // of the file is still read: INI_FILENAME must not be left unread because
    // of a bad flag before it.
    const std::int32_t unitFlag = profile.GetInt(kSection, "UNIT_FLAG", 0);
    flags.UnitFlag = FitsInFlag(unitFlag) ? static_cast<std::int16_t>(unitFlag) : 0;

    const std::int32_t langFlag = profile.GetInt(kSection, "LANG_FLAG", 0);
    flags.LangFlag = FitsInFlag(langFlag) ? static_cast<std::int16_t>(langFlag) : 0;

    const QString iniFileName = FncTrimNul(
        QString::fromUtf8(profile.GetString(kSection, "INI_FILENAME", kIniFileNameMaxBytes)));
    flags.AltIniPath =
        iniFileName.isEmpty() ? path : FncProgramFolderPath(programFolder, iniFileName);
    return flags;
}

}  // namespace ModCommonProc
