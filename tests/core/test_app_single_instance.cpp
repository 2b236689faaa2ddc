// The one-copy rule inside one process, under a test-only name: a second
// guard sees the first and asks it for the window, which the first passes to
// its handler; the name is free again once the first guard is gone.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <memory>

#include "app/SingleInstance.h"

TEST(SingleInstance, SecondGuardAsksTheFirstForItsWindow) {
    const QString name = QStringLiteral("velkara-test-%1").arg(QCoreApplication::applicationPid());
    auto first = std::make_unique<SingleInstance>(name);
    ASSERT_FALSE(first->AnotherCopyRunning());
    int requests = 0;
    first->SetBringForwardHandler([&] { ++requests; });
    const auto requestsOnceThere = [&](int expected) {
        for (const QDeadlineTimer limit(30000); requests < expected && !limit.hasExpired();) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return requests;
    };

    EXPECT_TRUE(SingleInstance(name).AnotherCopyRunning());
    EXPECT_EQ(requestsOnceThere(1), 1);
    // A refused guard leaves the name with the first; other names stay free.
    EXPECT_TRUE(SingleInstance(name).AnotherCopyRunning());
    EXPECT_EQ(requestsOnceThere(2), 2);
    EXPECT_FALSE(SingleInstance(name + "-other").AnotherCopyRunning());

    first.reset();
    EXPECT_FALSE(SingleInstance(name).AnotherCopyRunning());
}
