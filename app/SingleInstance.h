#pragma once
// The one-copy rule: one copy of the program per user at a time.
//
// The first copy holds a local server under a per-user name for its whole
// run. The name is released by the system when the process ends in any way,
// also when it is killed, and no file is written, so nothing can be left
// behind to block a later start.

#include <QPointer>
#include <QString>

class QLocalServer;

class SingleInstance {
public:
    // Claims `name` for this process; the default is the program's per-user
    // name. Tests pass their own name.
    explicit SingleInstance(const QString& name = DefaultName());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another copy already holds the name.
    bool AnotherCopyRunning() const { return anotherCopyRunning_; }

    static QString DefaultName();

private:
    // Owned by the application object when there is one, so that it is torn
    // down with the application rather than after it.
    QPointer<QLocalServer> server_;
    bool anotherCopyRunning_ = false;
};
