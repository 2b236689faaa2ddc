// The built program started from program folders with different settings
// files: it must come up and stay up with its window open, and read exactly
// the settings files it is meant to read. (Which values took effect is seen
// only in the window; the in-process start-up tests check those.)
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QStringList>

#include "e2e/VelkaraProcess.h"
#include "support/TestSupport.h"

namespace {

using e2e::EndToEnd;
using e2e::OpenedFilesWatch;
using e2e::ProgramFolder;

// File contents that stand for something other than a plain file.
const QByteArray kFifo = "<fifo>", kFolder = "<folder>", kDanglingLink = "<dangling link>";
const QString kIni = QStringLiteral("Velkara.ini");

struct SettingsCase {
    const char* name;
    std::vector<std::pair<QString, QByteArray>> files;  // put into the program folder
    QStringList opened;                                 // settings files read, sorted
};

void PrintTo(const SettingsCase& c, std::ostream* os) {
    *os << c.name;
}

QByteArray Garbage(qsizetype size) {
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 2654435761u) >> 24);
    return bytes;
}

const SettingsCase kCases[] = {
    {"NoSettingsFile", {}, {}},
    {"RedirectionReadsTheSecondFile",
     {{kIni, "[SYSTEM]\r\nUNIT_FLAG=1\r\nINI_FILENAME=alt.ini\r\n"},
      {"alt.ini", "[SYSTEM]\r\nLANG_FLAG=1\r\n"}},
     {kIni, "alt.ini"}},
    {"RedirectionIsFollowedOnlyOnce",
     {{kIni, "[SYSTEM]\nINI_FILENAME=alt.ini\n"},
      {"alt.ini", "[SYSTEM]\nINI_FILENAME=third.ini\n"},
      {"third.ini", "[SYSTEM]\nLANG_FLAG=1\n"}},
     {kIni, "alt.ini"}},
    {"RedirectionToAMissingFile", {{kIni, "[SYSTEM]\nINI_FILENAME=missing.ini\n"}}, {kIni}},
    {"FlagsOutside16Bits",
     {{kIni, "[SYSTEM]\nUNIT_FLAG=99999\nLANG_FLAG=-40000\nINI_FILENAME=a.ini\n"},
      {"a.ini", "[SYSTEM]\nUNIT_FLAG=1\n"}},
     {kIni, "a.ini"}},
    {"BinaryGarbage", {{kIni, Garbage(64 * 1024)}}, {kIni}},
    {"HugeFileWithoutLineBreaks", {{kIni, QByteArray(64 * 1024 * 1024, 'A')}}, {kIni}},
    {"FolderNamedLikeTheSettingsFile", {{kIni, kFolder}}, {}},
    {"FifoNamedLikeTheSettingsFile", {{kIni, kFifo}}, {}},
    {"RedirectionToAFifo",
     {{kIni, "[SYSTEM]\nINI_FILENAME=pipe.ini\n"}, {"pipe.ini", kFifo}},
     {kIni}},
    {"DanglingLinkAsSettingsFile", {{kIni, kDanglingLink}}, {}},
};

class StartsWithSettings : public EndToEnd, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(StartsWithSettings, KeepsRunningWithItsWindowAndReadsOnlyItsSettings) {
    const SettingsCase& c = GetParam();
    ProgramFolder folder;
    ASSERT_TRUE(folder.isValid());
    for (const auto& [name, content] : c.files) {
        const QString path = folder.filePath(name);
        if (content == kFolder) {
            QDir(folder.path()).mkdir(name);
        } else if (content == kFifo) {
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
        } else if (content == kDanglingLink) {
            QFile::link(folder.filePath("nowhere.ini"), path);
        } else {
            folder.writeFile(name, content);
        }
    }
    OpenedFilesWatch watch(folder.path());
    ASSERT_TRUE(watch.isValid());

    QProcess& program = start(folder.programPath());
    ASSERT_TRUE(e2e::waitUntilSettled(program))
        << "the program ended or hung during start-up; exit code " << program.exitCode();
    EXPECT_EQ(watch.takeOpenedIniFiles(), c.opened);

    // A FIFO must never be held open waiting for a writer.
    for (const auto& [name, content] : c.files) {
        if (content == kFifo) {
            EXPECT_FALSE(e2e::fifoHasReader(folder.filePath(name))) << name.toStdString();
        }
    }
    // Still up with the window open after start-up settled.
    EXPECT_FALSE(program.waitForFinished(300));
    EXPECT_TRUE(e2e::holdsListeningSocket(program.processId()));
}

INSTANTIATE_TEST_SUITE_P(ProgramFolders, StartsWithSettings, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
