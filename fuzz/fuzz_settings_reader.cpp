// The settings reader on arbitrary file contents. The file lies beside the
// program and anyone may have written it, so whatever its bytes, reading it
// must neither crash nor report values the file does not hold.
#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

#include "app/ModCommonProc.h"
#include "app/ModFileProc.h"
#include "app/ProfileParser.h"

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

// The 16-bit flag the reader should have kept for a profile integer.
std::int16_t ExpectedFlag(std::int32_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<std::int16_t>(value);
}

const QTemporaryDir& ProgramFolder() {
    static const QTemporaryDir folder;
    Require(folder.isValid(), "temporary program folder");
    return folder;
}

void CheckIniFileName(const QByteArray& path, QByteArrayView content) {
    constexpr std::uint32_t kBufferSize = 255;
    char buffer[kBufferSize + 1];
    std::memset(buffer, 'x', sizeof buffer);
    const char kMissing[] = "\x01missing";
    const std::uint32_t copied = ModFileProc::GetPrivateProfileStringA(
        "SYSTEM", "INI_FILENAME", kMissing, buffer, kBufferSize, path.constData());
    Require(copied <= kBufferSize - 1, "INI_FILENAME fits the buffer");
    Require(buffer[copied] == '\0', "INI_FILENAME ends with NUL");
    Require(buffer[kBufferSize] == 'x', "nothing written past the buffer");

    // What the file holds (the reader reads only a bounded prefix of it).
    const QByteArrayView readable =
        content.first(std::min<qsizetype>(content.size(), ModFileProc::kProfileReadLimit));
    const std::optional<QByteArray> value =
        ProfileData::Parse(readable).Value("SYSTEM", "INI_FILENAME");
    if (content.size() > ModFileProc::kProfileReadLimit) return;  // last line may be dropped
    const QByteArray expected = value ? *value : QByteArray(kMissing);
    const QByteArrayView got(buffer, copied);
    Require(expected.startsWith(got), "INI_FILENAME is a prefix of the stored value");
    if (expected.size() <= kBufferSize - 1) {
        Require(got.size() == expected.size(), "a short value is returned whole");
    } else {
        // Cut only to keep a UTF-8 character whole: at most three bytes less.
        Require(got.size() >= kBufferSize - 4, "a long value is cut at the buffer size");
        if (QUtf8StringView(expected).isValidUtf8())
            Require(QUtf8StringView(got).isValidUtf8(), "a cut keeps UTF-8 characters whole");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString folder = ProgramFolder().path();
    const QString iniPath = QDir(folder).filePath(QString::fromLatin1(ModCommonProc::kIniFileName));
    {
        QFile file(iniPath);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "write the settings file");
        Require(file.write(content.data(), content.size()) == content.size(), "write all bytes");
    }
    const QByteArray nativePath = QFile::encodeName(iniPath);

    const std::int32_t unit =
        ModFileProc::GetPrivateProfileIntA("SYSTEM", "UNIT_FLAG", 0, nativePath.constData());
    const std::int32_t lang =
        ModFileProc::GetPrivateProfileIntA("SYSTEM", "LANG_FLAG", 0, nativePath.constData());
    CheckIniFileName(nativePath, content);

    ModCommonProc::ProgramFolder = folder;
    ModCommonProc::DefaultIniPath = iniPath;
    ModCommonProc::AltIniPath.clear();
    ModCommonProc::FncReadIni(iniPath);
    Require(ModCommonProc::UnitFlag == ExpectedFlag(unit), "UnitFlag is the file's UNIT_FLAG");
    Require(ModCommonProc::LangFlag == ExpectedFlag(lang), "LangFlag is the file's LANG_FLAG");
    // A redirection never leaves the program folder's prefix.
    Require(ModCommonProc::AltIniPath == iniPath ||
                ModCommonProc::AltIniPath.startsWith(folder + QLatin1Char('/')),
            "AltIniPath lies in the program folder");
    return 0;
}
