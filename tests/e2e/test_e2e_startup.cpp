// Installed, the program lives in a private folder, the command on the PATH is
// a symbolic link to it, and the settings file beside the program is a link
// to the administrator's file in the configuration folder. Started through the
// command link, with or without settings, it comes up and reads that file
// only when it is a regular file; a file beside the command link is not read.
#include <sys/stat.h>

#include "e2e/VelkaraProcess.h"

namespace {

using namespace e2e;

class StartedThroughTheCommandLink : public EndToEnd,
                                     public ::testing::WithParamInterface<const char*> {};

TEST_P(StartedThroughTheCommandLink, FollowsTheSettingsLinkOnlyToARegularFile) {
    const QString kind = GetParam();
    ProgramFolder root;  // its copy of the program is moved into place
    const QString lib = root.filePath("usr/lib/velkara"), bin = root.filePath("usr/bin"),
                  etc = root.filePath("etc/velkara"), settings = etc + "/Velkara.ini";
    ASSERT_TRUE(QDir().mkpath(lib) && QDir().mkpath(bin) && QDir().mkpath(etc));
    ASSERT_TRUE(QFile::rename(root.program(), lib + "/velkara"));
    ASSERT_TRUE(QFile::link("../lib/velkara/velkara", bin + "/velkara"));
    if (kind != "none")
        QFile::link(kind == "device" ? "/dev/null" : settings, lib + "/Velkara.ini");
    root.write("usr/bin/Velkara.ini", "[SYSTEM]\nLANG_FLAG=1\n");
    if (kind == "file") root.write("etc/velkara/Velkara.ini", "[SYSTEM]\nUNIT_FLAG=1\n");
    ASSERT_TRUE(kind != "folder" || QDir().mkdir(settings));
    ASSERT_TRUE(kind != "fifo" || ::mkfifo(QFile::encodeName(settings), 0600) == 0);

    IniOpenWatch inEtc(etc), besideLink(bin);
    ASSERT_TRUE(WaitUntilSettled(start(bin + "/velkara")));
    EXPECT_EQ(inEtc.seen(), kind == "file");
    EXPECT_FALSE(besideLink.seen());
}

INSTANTIATE_TEST_SUITE_P(SettingsLinkTargets, StartedThroughTheCommandLink,
                         ::testing::Values("none", "file", "folder", "fifo", "device"));

}  // namespace
