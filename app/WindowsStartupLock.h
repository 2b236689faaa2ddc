#pragma once
// Serialises the one-copy decision of one user's starts on Windows.
//
// Qt's pipe server does not claim its name exclusively: two starts at the
// same moment could both find nobody holding the name and both listen. A
// start takes this per-user lock while it asks for the holder and starts
// listening, so the later start finds the earlier one listening. A lock that
// someone else holds too long is given up on: it must not keep the user from
// the program.

#include <QString>
#include <QtGlobal>

#if defined(Q_OS_WIN)

class WindowsStartupLock {
public:
    explicit WindowsStartupLock(const QString& name);
    ~WindowsStartupLock();
    WindowsStartupLock(const WindowsStartupLock&) = delete;
    WindowsStartupLock& operator=(const WindowsStartupLock&) = delete;

private:
    void* mutex_ = nullptr;
    bool owned_ = false;
};

#endif
