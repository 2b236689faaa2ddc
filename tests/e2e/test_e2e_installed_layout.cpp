// Installed, the program lives in a private folder, the command on the PATH is
// a symbolic link to it, and the settings file beside the program is a link
// to the administrator's file in the configuration folder. Started through the
// command link, it must read that file, and only when it is a regular file.
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "e2e/VelkaraProcess.h"
#include "support/TestSupport.h"

namespace {

using e2e::EndToEnd;

class StartedThroughTheCommandLink : public EndToEnd,
                                     public ::testing::WithParamInterface<const char*> {};

TEST_P(StartedThroughTheCommandLink, FollowsTheSettingsLinkOnlyToARegularFile) {
    const QString settingsKind = GetParam();
    e2e::ProgramFolder root;  // its copy of the program is moved into place
    ASSERT_TRUE(root.isValid());
    const QDir top(root.path());
    const QString lib = top.filePath("usr/lib/velkara"), bin = top.filePath("usr/bin"),
                  etc = top.filePath("etc/velkara"), settings = etc + "/Velkara.ini";
    ASSERT_TRUE(top.mkpath(lib) && top.mkpath(bin) && top.mkpath(etc));
    ASSERT_TRUE(QFile::rename(root.programPath(), lib + "/velkara"));
    // The links the package installs: relative inside /usr, absolute into /etc.
    ASSERT_TRUE(QFile::link("../lib/velkara/velkara", bin + "/velkara"));
    ASSERT_TRUE(
        QFile::link(settingsKind == "device" ? "/dev/null" : settings, lib + "/Velkara.ini"));
    root.writeFile("usr/bin/Velkara.ini", "[SYSTEM]\nLANG_FLAG=1\n");  // beside the link: ignored
    if (settingsKind == "file")
        root.writeFile("etc/velkara/Velkara.ini", "[SYSTEM]\nUNIT_FLAG=1\n");
    if (settingsKind == "folder") {
        ASSERT_TRUE(QDir().mkdir(settings));
    }
    if (settingsKind == "fifo") {
        ASSERT_EQ(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    }

    e2e::OpenedFilesWatch inEtc(etc), besideLink(bin);
    ASSERT_TRUE(inEtc.isValid() && besideLink.isValid());
    ASSERT_TRUE(e2e::waitUntilSettled(start(bin + "/velkara")));
    EXPECT_EQ(inEtc.takeOpenedIniFiles(),
              settingsKind == "file" ? QStringList{"Velkara.ini"} : QStringList{});
    EXPECT_TRUE(besideLink.takeOpenedIniFiles().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(SettingsLinkTargets, StartedThroughTheCommandLink,
                         ::testing::Values("file", "folder", "fifo", "device"));

}  // namespace
