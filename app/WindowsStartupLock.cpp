#include "app/WindowsStartupLock.h"

#if defined(Q_OS_WIN)

#include <qt_windows.h>

namespace {

// Far longer than any start takes to ask and listen, far shorter than a user
// waits before trying again.
constexpr DWORD kLockLimitMs = 3000;

}  // namespace

WindowsStartupLock::WindowsStartupLock(const QString& name) {
    // "Local\": the user's session, where this user's copies meet.
    const QString fullName = QStringLiteral("Local\\") + name + QStringLiteral("-startup");
    mutex_ = ::CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t*>(fullName.utf16()));
    if (mutex_ == nullptr) return;
    // A start that was killed while holding the lock leaves it abandoned,
    // which hands it on.
    const DWORD waited = ::WaitForSingleObject(mutex_, kLockLimitMs);
    owned_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

WindowsStartupLock::~WindowsStartupLock() {
    if (owned_) ::ReleaseMutex(mutex_);
    if (mutex_ != nullptr) ::CloseHandle(mutex_);
}

#endif
