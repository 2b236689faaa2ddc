// Installed, the program lives in its own folder and the command on the PATH
// is a symbolic link to it. Started through the link, it must still read the
// settings file beside its real file, not one beside the link.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include "e2e/EndToEndFixture.h"
#include "support/TestSupport.h"

namespace {

using e2e::EndToEnd;
using e2e::OpenedFilesWatch;

TEST_F(EndToEnd, StartedThroughTheCommandLinkReadsTheSettingsBesideTheProgram) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir top(root.path());
    ASSERT_TRUE(top.mkpath("opt/velkara") && top.mkpath("usr/bin"));
    const QString programFolder = top.filePath("opt/velkara");
    const QString binFolder = top.filePath("usr/bin");
    const QString program = programFolder + "/velkara";
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELKARA_EXE_PATH), program));
    ASSERT_TRUE(
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    // The same relative link the package installs.
    ASSERT_EQ(::symlink("../../opt/velkara/velkara",
                        QFile::encodeName(binFolder + "/velkara").constData()),
              0);
    const QByteArray settings = "[SYSTEM]\nUNIT_FLAG=1\nLANG_FLAG=1\n";
    for (const QString& folder : {programFolder, binFolder}) {
        QFile file(folder + "/Velkara.ini");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settings);
    }

    OpenedFilesWatch besideProgram(programFolder);
    OpenedFilesWatch besideLink(binFolder);
    ASSERT_TRUE(besideProgram.isValid() && besideLink.isValid());
    QProcess& started = runner.start(binFolder + "/velkara");
    ASSERT_TRUE(e2e::waitUntilSettled(started));
    EXPECT_EQ(besideProgram.takeOpenedIniFiles(), QStringList{"Velkara.ini"});
    EXPECT_TRUE(besideLink.takeOpenedIniFiles().isEmpty());
}

}  // namespace
