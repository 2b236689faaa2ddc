// The settings reader on arbitrary file contents: anyone may have written the
// file, so whatever its bytes, reading must neither crash nor write past the
// buffer nor report flags, or a redirection, that the file does not hold.
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>

#include "settings/ModCommonProc.h"
#include "settings/ModFileProc.h"

using namespace ModCommonProc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    const QString ini = folder.filePath(kIniFileName);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (QFile file(ini); !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    const QByteArray path = QFile::encodeName(ini);

    char buffer[256];
    std::memset(buffer, 'x', sizeof buffer);
    const std::uint32_t copied = ModFileProc::GetPrivateProfileStringA(
        "SYSTEM", "INI_FILENAME", "", buffer, 255, path.constData());
    // Kept to its buffer, and a cut keeps UTF-8 characters whole.
    if (copied > 254 || buffer[copied] != '\0' || buffer[255] != 'x' ||
        (!QUtf8StringView(buffer, copied).isValidUtf8() && QUtf8StringView(bytes).isValidUtf8()))
        std::abort();

    const IniFlags flags = FncReadIni(ini, folder.path());
    const auto flagHolds = [&](std::int16_t flag, const char* key) {
        const std::int32_t value =
            ModFileProc::GetPrivateProfileIntA("SYSTEM", key, 0, path.constData());
        return flag == (value == static_cast<std::int16_t>(value) ? value : 0);  // else 0
    };
    if (!flagHolds(flags.UnitFlag, "UNIT_FLAG") || !flagHolds(flags.LangFlag, "LANG_FLAG"))
        std::abort();
    const QString name = FncTrimNul(QString::fromUtf8(buffer, copied));
    if (flags.AltIniPath != (name.isEmpty() ? ini : FncProgramFolderPath(folder.path(), name)))
        std::abort();
    return 0;
}
