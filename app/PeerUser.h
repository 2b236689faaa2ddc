#pragma once
// Who is at the other end of a connected local socket.

#include <QtGlobal>

// True when the process at the other end of the connected local socket
// `descriptor` runs as this process's user.
bool PeerIsThisUser(qintptr descriptor);

// Lets the process at the other end bring its window to the front, where the
// system keeps background processes from doing so by themselves (Windows).
void AllowPeerToTakeForeground(qintptr descriptor);
