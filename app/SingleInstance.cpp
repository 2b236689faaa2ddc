#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QtGlobal>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif
#if !defined(Q_OS_LINUX)
#include <QLocalSocket>
#endif

namespace {

#if defined(Q_OS_LINUX)

// An abstract-namespace socket: held by the kernel only while the process
// lives, and binding a name that is in use fails atomically.
bool ClaimName(QLocalServer& server, const QString& name, bool& nameInUse) {
    server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (server.listen(name)) return true;
    nameInUse = server.serverError() == QAbstractSocket::AddressInUseError;
    return false;
}

#else

// Where there is no abstract namespace: ask whether a server answers under
// the name, and take the name over when nobody does (a socket file left by a
// killed copy answers nobody).
bool ClaimName(QLocalServer& server, const QString& name, bool& nameInUse) {
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(1000)) {
        nameInUse = true;
        return false;
    }
    QLocalServer::removeServer(name);
    if (server.listen(name)) return true;
    nameInUse = server.serverError() == QAbstractSocket::AddressInUseError;
    return false;
}

#endif

}  // namespace

SingleInstance::SingleInstance(const QString& name)
    : server_(new QLocalServer(QCoreApplication::instance())) {
    bool nameInUse = false;
    if (!ClaimName(*server_, name, nameInUse)) {
        // Only a name held by another copy stops the start. Any other failure
        // of the local server must not keep the user from the program.
        anotherCopyRunning_ = nameInUse;
        delete server_.data();
    }
}

SingleInstance::~SingleInstance() {
    delete server_.data();
}

QString SingleInstance::DefaultName() {
#if defined(Q_OS_UNIX)
    return QStringLiteral("velkara-single-instance-%1").arg(::getuid());
#else
    // Elsewhere (Windows) the name is one pipe for the whole machine, so
    // there the rule holds per machine rather than per user.
    return QStringLiteral("velkara-single-instance");
#endif
}
