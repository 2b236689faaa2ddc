// The settings part of start-up, run against real program folders: which
// file decides units and language, how INI_FILENAME is turned into a path,
// and that no settings file can stop or stall start-up.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

#include "app/ModCommonProc.h"
#include "support/TestSupport.h"

namespace {

using namespace ModCommonProc;

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    // Other suites in this runner expect Japanese texts and metric units.
    void TearDown() override { FncSetStartupValues(0, 0); }

    void Write(const QString& name, const QByteArray& content) {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(content);
    }

    void Load() { FncLoadStartupValues(dir_.path()); }

    QTemporaryDir dir_;
};

struct StartupCase {
    const char* what;
    std::int16_t unitFlag;
    std::int16_t langFlag;
    const char* main = nullptr;  // Velkara.ini
    const char* altName = nullptr;
    const char* altContent = nullptr;
};

// third.ini (LANG_FLAG=1) lies in every folder; only a redirection followed
// from the second file would reach it.
const StartupCase kCases[] = {
    {"no settings file", 0, 0},
    {"sample file", 1, 1, "UNIT_FLAG=1\nLANG_FLAG=1"},
    {"any non-zero flag counts", 2, 7, "UNIT_FLAG=2\nLANG_FLAG=7"},
    {"negative flags", -32768, -1, "UNIT_FLAG=-32768\nLANG_FLAG=-1"},
    {"other section ignored", 0, 0, "[OTHER]\nUNIT_FLAG=1\nLANG_FLAG=1"},
    {"Windows-written", 1, 0, "\xEF\xBB\xBF[System]\r\nUnit_Flag = 1\r\nLang_Flag = 0\r\n"},
    {"second file decides", 0, 1, "UNIT_FLAG=1\nINI_FILENAME=alt.ini", "alt.ini", "LANG_FLAG=1"},
    {"redirection to a missing file", 0, 0, "UNIT_FLAG=1\nLANG_FLAG=1\nINI_FILENAME=none.ini"},
    {"redirection to itself", 1, 0, "UNIT_FLAG=1\nINI_FILENAME=Velkara.ini"},
    {"second redirection not followed", 1, 0, "INI_FILENAME=alt.ini", "alt.ini",
     "UNIT_FLAG=1\nINI_FILENAME=third.ini"},
    {"empty redirection", 1, 0, "UNIT_FLAG=1\nINI_FILENAME="},
    {"quoted redirection", 0, 1, "INI_FILENAME=\"alt.ini\"", "alt.ini", "LANG_FLAG=1"},
    {"backslash", 1, 0, "INI_FILENAME=sub\\alt.ini", "sub/alt.ini", "UNIT_FLAG=1"},
    {"slash", 1, 0, "INI_FILENAME=sub/alt.ini", "sub/alt.ini", "UNIT_FLAG=1"},
    {"leading backslash", 1, 0, "INI_FILENAME=\\sub\\alt.ini", "sub/alt.ini", "UNIT_FLAG=1"},
    // A value out of the 16-bit range counts as missing and the file is read
    // on, so the redirection after it still works.
    {"flag above 16 bits", 0, 1, "UNIT_FLAG=32768\nLANG_FLAG=1"},
    {"flag below 16 bits", 1, 0, "UNIT_FLAG=1\nLANG_FLAG=-32769"},
    {"huge flag then redirection", 0, 1, "UNIT_FLAG=99999999999999999999\nINI_FILENAME=alt.ini",
     "alt.ini", "LANG_FLAG=1"},
    {"garbage values", 0, 2, "UNIT_FLAG=yes\nLANG_FLAG=2nd"},
    // No file to read gives the defaults, and reading never waits for a writer.
    {"folder as settings file", 0, 0, "<folder>"},
    {"FIFO as settings file", 0, 0, "<fifo>"},
    {"redirection to a FIFO", 0, 0, "UNIT_FLAG=1\nINI_FILENAME=pipe", "pipe", "<fifo>"},
};

TEST_F(StartupTest, SettingsDecideUnitsAndLanguage) {
    for (const StartupCase& c : kCases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid() && QDir(folder.path()).mkdir(QStringLiteral("sub")));
        auto write = [&](const char* name, QByteArray content) {
            const QString path = folder.filePath(QString::fromUtf8(name));
            if (content == "<folder>") {
                ASSERT_TRUE(QDir().mkdir(path));
            } else if (content == "<fifo>") {
                ASSERT_EQ(::mkfifo(QFile::encodeName(path), 0600), 0);
            } else {
                if (!content.startsWith('[') && !content.startsWith('\xEF')) {
                    content.prepend("[SYSTEM]\n");
                }
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(content + '\n');
            }
        };
        write("third.ini", "LANG_FLAG=1");
        if (c.main) write("Velkara.ini", c.main);
        if (c.altName) write(c.altName, c.altContent);
        FncLoadStartupValues(folder.path());
        EXPECT_EQ(UnitFlag, c.unitFlag);
        EXPECT_EQ(LangFlag, c.langFlag);
        EXPECT_EQ(LangOffset, c.langFlag != 0 ? 5000 : 0);
        EXPECT_EQ(CaptionFontName, QString::fromUtf8(c.langFlag != 0 ? "Arial" : "ＭＳ ゴシック"));
    }
}

TEST_F(StartupTest, PathsAreTakenFromTheProgramFolderAndNeverLeakIntoTheNextLoad) {
    Write(QStringLiteral("Velkara.ini"), "[SYSTEM]\nINI_FILENAME=Velkara.ini\n");
    Load();
    EXPECT_EQ(ProgramFolder, dir_.path());
    EXPECT_EQ(DefaultIniPath, dir_.path() + QStringLiteral("/Velkara.ini"));
    EXPECT_EQ(AltIniPath, DefaultIniPath);

    Write(QStringLiteral("Velkara.ini"), "[SYSTEM]\nINI_FILENAME=sub\\deeper\\alt.ini\n");
    Load();
    EXPECT_EQ(AltIniPath, dir_.path() + QStringLiteral("/sub/deeper/alt.ini"));

    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    FncLoadStartupValues(empty.path());
    EXPECT_EQ(AltIniPath, DefaultIniPath);

    EXPECT_EQ(FncProgramFolderPath(QStringLiteral("/"), QStringLiteral("Velkara.ini")),
              QStringLiteral("/Velkara.ini"));
}

// INI_FILENAME holds at most 254 bytes; a longer name is cut there, never
// inside a character, and a NUL ends it early.
TEST_F(StartupTest, RedirectionNameIsCutAt254BytesOrAtNul) {
    const struct {
        QByteArray value;
        QString target;
    } cases[] = {
        {QByteArray(254, 'a') + "tail.ini", QString(254, u'a')},
        {QByteArray(253, 'b') + "\xC3\xA9.ini", QString(253, u'b')},  // é crosses byte 254
        {QByteArray("alt.ini\0junk", 12), QStringLiteral("alt.ini")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.left(10).toStdString());
        Write(QStringLiteral("Velkara.ini"), "[SYSTEM]\nINI_FILENAME=" + c.value + "\n");
        Write(c.target, "[SYSTEM]\nUNIT_FLAG=1\nLANG_FLAG=1\n");
        Load();
        EXPECT_EQ(AltIniPath, dir_.path() + u'/' + c.target);
        EXPECT_EQ(UnitFlag, 1);
        EXPECT_EQ(LangFlag, 1);
    }
}

}  // namespace
