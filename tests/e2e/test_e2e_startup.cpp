// The built program started from program folders with different settings
// files: it must come up and stay up with its window open, and read exactly
// the settings files it is meant to read. (Which values took effect is seen
// only in the window; the in-process start-up tests check those.)
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <functional>

#include "e2e/EndToEndFixture.h"
#include "support/TestSupport.h"

namespace {

using e2e::EndToEnd;
using e2e::OpenedFilesWatch;
using e2e::ProgramFolder;

struct SettingsCase {
    const char* name;
    // Prepares the program folder.
    std::function<void(const ProgramFolder&)> prepare;
    // Settings files the program opens, sorted.
    QStringList opened;
};

void PrintTo(const SettingsCase& c, std::ostream* os) {
    *os << c.name;
}

QByteArray Garbage(qsizetype size) {
    QByteArray bytes(size, '\0');
    quint32 state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

const QString kIni = QStringLiteral("Velkara.ini");

std::vector<SettingsCase> SettingsCases() {
    return {
        {"NoSettingsFile", [](const ProgramFolder&) {}, {}},
        {"EnglishTextsInchUnits",
         [](const ProgramFolder& f) { f.writeFile(kIni, "[SYSTEM]\nUNIT_FLAG=1\nLANG_FLAG=1\n"); },
         {kIni}},
        {"RedirectionReadsTheSecondFile",
         [](const ProgramFolder& f) {
             f.writeFile(kIni, "[SYSTEM]\r\nUNIT_FLAG=1\r\nINI_FILENAME=alt.ini\r\n");
             f.writeFile("alt.ini", "[SYSTEM]\r\nLANG_FLAG=1\r\n");
         },
         {"Velkara.ini", "alt.ini"}},
        {"RedirectionIsFollowedOnlyOnce",
         [](const ProgramFolder& f) {
             f.writeFile(kIni, "[SYSTEM]\nINI_FILENAME=alt.ini\n");
             f.writeFile("alt.ini", "[SYSTEM]\nINI_FILENAME=third.ini\n");
             f.writeFile("third.ini", "[SYSTEM]\nLANG_FLAG=1\n");
         },
         {"Velkara.ini", "alt.ini"}},
        {"RedirectionToAMissingFile",
         [](const ProgramFolder& f) { f.writeFile(kIni, "[SYSTEM]\nINI_FILENAME=missing.ini\n"); },
         {kIni}},
        {"FlagsOutside16Bits",
         [](const ProgramFolder& f) {
             f.writeFile(kIni, "[SYSTEM]\nUNIT_FLAG=99999\nLANG_FLAG=-40000\nINI_FILENAME=a.ini\n");
             f.writeFile("a.ini", "[SYSTEM]\nUNIT_FLAG=1\n");
         },
         {"Velkara.ini", "a.ini"}},
        {"BinaryGarbage",
         [](const ProgramFolder& f) { f.writeFile(kIni, Garbage(64 * 1024)); },
         {kIni}},
        {"HugeFileWithoutLineBreaks",
         [](const ProgramFolder& f) { f.writeFile(kIni, QByteArray(64 * 1024 * 1024, 'A')); },
         {kIni}},
        {"FolderNamedLikeTheSettingsFile",
         [](const ProgramFolder& f) { QDir(f.path()).mkdir(kIni); },
         {}},
        {"FifoNamedLikeTheSettingsFile",
         [](const ProgramFolder& f) {
             ::mkfifo(QFile::encodeName(f.filePath(kIni)).constData(), 0600);
         },
         {}},
        {"RedirectionToAFifo",
         [](const ProgramFolder& f) {
             f.writeFile(kIni, "[SYSTEM]\nINI_FILENAME=pipe.ini\n");
             ::mkfifo(QFile::encodeName(f.filePath("pipe.ini")).constData(), 0600);
         },
         {kIni}},
        {"DanglingLinkAsSettingsFile",
         [](const ProgramFolder& f) { QFile::link(f.filePath("nowhere.ini"), f.filePath(kIni)); },
         {}},
    };
}

class StartsWithSettings : public EndToEnd, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(StartsWithSettings, KeepsRunningWithItsWindowAndReadsOnlyItsSettings) {
    const SettingsCase& c = GetParam();
    ProgramFolder folder;
    ASSERT_TRUE(folder.isValid());
    c.prepare(folder);
    OpenedFilesWatch watch(folder.path());
    ASSERT_TRUE(watch.isValid());

    QProcess& program = runner.start(folder.programPath());
    ASSERT_TRUE(e2e::waitUntilSettled(program))
        << "the program ended or hung during start-up; exit code " << program.exitCode();
    EXPECT_EQ(watch.takeOpenedIniFiles(), c.opened);

    // A FIFO must never be held open waiting for a writer.
    for (const QString& fifo : {kIni, QStringLiteral("pipe.ini")}) {
        struct stat info {};
        const QByteArray path = QFile::encodeName(folder.filePath(fifo));
        if (::stat(path.constData(), &info) == 0 && S_ISFIFO(info.st_mode)) {
            EXPECT_FALSE(e2e::fifoHasReader(folder.filePath(fifo))) << fifo.toStdString();
        }
    }
    // Still up with the window open after start-up settled.
    EXPECT_FALSE(program.waitForFinished(300));
    EXPECT_TRUE(e2e::holdsListeningSocket(program.processId()));
}

INSTANTIATE_TEST_SUITE_P(ProgramFolders, StartsWithSettings, ::testing::ValuesIn(SettingsCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
