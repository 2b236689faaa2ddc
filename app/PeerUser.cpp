#include "app/PeerUser.h"

#if defined(Q_OS_UNIX)
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include "app/WindowsUser.h"
#endif

bool PeerIsThisUser(qintptr descriptor) {
#if defined(Q_OS_LINUX)
    // The kernel records the peer's credentials when the connection is made
    // (or the listening socket created); the peer cannot forge them.
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials,
                        &size) == 0 &&
           credentials.uid == ::geteuid();
#elif defined(Q_OS_UNIX)
    uid_t uid{};
    gid_t gid{};
    return ::getpeereid(static_cast<int>(descriptor), &uid, &gid) == 0 && uid == ::geteuid();
#elif defined(Q_OS_WIN)
    // The pipe admits only this user (UserAccessOption), but anyone may have
    // created a pipe of the same name first: ask who runs the other end.
    return PipePeerIsThisUser(descriptor);
#else
    Q_UNUSED(descriptor);
    return false;
#endif
}

void AllowPeerToTakeForeground(qintptr descriptor) {
#if defined(Q_OS_WIN)
    AllowPipePeerToTakeForeground(descriptor);
#else
    Q_UNUSED(descriptor);
#endif
}
