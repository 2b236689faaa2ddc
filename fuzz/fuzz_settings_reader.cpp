// The settings reader on arbitrary file contents: anyone may have written the
// file, so whatever its bytes, reading must neither crash nor write past the
// buffer nor report flags, or a redirection, that the file does not hold.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/ModCommonProc.h"
#include "app/ModFileProc.h"

namespace {

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
}

// A flag keeps a profile integer that fits in 16 bits, else 0.
bool FlagHolds(std::int16_t flag, std::int32_t value) {
    return flag == (value == static_cast<std::int16_t>(value) ? value : 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    const QString ini = folder.filePath(ModCommonProc::kIniFileName);
    QFile file(ini);
    Require(file.open(QIODevice::WriteOnly) &&
                file.write(reinterpret_cast<const char*>(data), size) == qint64(size),
            "write");
    file.close();
    const QByteArray path = QFile::encodeName(ini);

    char buffer[256];
    std::memset(buffer, 'x', sizeof buffer);
    const std::uint32_t copied = ModFileProc::GetPrivateProfileStringA(
        "SYSTEM", "INI_FILENAME", "", buffer, 255, path.constData());
    Require(copied <= 254 && buffer[copied] == '\0' && buffer[255] == 'x',
            "INI_FILENAME keeps to its buffer");
    Require(
        QUtf8StringView(buffer, copied).isValidUtf8() ||
            !QUtf8StringView(reinterpret_cast<const char*>(data), qsizetype(size)).isValidUtf8(),
        "a cut keeps UTF-8 characters whole");

    ModCommonProc::ProgramFolder = folder.path();
    ModCommonProc::DefaultIniPath = ini;
    ModCommonProc::FncReadIni(ini);
    Require(FlagHolds(ModCommonProc::UnitFlag, ModFileProc::GetPrivateProfileIntA(
                                                   "SYSTEM", "UNIT_FLAG", 0, path.constData())),
            "UnitFlag is the file's UNIT_FLAG");
    Require(FlagHolds(ModCommonProc::LangFlag, ModFileProc::GetPrivateProfileIntA(
                                                   "SYSTEM", "LANG_FLAG", 0, path.constData())),
            "LangFlag is the file's LANG_FLAG");
    const QString name = ModCommonProc::FncTrimNul(QString::fromUtf8(buffer, copied));
    Require(ModCommonProc::AltIniPath ==
                (name.isEmpty() ? ini : ModCommonProc::FncProgramFolderPath(folder.path(), name)),
            "AltIniPath is the file's INI_FILENAME in the program folder");
    return 0;
}
