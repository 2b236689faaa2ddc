// The settings reader on arbitrary file contents: anyone may have written the
// file, so whatever its bytes, reading must neither crash nor report flags,
// or a redirection, that the file does not hold.
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "settings/ModCommonProc.h"
#include "settings/ModFileProc.h"

using namespace ModCommonProc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    const QString ini = folder.filePath(kIniFileName);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (QFile file(ini); !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    const auto profile = ModFileProc::PrivateProfile::Load(ini);

    // A name cut to its bound keeps UTF-8 characters whole.
    const QByteArray name = profile.GetString("SYSTEM", "INI_FILENAME", 254);
    if (name.size() > 254 ||
        (!QUtf8StringView(name).isValidUtf8() && QUtf8StringView(bytes).isValidUtf8()))
        std::abort();

    const IniFlags flags = FncReadIni(ini, folder.path());
    const auto flagHolds = [&](std::int16_t flag, const char* key) {
        const std::int32_t value = profile.GetInt("SYSTEM", key, 0);
        return flag == (value == static_cast<std::int16_t>(value) ? value : 0);  // else 0
    };
    if (!flagHolds(flags.UnitFlag, "UNIT_FLAG") || !flagHolds(flags.LangFlag, "LANG_FLAG"))
        std::abort();
    const QString trimmed = FncTrimNul(QString::fromUtf8(name));
    if (flags.AltIniPath !=
        (trimmed.isEmpty() ? ini : FncProgramFolderPath(folder.path(), trimmed)))
        std::abort();
    return 0;
}
