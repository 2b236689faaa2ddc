// The settings part of start-up against real program folders: which file
// decides units and language, and what the 16-bit flags and INI_FILENAME
// become.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/ModCommonProc.h"
#include "support/TestSupport.h"

namespace {

using namespace ModCommonProc;

const QByteArray kLong(253, 'b');  // with "é" INI_FILENAME crosses byte 254 inside a character

// third.ini (LANG_FLAG=1) lies in every folder; only a redirection followed
// from the second file would reach it.
// clang-format off
const struct {
    QByteArray main, altName, alt;  // Velkara.ini, the redirection's target and its content
    std::int16_t unit, lang;
} kFolders[] = {
    {"", "", "", 0, 0},                                     {"UNIT_FLAG=2\nLANG_FLAG=7", "", "", 2, 7},
    {"UNIT_FLAG=32767\nLANG_FLAG=-32768", "", "", 32767, -32768},
    {"UNIT_FLAG=32768\nLANG_FLAG=1", "", "", 0, 1},         {"UNIT_FLAG=1\nLANG_FLAG=-32769", "", "", 1, 0},
    {"UNIT_FLAG=4294967297\nLANG_FLAG=4294967296", "", "", 1, 0},  // wrapped, then checked
    {"[OTHER]\nUNIT_FLAG=1", "", "", 0, 0},                 {"\xEF\xBB\xBF[System]\r\nUnit_Flag = 1\r\n", "", "", 1, 0},
    {"[SYSTEM]\rUNIT_FLAG=1\rLANG_FLAG=1", "", "", 1, 1},
    {"UNIT_FLAG=1\nINI_FILENAME=alt.ini", "alt.ini", "LANG_FLAG=1", 0, 1},
    {"UNIT_FLAG=1\nLANG_FLAG=1\nINI_FILENAME=none.ini", "", "", 0, 0},
    {"UNIT_FLAG=1\nINI_FILENAME=Velkara.ini", "", "", 1, 0},
    {"INI_FILENAME=alt.ini", "alt.ini", "UNIT_FLAG=1\nINI_FILENAME=third.ini", 1, 0},
    {"UNIT_FLAG=1\nINI_FILENAME=", "", "", 1, 0},           {QByteArray("UNIT_FLAG=1\nINI_FILENAME=\0alt.ini", 33), "alt.ini", "LANG_FLAG=1", 1, 0},
    {"INI_FILENAME=\"alt.ini\"", "alt.ini", "LANG_FLAG=1", 0, 1},
    {"INI_FILENAME=\\sub\\alt.ini", "sub/alt.ini", "UNIT_FLAG=1", 1, 0},
    {"INI_FILENAME=sub/alt.ini", "sub/alt.ini", "UNIT_FLAG=1", 1, 0},
    {"UNIT_FLAG=99999999999999999999\nINI_FILENAME=alt.ini", "alt.ini", "LANG_FLAG=1", 0, 1},
    {"INI_FILENAME=" + kLong + "\xC3\xA9.ini", kLong, "UNIT_FLAG=1", 1, 0},
    {"INI_FILENAME=" + QByteArray(254, 'c') + "tail", QByteArray(254, 'c'), "UNIT_FLAG=1", 1, 0},
    {"<folder>", "", "", 0, 0},                             {"<fifo>", "", "", 0, 0},
    {"UNIT_FLAG=1\nINI_FILENAME=pipe", "pipe", "<fifo>", 0, 0},
};
// clang-format on

TEST(Startup, SettingsDecideUnitsAndLanguage) {
    for (const auto& c : kFolders) {
        SCOPED_TRACE(c.main.left(60).toStdString());
        QTemporaryDir folder;
        ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
        const auto write = [&](const QByteArray& name, const QByteArray& content) {
            const QString path = folder.filePath(QString::fromUtf8(name));
            if (content == "<folder>") return void(QDir().mkdir(path));
            if (content == "<fifo>") return void(::mkfifo(QFile::encodeName(path), 0600));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(content.startsWith("[") || content.startsWith("\xEF")
                           ? content
                           : "[SYSTEM]\n" + content);
        };
        write("third.ini", "LANG_FLAG=1");
        if (!c.main.isEmpty()) write("Velkara.ini", c.main);
        if (!c.altName.isEmpty()) write(c.altName, c.alt);
        FncLoadStartupValues(folder.path());
        EXPECT_EQ(DefaultIniPath, folder.path() + "/Velkara.ini");
        EXPECT_EQ(UnitFlag, c.unit);
        EXPECT_EQ(LangFlag, c.lang);
        EXPECT_EQ(LangOffset, c.lang != 0 ? 5000 : 0);
        EXPECT_EQ(CaptionFontName, QString::fromUtf8(c.lang != 0 ? "Arial" : "ＭＳ ゴシック"));
    }
    FncSetStartupValues(0, 0);  // what the other suites expect
}

}  // namespace
