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
#include <map>

#include "app/ModCommonProc.h"
#include "support/TestSupport.h"

namespace {

using namespace ModCommonProc;

const QString kJapaneseFont = QStringLiteral("ＭＳ ゴシック");
const QString kEnglishFont = QStringLiteral("Arial");

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    // Other suites in this runner expect Japanese texts and metric units.
    void TearDown() override {
        UnitFlag = 0;
        LangFlag = 0;
        LangOffset = 0;
    }

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
    std::map<QString, QByteArray> files;
    std::int16_t unitFlag;
    std::int16_t langFlag;
};

const StartupCase kCases[] = {
    {"no settings file", {}, 0, 0},
    {"sample file", {{"Velkara.ini", "[SYSTEM]\nUNIT_FLAG=1\nLANG_FLAG=1\n"}}, 1, 1},
    {"any non-zero flag counts", {{"Velkara.ini", "[SYSTEM]\nUNIT_FLAG=2\nLANG_FLAG=7\n"}}, 2, 7},
    {"negative flags", {{"Velkara.ini", "[SYSTEM]\nUNIT_FLAG=-32768\nLANG_FLAG=-1\n"}}, -32768, -1},
    {"other section ignored", {{"Velkara.ini", "[OTHER]\nUNIT_FLAG=1\nLANG_FLAG=1\n"}}, 0, 0},
    {"Windows-written file",
     {{"Velkara.ini", "\xEF\xBB\xBF[System]\r\nUnit_Flag = 1\r\nLang_Flag = 0\r\n"}},
     1,
     0},
    {"second file decides, its missing key is 0",
     {{"Velkara.ini", "[SYSTEM]\nUNIT_FLAG=1\nINI_FILENAME=alt.ini\n"},
      {"alt.ini", "[SYSTEM]\nLANG_FLAG=1\n"}},
     0,
     1},
    {"redirection to a missing file",
     {{"Velkara.ini", "[SYSTEM]\nUNIT_FLAG=1\nLANG_FLAG=1\nINI_FILENAME=none.ini\n"}},
     0,
     0},
    {"redirection to itself",
     {{"Velkara.ini", "[SYSTEM]\nUNIT_FLAG=1\nINI_FILENAME=Velkara.ini\n"}},
     1,
     0},
    {"redirection in the second file not followed",
     {{"Velkara.ini", "[SYSTEM]\nINI_FILENAME=alt.ini\n"},
      {"alt.ini", "[SYSTEM]\nUNIT_FLAG=1\nINI_FILENAME=third.ini\n"},
      {"third.ini", "[SYSTEM]\nLANG_FLAG=1\n"}},
     1,
     0},
    {"empty redirection", {{"Velkara.ini", "[SYSTEM]\nUNIT_FLAG=1\nINI_FILENAME=\n"}}, 1, 0},
    {"quoted redirection",
     {{"Velkara.ini", "[SYSTEM]\nINI_FILENAME=\"alt.ini\"\n"},
      {"alt.ini", "[SYSTEM]\nLANG_FLAG=1\n"}},
     0,
     1},
    {"backslash subfolder",
     {{"Velkara.ini", "[SYSTEM]\nINI_FILENAME=sub\\alt.ini\n"},
      {"sub/alt.ini", "[SYSTEM]\nUNIT_FLAG=1\n"}},
     1,
     0},
    {"slash subfolder",
     {{"Velkara.ini", "[SYSTEM]\nINI_FILENAME=sub/alt.ini\n"},
      {"sub/alt.ini", "[SYSTEM]\nUNIT_FLAG=1\n"}},
     1,
     0},
    {"absolute-looking name stays in the program folder",
     {{"Velkara.ini", "[SYSTEM]\nINI_FILENAME=\\sub\\alt.ini\n"},
      {"sub/alt.ini", "[SYSTEM]\nUNIT_FLAG=1\n"}},
     1,
     0},
    // A value out of the 16-bit range counts as missing and the file is read
    // on, so the redirection after it still works.
    {"flag above 16 bits", {{"Velkara.ini", "[SYSTEM]\nUNIT_FLAG=32768\nLANG_FLAG=1\n"}}, 0, 1},
    {"flag below 16 bits", {{"Velkara.ini", "[SYSTEM]\nUNIT_FLAG=1\nLANG_FLAG=-32769\n"}}, 1, 0},
    {"huge flag then redirection",
     {{"Velkara.ini", "[SYSTEM]\nUNIT_FLAG=99999999999999999999\nINI_FILENAME=alt.ini\n"},
      {"alt.ini", "[SYSTEM]\nLANG_FLAG=1\n"}},
     0,
     1},
    {"garbage values", {{"Velkara.ini", "[SYSTEM]\nUNIT_FLAG=yes\nLANG_FLAG=2nd\n"}}, 0, 2},
};

TEST_F(StartupTest, SettingsDecideUnitsAndLanguage) {
    for (const StartupCase& c : kCases) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkdir(QStringLiteral("sub"));
        for (const auto& [name, content] : c.files) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << c.what;
            file.write(content);
        }
        FncLoadStartupValues(folder.path());
        EXPECT_EQ(UnitFlag, c.unitFlag) << c.what;
        EXPECT_EQ(LangFlag, c.langFlag) << c.what;
        EXPECT_EQ(LangOffset, c.langFlag != 0 ? 5000 : 0) << c.what;
        EXPECT_EQ(CaptionFontName, c.langFlag != 0 ? kEnglishFont : kJapaneseFont) << c.what;
    }
}

TEST_F(StartupTest, PathsAreTakenFromTheProgramFolder) {
    Write(QStringLiteral("Velkara.ini"), "[SYSTEM]\nINI_FILENAME=Velkara.ini\n");
    Load();
    EXPECT_EQ(ProgramFolder, dir_.path());
    EXPECT_EQ(DefaultIniPath, dir_.path() + QStringLiteral("/Velkara.ini"));
    EXPECT_EQ(AltIniPath, DefaultIniPath);

    Write(QStringLiteral("Velkara.ini"), "[SYSTEM]\nINI_FILENAME=sub\\deeper\\alt.ini\n");
    Load();
    EXPECT_EQ(AltIniPath, dir_.path() + QStringLiteral("/sub/deeper/alt.ini"));

    EXPECT_EQ(FncProgramFolderPath(QStringLiteral("/"), QStringLiteral("Velkara.ini")),
              QStringLiteral("/Velkara.ini"));
}

// Nothing of an earlier run's redirection may leak into the next.
TEST_F(StartupTest, EachLoadStartsFromScratch) {
    Write(QStringLiteral("Velkara.ini"), "[SYSTEM]\nINI_FILENAME=alt.ini\n");
    Load();
    ASSERT_NE(AltIniPath, DefaultIniPath);

    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    FncLoadStartupValues(empty.path());
    EXPECT_EQ(AltIniPath, DefaultIniPath);
    EXPECT_EQ(UnitFlag, 0);
    EXPECT_EQ(LangFlag, 0);
}

// INI_FILENAME holds at most 254 bytes; a longer name is cut there, and never
// inside a character.
TEST_F(StartupTest, LongRedirectionIsCutAt254Bytes) {
    const QString name254(254, u'a');
    Write(QStringLiteral("Velkara.ini"),
          "[SYSTEM]\nINI_FILENAME=" + name254.toUtf8() + "tail.ini\n");
    Write(name254, "[SYSTEM]\nLANG_FLAG=1\n");
    Load();
    EXPECT_EQ(AltIniPath, dir_.path() + u'/' + name254);
    EXPECT_EQ(LangFlag, 1);

    const QString name253(253, u'b');
    Write(QStringLiteral("Velkara.ini"),
          "[SYSTEM]\nINI_FILENAME=" + name253.toUtf8() + "\xC3\xA9.ini\n");  // é crosses 254
    Write(name253, "[SYSTEM]\nUNIT_FLAG=1\n");
    Load();
    EXPECT_EQ(AltIniPath, dir_.path() + u'/' + name253);
    EXPECT_EQ(UnitFlag, 1);
}

TEST_F(StartupTest, NulInRedirectionEndsTheName) {
    static constexpr char kContent[] = "[SYSTEM]\nINI_FILENAME=alt.ini\0junk\n";
    Write(QStringLiteral("Velkara.ini"), QByteArray(kContent, sizeof kContent - 1));
    Write(QStringLiteral("alt.ini"), "[SYSTEM]\nLANG_FLAG=1\n");
    Load();
    EXPECT_EQ(AltIniPath, dir_.filePath(QStringLiteral("alt.ini")));
    EXPECT_EQ(LangFlag, 1);
}

// A folder or a FIFO where a settings file is expected gives the defaults,
// and reading never waits for a writer.
TEST_F(StartupTest, SettingsPathsThatAreNoFilesGiveDefaults) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Velkara.ini")));
    Load();
    EXPECT_EQ(UnitFlag, 0);
    EXPECT_EQ(LangOffset, 0);

    QTemporaryDir fifoFolder;
    ASSERT_TRUE(fifoFolder.isValid());
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifoFolder.filePath(QStringLiteral("Velkara.ini"))), 0600),
              0);
    FncLoadStartupValues(fifoFolder.path());
    EXPECT_EQ(UnitFlag, 0);
    EXPECT_EQ(CaptionFontName, kJapaneseFont);

    QTemporaryDir redirected;
    ASSERT_TRUE(redirected.isValid());
    QFile file(redirected.filePath(QStringLiteral("Velkara.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[SYSTEM]\nUNIT_FLAG=1\nINI_FILENAME=pipe\n");
    file.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(redirected.filePath(QStringLiteral("pipe"))), 0600), 0);
    FncLoadStartupValues(redirected.path());
    EXPECT_EQ(UnitFlag, 0);
}

TEST(FncTrimNul, CutsAtFirstNul) {
    struct Case {
        QString text;
        QString expected;
    };
    const Case cases[] = {
        {QString(), QString()},
        {QStringLiteral("abc"), QStringLiteral("abc")},
        {QString::fromUtf16(u"ab\0cd", 5), QStringLiteral("ab")},
        {QString::fromUtf16(u"\0abc", 4), QString()},
    };
    for (const Case& c : cases) EXPECT_EQ(FncTrimNul(c.text), c.expected);
}

}  // namespace
