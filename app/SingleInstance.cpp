#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QtGlobal>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/PeerUser.h"

#if defined(Q_OS_UNIX)
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include "app/WindowsStartupLock.h"
#include "app/WindowsUser.h"
#endif

namespace {

// Linux: an abstract-namespace socket, held by the kernel only while the
// process lives; binding a name in use fails atomically. Elsewhere the
// server is open to this user only: a socket file with owner-only rights
// (other Unix systems), a pipe whose security descriptor admits only this
// user (Windows).
#if defined(Q_OS_LINUX)
constexpr auto kServerOptions = QLocalServer::AbstractNamespaceOption;
constexpr auto kSocketOptions = QLocalSocket::AbstractNamespaceOption;
#else
constexpr auto kServerOptions = QLocalServer::UserAccessOption;
constexpr auto kSocketOptions = QLocalSocket::NoOptions;
#endif

// A holder that is still setting up (bound but not yet listening) or gone
// between the two steps is asked again a few times.
constexpr int kAttempts = 10;
constexpr int kRetryPauseMs = 50;
constexpr int kConnectLimitMs = 500;
// A copy answers from its event loop, which runs within moments of its
// start; only a holder that is not a copy of the program stays silent.
constexpr int kAnswerLimitMs = 3000;

enum class Holder { Nobody, ThisUser, OtherUser, Silent };

// Connects to whoever holds the name and, when it runs as this user, sends
// `request` and waits for the answer.
Holder AskHolder(const QString& name, const QByteArray& request) {
    QLocalSocket probe;
    probe.setSocketOptions(kSocketOptions);
    probe.connectToServer(name);
    if (!probe.waitForConnected(kConnectLimitMs)) return Holder::Nobody;
    if (!PeerIsThisUser(probe.socketDescriptor())) return Holder::OtherUser;
    AllowPeerToTakeForeground(probe.socketDescriptor());
    probe.write(request);
    probe.waitForBytesWritten(kConnectLimitMs);
    constexpr qsizetype answerSize = sizeof SingleInstance::kBringForwardAnswer - 1;
    while (probe.bytesAvailable() < answerSize && probe.waitForReadyRead(kAnswerLimitMs)) {
    }
    return probe.read(answerSize) == SingleInstance::kBringForwardAnswer ? Holder::ThisUser
                                                                         : Holder::Silent;
}

// A request is one line, and no longer than the longest path a system takes.
constexpr qsizetype kRequestLimit = 64 * 1024;

QByteArray RequestFor(const QString& openPath) {
    if (openPath.isEmpty()) return SingleInstance::kBringForwardRequest;
    return SingleInstance::kOpenRequest + openPath.toUtf8().toBase64() + '\n';
}

// The path a request asks to open (empty for none), or nothing for bytes
// that are no request.
std::optional<QString> PathOfRequest(const QByteArray& line) {
    if (line == SingleInstance::kBringForwardRequest) return QString();
    if (!line.startsWith(SingleInstance::kOpenRequest) || !line.endsWith('\n')) return std::nullopt;
    const qsizetype start = sizeof SingleInstance::kOpenRequest - 1;
    const auto decoded = QByteArray::fromBase64Encoding(line.mid(start, line.size() - start - 1),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty()) return std::nullopt;
    return QString::fromUtf8(decoded.decoded);
}

}  // namespace

SingleInstance::SingleInstance(const QString& name, const QString& openPath)
    : server_(new QLocalServer(QCoreApplication::instance())) {
    server_->setSocketOptions(kServerOptions);
#if defined(Q_OS_WIN)
    const WindowsStartupLock lock(name);
#endif
    const QByteArray request = RequestFor(openPath);
    Holder holder = Holder::Nobody;
    for (int attempt = 0; attempt < kAttempts && holder == Holder::Nobody; ++attempt) {
#if !defined(Q_OS_LINUX)
        // Without an abstract namespace a name can stay behind as a socket
        // file of a killed copy, which answers nobody: ask first, then clear.
        if ((holder = AskHolder(name, request)) != Holder::Nobody) break;
        QLocalServer::removeServer(name);
#endif
        if (Listen(name)) return;
        // Any failure other than a name in use must not keep the user from
        // the program: run without the rule.
        if (server_->serverError() != QAbstractSocket::AddressInUseError) break;
#if defined(Q_OS_LINUX)
        if ((holder = AskHolder(name, request)) != Holder::Nobody) break;
#endif
        QThread::msleep(kRetryPauseMs);
    }
    const bool nameInUse = server_->serverError() == QAbstractSocket::AddressInUseError;
    delete server_.data();
    anotherCopyRunning_ = holder == Holder::ThisUser;
    // Held by another user, or by something that never answers.
    if (holder == Holder::OtherUser || holder == Holder::Silent ||
        (holder == Holder::Nobody && nameInUse)) {
        std::fputs(
            "velkara: the one-copy name is held by a process that is not this user's copy; "
            "starting without the one-copy check\n",
            stderr);
        // The Windows C library buffers stderr when it is a pipe.
        std::fflush(stderr);
    }
}

SingleInstance::~SingleInstance() {
    delete server_.data();
}

bool SingleInstance::Listen(const QString& name) {
    if (!server_->listen(name)) return false;
    QObject::connect(server_, &QLocalServer::newConnection, server_,
                     [this] { AcceptConnections(); });
    return true;
}

// Each connection is read only up to the end of a request's line and never
// waited for, so nothing a peer sends or withholds can stall the window.
void SingleInstance::AcceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        const auto finish = [socket] {
            socket->disconnect();
            socket->abort();
            socket->deleteLater();
        };
        if (!PeerIsThisUser(socket->socketDescriptor())) {
            finish();  // unread
            continue;
        }
        auto received = std::make_shared<QByteArray>();
        const auto take = [this, socket, received, finish] {
            char byte;
            while (!received->endsWith('\n') && received->size() < kRequestLimit &&
                   socket->getChar(&byte))
                received->append(byte);
            const bool ended = socket->state() != QLocalSocket::ConnectedState;
            if (!received->endsWith('\n') && received->size() < kRequestLimit && !ended) return;
            const std::optional<QString> openPath = PathOfRequest(*received);
            if (openPath && !ended) {
                // The asking copy closes the connection once it has the
                // answer: closing first could drop it unread (Windows pipes).
                socket->disconnect();
                QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                 &QObject::deleteLater);
                socket->write(kBringForwardAnswer);
            } else {
                finish();
            }
            if (openPath && bringForward_) bringForward_(*openPath);
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, take);
        QObject::connect(socket, &QLocalSocket::disconnected, socket, take);
        take();
    }
}

QString SingleInstance::DefaultName() {
#if defined(Q_OS_UNIX)
    return QStringLiteral("velkara-single-instance-%1").arg(::getuid());
#elif defined(Q_OS_WIN)
    // Pipe names are shared by all users of the machine: the user's SID keeps
    // one user's copy from answering for, or standing in the way of, another.
    return QStringLiteral("velkara-single-instance-%1").arg(ThisUserSid());
#else
    return QStringLiteral("velkara-single-instance");
#endif
}
