// One copy per user: a second start ends at once with status 0, reads no
// settings and leaves the first copy alone; a killed copy blocks nothing.
#include "e2e/VelkaraProcess.h"
#include "support/TestSupport.h"

namespace {

using e2e::EndToEnd;
using e2e::ProgramFolder;

void ExpectEndsWithStatusZero(QProcess& process) {
    ASSERT_TRUE(process.waitForFinished(e2e::kSettleLimitMs)) << "the copy did not end";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
}

TEST_F(EndToEnd, SecondStartEndsAtOnceAndTheFirstKeepsRunning) {
    // The rule is per user, not per program file.
    for (const bool sameFolder : {true, false}) {
        SCOPED_TRACE(sameFolder ? "same folder" : "another folder");
        ProgramFolder first, other;
        ASSERT_TRUE(first.isValid() && other.isValid());
        for (const ProgramFolder* f : {&first, &other})
            f->writeFile("Velkara.ini", "[SYSTEM]\nLANG_FLAG=1\n");
        QProcess& running = start(first.programPath());
        ASSERT_TRUE(e2e::waitUntilSettled(running));

        const ProgramFolder& secondFolder = sameFolder ? first : other;
        e2e::OpenedFilesWatch watch(secondFolder.path());
        ASSERT_TRUE(watch.isValid());
        ExpectEndsWithStatusZero(start(secondFolder.programPath()));
        EXPECT_TRUE(watch.takeOpenedIniFiles().isEmpty()) << "the second copy read settings";
        EXPECT_EQ(running.state(), QProcess::Running);
        EXPECT_TRUE(e2e::holdsListeningSocket(running.processId()));
        killAll();
    }
}

TEST_F(EndToEnd, StartWorksAgainAfterTheRunningCopyWasKilled) {
    ProgramFolder folder;
    ASSERT_TRUE(folder.isValid());
    QProcess& killed = start(folder.programPath());
    ASSERT_TRUE(e2e::waitUntilSettled(killed));
    e2e::killHard(killed);

    QProcess& next = start(folder.programPath());
    ASSERT_TRUE(e2e::waitUntilSettled(next)) << "a killed copy still blocks the start";
    // And the new copy keeps a further one out in turn.
    ExpectEndsWithStatusZero(start(folder.programPath()));
    EXPECT_EQ(next.state(), QProcess::Running);
}

}  // namespace
