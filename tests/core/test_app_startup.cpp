// The settings part of start-up against real program folders: which file
// decides units and language, and what the file's bytes make of the 16-bit
// flags and of INI_FILENAME. A settings file that is a folder, a device or a
// FIFO (opening one for reading waits for a writer) reads as no file.
#include <gtest/gtest.h>

#include <cstdlib>
#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QDir>
#include <QTemporaryDir>

#include "settings/ModCommonProc.h"
#include "settings/ModFileProc.h"
#include "settings/RegularFileRead.h"

namespace {

using namespace ModCommonProc;
using namespace ModFileProc;

// No file for no content; false when the file could not be made.
bool Write(const QString& path, const QByteArray& content) {
    if (content.isEmpty()) return true;
    if (content == "<folder>") return QDir().mkdir(path);
#if !defined(_WIN32)
    if (content == "<device>") return QFile::link("/dev/zero", path);
    if (content == "<fifo>") return ::mkfifo(QFile::encodeName(path), 0600) == 0;
#endif
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // Rows without a section header of their own are in [SYSTEM].
    file.write(content.contains('[') ? content : "[SYSTEM]\n" + content);
    if (content.size() > kProfileReadLimit) file.resize(300LL << 20);  // the rest sparse
    return !content.startsWith(";unreadable") || file.setPermissions({});
}

const QByteArray k251(251, 'b'), k254(254, 'c');  // INI_FILENAME is cut after 254 bytes
// Past the read bound nothing counts, nor the line the bound cuts to "UNIT_FLAG=1".
const QByteArray kHuge = "[SYSTEM]\nLANG_FLAG=1\n;" + QByteArray(kProfileReadLimit - 34, 'x') +
                         "\nUNIT_FLAG=12345\nUNIT_FLAG=1\n";

// third.ini (LANG_FLAG=1) lies in every folder; only a redirection followed
// from the second file would reach it.
// clang-format off
const struct {
    const char* name;
    QByteArray main, altName, alt;  // Velkara.ini, the redirection's target and its content
    std::int16_t unit, lang;
} kFolders[] = {
    {"no settings file", "", "", "", 0, 0},                                                 {"digits, then other characters; a plus", "UNIT_FLAG=12abc\nLANG_FLAG=+7", "", "", 12, 7},
    {"16-bit limits", "UNIT_FLAG=32767\nLANG_FLAG=-32768", "", "", 32767, -32768},             {"past the 16-bit limits: missing", "UNIT_FLAG=32768\nLANG_FLAG=-32769", "", "", 0, 0},
    {"past 32 bits: wrapped, then checked", "UNIT_FLAG=4294967297\nLANG_FLAG=-4294967297", "", "", 1, -1},
    {"zeros among the digits", "UNIT_FLAG=100\nLANG_FLAG=-20", "", "", 100, -20},
    {"hexadecimal, a sign apart", "UNIT_FLAG=0x10\nLANG_FLAG=- 5", "", "", 0, 0},               {"blank value", "UNIT_FLAG=11\nLANG_FLAG= \t ", "", "", 11, 0},
    {"quoted values", "UNIT_FLAG=\" 7 \"\nLANG_FLAG='1\"", "", "", 7, 0},                      {"keys outside the section", "UNIT_FLAG=1\n[SYSTEM]\n[OTHER]\nLANG_FLAG=1", "", "", 0, 0}, {"a section of no name", "[SYSTEM]\n[]\nUNIT_FLAG=1", "", "", 0, 0},
    {"comments, a key twice, a second section", "[SYSTEM]\n;UNIT_FLAG=3\n  ;LANG_FLAG=3\nUNIT_FLAG=2 ;x\nUNIT_FLAG=4\n[system]\nLANG_FLAG=5", "", "", 2, 0},
    {"byte order mark, CR LF, letter case, blanks", "\xEF\xBB\xBF[System]\r\n\r\nUnit_Flag = 1\r\n", "", "", 1, 0},
    {"lines ended by CR", "[SYSTEM]\rUNIT_FLAG=1\rLANG_FLAG=1", "", "", 1, 1},              {"other bytes before the section", QByteArrayLiteral("\xff\0[\0]=\n[SYSTEM]\nUNIT_FLAG=-5"), "", "", -5, 0},
    {"redirected: the second file alone decides", "INI_FILENAME=alt.ini \t\nUNIT_FLAG=1", "alt.ini", "LANG_FLAG=1", 0, 1},
    {"redirected to no file", "UNIT_FLAG=1\nLANG_FLAG=1\nINI_FILENAME=none.ini", "", "", 0, 0}, {"an empty quoted redirection", "UNIT_FLAG=1\nINI_FILENAME=\"\"", "", "", 1, 0},
    {"a second redirection is not followed", "INI_FILENAME=alt.ini", "alt.ini", "UNIT_FLAG=1\nINI_FILENAME=third.ini", 1, 0},
    {"a redirection that starts with NUL", QByteArrayLiteral("UNIT_FLAG=1\nINI_FILENAME=\0alt.ini"), "alt.ini", "LANG_FLAG=1", 1, 0},
    {"redirected into a subfolder", "INI_FILENAME=\\sub\\alt.ini", "sub/alt.ini", "UNIT_FLAG=1", 1, 0},
    {"a redirection cut inside a character", "INI_FILENAME=" + k251 + "\xF0\x9F\x98\x80.ini", k251, "UNIT_FLAG=1", 1, 0},
    {"a redirection cut after 254 bytes", "INI_FILENAME=" + k254 + "tail", k254, "UNIT_FLAG=1", 1, 0},
    {"unreadable", ";unreadable\nUNIT_FLAG=1", "", "", 0, 0},   {"past the read bound", kHuge, "", "", 0, 1},
    {"as long as the read bound: its last line whole", kHuge.left(kProfileReadLimit), "", "", 1, 1},   {"a folder", "<folder>", "", "", 0, 0},
#if !defined(_WIN32)
    {"a device", "<device>", "", "", 0, 0},                     {"a FIFO", "<fifo>", "", "", 0, 0},
#endif
};
// clang-format on

// In a child as nobody, since permissions do not bind root.
TEST(StartupDeathTest, SettingsDecideUnitsAndLanguage) {
    const auto asNobody = [] {
#if !defined(_WIN32)
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(99);
#endif
        for (const auto& c : kFolders) {
            SCOPED_TRACE(c.name);
#if defined(_WIN32)
            // Windows has no permission bits that take reading away; only an
            // access list would, which Qt cannot set.
            if (c.main.startsWith(";unreadable")) continue;
#endif
            QTemporaryDir folder;
            QDir(folder.path()).mkdir("sub");
            EXPECT_TRUE(Write(folder.filePath("third.ini"), "LANG_FLAG=1") &&
                        Write(folder.filePath(kIniFileName), c.main) &&
                        Write(folder.filePath(QString::fromUtf8(c.altName)), c.alt));
            const IniFlags flags = FncLoadIniFlags(folder.path());
            EXPECT_EQ(flags.UnitFlag, c.unit);
            EXPECT_EQ(flags.LangFlag, c.lang);
            const StartupValues values = FncLoadStartupValues(folder.path());
            EXPECT_EQ(values.format.units, c.unit != 0 ? Units::Inch : Units::Metric);
            EXPECT_EQ(values.language, c.lang != 0 ? Language::English : Language::Japanese);
            EXPECT_EQ(values.CaptionFontName, c.lang != 0 ? "Arial" : "ＭＳ ゴシック");
        }
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    };
    EXPECT_EXIT(asNobody(), ::testing::ExitedWithCode(0), "");
}

// A file whose reading fails is none, not read again: on Linux /proc/self/mem fails at address 0.
TEST(Startup, AFileThatFailsToReadIsNone) {
    EXPECT_FALSE(ReadRegularFilePrefix(QStringLiteral("/proc/self/mem"), 64).has_value());
}

}  // namespace
