#pragma once
// The one-copy rule: one copy of the program per user at a time.
//
// The first copy holds a local server under a per-user name for its whole
// run. The name is released by the system when the process ends in any way,
// also when it is killed, and no file is written, so nothing can be left
// behind to block a later start. A later start of the same user connects to
// it, asks it to bring its window forward (and to open the list the start
// was given, if any), and ends once the copy has answered.
//
// Only a holder running as this user that answers counts as another copy: a
// name taken by someone else's process, or by one that never answers, would
// otherwise keep the user from the program. Then this copy runs without the
// rule and says so on stderr.

#include <QPointer>
#include <QString>
#include <functional>

class QLocalServer;

class SingleInstance {
public:
    // The request a later start sends; anything else is ignored.
    static constexpr char kBringForwardRequest[] = "RAISE\n";
    // The request of a start given a file: this, the path's UTF-8 in base64,
    // and a line end.
    static constexpr char kOpenRequest[] = "OPEN ";
    // The running copy's answer to this user's request.
    static constexpr char kBringForwardAnswer[] = "RAISED\n";

    // Claims `name` for this process, or finds this user's copy holding it
    // and sends it the request, with `openPath` when one is given. The
    // default is the program's per-user name; tests pass their own.
    explicit SingleInstance(const QString& name = DefaultName(), const QString& openPath = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when a copy of this user already holds the name.
    bool AnotherCopyRunning() const { return anotherCopyRunning_; }

    // Called on the user-interface thread whenever a later start of this
    // user asks for the window, with the file it was given (else empty).
    void SetBringForwardHandler(std::function<void(const QString& openPath)> handler) {
        bringForward_ = std::move(handler);
    }

    static QString DefaultName();

private:
    bool Listen(const QString& name);
    void AcceptConnections();

    // Owned by the application object when there is one, so that it is torn
    // down with the application rather than after it.
    QPointer<QLocalServer> server_;
    std::function<void(const QString&)> bringForward_;
    bool anotherCopyRunning_ = false;
};
