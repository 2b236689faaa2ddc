// The built program started from program folders with and without settings:
// it comes up, stays up, and reads exactly the settings files it should.
// (Which values took effect and hostile files are the in-process tests' part.)
#include <QFile>

#include "e2e/VelkaraProcess.h"

namespace {

using namespace e2e;

const QString kIni = QStringLiteral("Velkara.ini");

const struct SettingsCase {
    const char* name;
    std::vector<std::pair<QString, QByteArray>> files;  // put into the program folder
    QStringList opened;                                 // settings files read, sorted
} kCases[] = {
    {"NoSettingsFile", {}, {}},
    {"RedirectionReadsTheSecondFileOnly",
     {{kIni, "[SYSTEM]\r\nUNIT_FLAG=1\r\nINI_FILENAME=alt.ini\r\n"},
      {"alt.ini", "[SYSTEM]\nLANG_FLAG=1\nINI_FILENAME=third.ini\n"},
      {"third.ini", "[SYSTEM]\nUNIT_FLAG=1\n"}},
     {kIni, "alt.ini"}},
};

void PrintTo(const SettingsCase& c, std::ostream* os) {
    *os << c.name;
}

class StartsWithSettings : public EndToEnd, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(StartsWithSettings, KeepsRunningAndReadsOnlyItsSettings) {
    ProgramFolder folder;
    for (const auto& [name, content] : GetParam().files) folder.writeFile(name, content);
    OpenedFilesWatch watch(folder.path());
    QProcess& program = start(folder.programPath());
    ASSERT_TRUE(waitUntilSettled(program)) << "ended or hung in start-up: " << program.exitCode();
    EXPECT_EQ(watch.takeOpenedIniFiles(), GetParam().opened);
    EXPECT_FALSE(program.waitForFinished(300));
}

INSTANTIATE_TEST_SUITE_P(ProgramFolders, StartsWithSettings, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
