#pragma once
// Who runs a process, on Windows: the user's security identifier (SID),
// which stays the same for a user across sessions and names no one else.

#include <QString>
#include <QtGlobal>

#if defined(Q_OS_WIN)

// This process's user as a SID string ("S-1-5-21-..."); empty if the system
// does not tell.
QString ThisUserSid();

// True when the process at the other end of the connected named pipe runs as
// this process's user. Works from either end.
bool PipePeerIsThisUser(qintptr pipe);

// Lets the process at the other end of the pipe bring its window to the
// front: Windows keeps a background process from taking the foreground
// unless the foreground process, the one the user just started, allows it.
void AllowPipePeerToTakeForeground(qintptr pipe);

#endif
