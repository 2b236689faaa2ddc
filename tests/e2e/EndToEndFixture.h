#pragma once
// Base of the end-to-end tests. They share the per-user one-copy rule with
// every other copy of the program, so they run alone (never in parallel with
// other tests) and refuse to run while a copy outside the tests is up.

#include <gtest/gtest.h>

#include <QStringList>

#include "e2e/VelkaraProcess.h"

namespace e2e {

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        const QStringList others = foreignProgramSockets();
        ASSERT_TRUE(others.isEmpty())
            << "another copy of the program is running for this user ("
            << others.join(QLatin1Char(' ')).toStdString() << "); close it first";
    }
    void TearDown() override { runner.killAll(); }

    Runner runner;
};

}  // namespace e2e
