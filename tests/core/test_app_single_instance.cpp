// The one-copy rule inside one process: a name held by a living guard stops
// a second one, and is free again as soon as the first guard is gone.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>
#include <memory>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

#include "app/SingleInstance.h"

namespace {

QString TestName(const char* which) {
    return QStringLiteral("velkara-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QString::fromLatin1(which));
}

TEST(SingleInstance, SecondGuardSeesTheFirstButNotOtherNames) {
    const QString name = TestName("second");
    auto first = std::make_unique<SingleInstance>(name);
    ASSERT_FALSE(first->AnotherCopyRunning());
    {
        const SingleInstance second(name);
        EXPECT_TRUE(second.AnotherCopyRunning());
    }
    // A refused guard must not have taken the name away from the first.
    EXPECT_TRUE(SingleInstance(name).AnotherCopyRunning());

    // Another name is free all the while.
    EXPECT_FALSE(SingleInstance(TestName("other")).AnotherCopyRunning());

    first.reset();
    const SingleInstance third(name);
    EXPECT_FALSE(third.AnotherCopyRunning());
}

#if defined(Q_OS_UNIX)
TEST(SingleInstance, DefaultNameIsPerUser) {
    EXPECT_TRUE(SingleInstance::DefaultName().endsWith(u'-' + QString::number(::getuid())));
}
#endif

}  // namespace
