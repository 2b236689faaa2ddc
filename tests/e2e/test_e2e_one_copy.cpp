// One copy per user: a second start ends at once with status 0, reads no
// settings and leaves the first copy alone; a killed copy blocks nothing.
#include <gtest/gtest.h>

#include <QProcess>

#include "e2e/EndToEndFixture.h"
#include "support/TestSupport.h"

namespace {

using e2e::EndToEnd;
using e2e::OpenedFilesWatch;
using e2e::ProgramFolder;

const QString kIni = QStringLiteral("Velkara.ini");

void ExpectEndsWithStatusZero(QProcess& process) {
    ASSERT_TRUE(process.waitForFinished(e2e::kSettleLimitMs)) << "the copy did not end";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
}

TEST_F(EndToEnd, SecondStartEndsAtOnceAndTheFirstKeepsRunning) {
    // From the same program folder and from another one: the rule is per
    // user, not per program file.
    for (const bool sameFolder : {true, false}) {
        SCOPED_TRACE(sameFolder ? "same folder" : "another folder");
        ProgramFolder first;
        ProgramFolder other;
        ASSERT_TRUE(first.isValid() && other.isValid());
        first.writeFile(kIni, "[SYSTEM]\nLANG_FLAG=1\n");
        other.writeFile(kIni, "[SYSTEM]\nLANG_FLAG=1\n");
        QProcess& running = runner.start(first.programPath());
        ASSERT_TRUE(e2e::waitUntilSettled(running));

        const ProgramFolder& secondFolder = sameFolder ? first : other;
        OpenedFilesWatch watch(secondFolder.path());
        ASSERT_TRUE(watch.isValid());
        QProcess& second = runner.start(secondFolder.programPath());
        ExpectEndsWithStatusZero(second);
        EXPECT_TRUE(watch.takeOpenedIniFiles().isEmpty()) << "the second copy read settings";

        EXPECT_EQ(running.state(), QProcess::Running);
        EXPECT_TRUE(e2e::holdsListeningSocket(running.processId()));
        runner.killAll();
    }
}

TEST_F(EndToEnd, StartWorksAgainAfterTheRunningCopyWasKilled) {
    ProgramFolder folder;
    ASSERT_TRUE(folder.isValid());
    QProcess& killed = runner.start(folder.programPath());
    ASSERT_TRUE(e2e::waitUntilSettled(killed));
    e2e::killHard(killed);
    ASSERT_EQ(killed.state(), QProcess::NotRunning);

    QProcess& next = runner.start(folder.programPath());
    ASSERT_TRUE(e2e::waitUntilSettled(next)) << "a killed copy still blocks the start";
    // And the new copy now keeps a further one out in turn.
    QProcess& third = runner.start(folder.programPath());
    ExpectEndsWithStatusZero(third);
    EXPECT_EQ(next.state(), QProcess::Running);
}

}  // namespace
