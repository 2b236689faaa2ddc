// Installed, the program lives in its own folder and the command on the PATH
// is a symbolic link to it. Started through the link, it must still read the
// settings file beside its real file, not one beside the link.
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "e2e/VelkaraProcess.h"
#include "support/TestSupport.h"

namespace {

using e2e::EndToEnd;

TEST_F(EndToEnd, StartedThroughTheCommandLinkReadsTheSettingsBesideTheProgram) {
    e2e::ProgramFolder root;  // its copy of the program is moved into place
    ASSERT_TRUE(root.isValid());
    const QDir top(root.path());
    ASSERT_TRUE(top.mkpath("opt/velkara") && top.mkpath("usr/bin"));
    const QString programFolder = top.filePath("opt/velkara"), binFolder = top.filePath("usr/bin");
    ASSERT_TRUE(QFile::rename(root.programPath(), programFolder + "/velkara"));
    // The same relative link the package installs.
    ASSERT_EQ(::symlink("../../opt/velkara/velkara",
                        QFile::encodeName(binFolder + "/velkara").constData()),
              0);
    for (const QString& folder : {programFolder, binFolder}) {
        QFile file(folder + "/Velkara.ini");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[SYSTEM]\nUNIT_FLAG=1\nLANG_FLAG=1\n");
    }

    e2e::OpenedFilesWatch besideProgram(programFolder), besideLink(binFolder);
    ASSERT_TRUE(besideProgram.isValid() && besideLink.isValid());
    ASSERT_TRUE(e2e::waitUntilSettled(start(binFolder + "/velkara")));
    EXPECT_EQ(besideProgram.takeOpenedIniFiles(), QStringList{"Velkara.ini"});
    EXPECT_TRUE(besideLink.takeOpenedIniFiles().isEmpty());
}

}  // namespace
