#include "e2e/VelkaraProcess.h"

#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QThread>
#include <cstddef>
#include <cstring>

#include "app/SingleInstance.h"

#ifndef VELKARA_EXE_PATH
#error "VELKARA_EXE_PATH must name the built program"
#endif

namespace e2e {

ProgramFolder::ProgramFolder() {
    valid_ = dir_.isValid() && QFile::copy(VELKARA_EXE_PATH, programPath()) &&
             QFile::setPermissions(programPath(), QFile::ReadOwner | QFile::ExeOwner);
}

void ProgramFolder::writeFile(const QString& name, const QByteArray& content) const {
    QFile file(filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(content);
}

OpenedFilesWatch::OpenedFilesWatch(const QString& folder)
    : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
      watch_(::inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN)) {}

OpenedFilesWatch::~OpenedFilesWatch() {
    ::close(fd_);
}

QStringList OpenedFilesWatch::takeOpenedIniFiles() {
    QStringList names;
    alignas(inotify_event) char buffer[16384];
    for (ssize_t got; (got = ::read(fd_, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const QString name = QFile::decodeName(event->name);
            if (event->len > 0 && name.endsWith(".ini", Qt::CaseInsensitive)) names << name;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    names.removeDuplicates();
    names.sort();
    return names;
}

// The user-interface thread sits in the event loop's wait (poll and its
// relatives), twice in a row so that a passing wait inside start-up does not
// count. A start-up blocked on a file would sit in open or read instead.
bool waitUntilSettled(QProcess& process) {
    const auto waits = [&] {
        QFile file(QStringLiteral("/proc/%1/syscall").arg(process.processId()));
        const long call =
            file.open(QIODevice::ReadOnly) ? file.readAll().split(' ')[0].toLong() : -1;
        return call == SYS_poll || call == SYS_ppoll || call == SYS_epoll_wait ||
               call == SYS_select;
    };
    for (const QDeadlineTimer deadline(kSettleLimitMs); !deadline.hasExpired();) {
        if (process.state() != QProcess::Running) return false;
        if (waits()) {
            QThread::msleep(50);
            if (waits()) return true;
        }
        process.waitForFinished(20);
    }
    return false;
}

pid_t forkAs(uid_t uid, const std::function<int()>& job) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    if (::geteuid() == 0 && uid != 0 && (::setgid(uid) != 0 || ::setuid(uid) != 0)) ::_exit(99);
    ::_exit(job());
}

int abstractSocket(const QByteArray& name, bool listen) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // After a leading NUL, exactly the name's bytes.
    std::memcpy(address.sun_path + 1, name.constData(), static_cast<std::size_t>(name.size()));
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const auto* at = reinterpret_cast<const sockaddr*>(&address);
    const bool ok =
        listen ? ::bind(fd, at, size) == 0 && ::listen(fd, 8) == 0 : ::connect(fd, at, size) == 0;
    return ok ? fd : -1;
}

void EndToEnd::SetUp() {
    QLocalSocket probe;
    probe.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    probe.connectToServer(SingleInstance::DefaultName());
    ASSERT_FALSE(probe.waitForConnected(1000)) << "a copy of the program is running; close it";
}

QProcess& EndToEnd::start(const QString& program) {
    auto& process = *processes_.emplace_back(std::make_unique<QProcess>());
    process.setWorkingDirectory(QDir::tempPath());
    process.start(program, {});
    process.waitForStarted(kSettleLimitMs);
    return process;
}

}  // namespace e2e
