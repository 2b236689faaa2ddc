#include "app/WindowsUser.h"

#if defined(Q_OS_WIN)

#include <qt_windows.h>
#include <sddl.h>

#include <memory>

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// The TOKEN_USER of a process, empty when it cannot be read (another user's
// process usually cannot even be opened).
QByteArray TokenUserOf(HANDLE process) {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(process, TOKEN_QUERY, &token)) return {};
    const UniqueHandle closer(token);
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray buffer(static_cast<qsizetype>(size), '\0');
    if (size == 0 || !::GetTokenInformation(token, TokenUser, buffer.data(), size, &size))
        return {};
    return buffer;
}

PSID SidIn(QByteArray& tokenUser) {
    return reinterpret_cast<TOKEN_USER*>(tokenUser.data())->User.Sid;
}

// The process id at the other end of a connected pipe, 0 when unknown.
ULONG PeerProcessId(HANDLE pipe) {
    DWORD flags = 0;
    if (!::GetNamedPipeInfo(pipe, &flags, nullptr, nullptr, nullptr)) return 0;
    ULONG id = 0;
    const bool known = (flags & PIPE_SERVER_END) ? ::GetNamedPipeClientProcessId(pipe, &id)
                                                 : ::GetNamedPipeServerProcessId(pipe, &id);
    return known ? id : 0;
}

}  // namespace

QString ThisUserSid() {
    QByteArray tokenUser = TokenUserOf(::GetCurrentProcess());
    wchar_t* text = nullptr;
    if (tokenUser.isEmpty() || !::ConvertSidToStringSidW(SidIn(tokenUser), &text)) return {};
    const QString sid = QString::fromWCharArray(text);
    ::LocalFree(text);
    return sid;
}

bool PipePeerIsThisUser(qintptr pipe) {
    const ULONG peerId = PeerProcessId(reinterpret_cast<HANDLE>(pipe));
    if (peerId == 0) return false;
    const UniqueHandle peer(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, peerId));
    if (!peer) return false;
    QByteArray peerUser = TokenUserOf(peer.get());
    QByteArray thisUser = TokenUserOf(::GetCurrentProcess());
    return !peerUser.isEmpty() && !thisUser.isEmpty() &&
           ::EqualSid(SidIn(peerUser), SidIn(thisUser));
}

void AllowPipePeerToTakeForeground(qintptr pipe) {
    if (const ULONG peerId = PeerProcessId(reinterpret_cast<HANDLE>(pipe))) {
        ::AllowSetForegroundWindow(peerId);
    }
}

#endif
