#include "e2e/VelkaraProcess.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <csignal>

#ifndef VELKARA_EXE_PATH
#error "VELKARA_EXE_PATH must name the built program"
#endif

namespace e2e {

namespace {

QByteArray readProcFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Inodes of the sockets the process has open.
QSet<QByteArray> socketInodes(qint64 pid) {
    QSet<QByteArray> inodes;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& fd :
         fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
        // The link text is "socket:[inode]", not a path, so it is read raw.
        char target[64] = {};
        const ssize_t size =
            ::readlink(QFile::encodeName(fds.filePath(fd)).constData(), target, sizeof target - 1);
        const QByteArray text(target, size > 0 ? size : 0);
        if (text.startsWith("socket:[") && text.endsWith(']'))
            inodes.insert(text.mid(8).chopped(1));
    }
    return inodes;
}

// Listening local sockets, inode to path, from /proc/net/unix:
// "Num RefCount Protocol Flags Type St Inode [Path]".
QHash<QByteArray, QByteArray> listeningUnixSockets() {
    constexpr unsigned kAcceptConnections = 0x10000;  // __SO_ACCEPTCON
    QHash<QByteArray, QByteArray> sockets;
    const QList<QByteArray> lines = readProcFile(QStringLiteral("/proc/net/unix")).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() >= 7 && (fields[3].toUInt(nullptr, 16) & kAcceptConnections) != 0) {
            sockets.insert(fields[6], fields.value(7));
        }
    }
    return sockets;
}

// The user-interface thread sits in the event loop's wait: poll and its
// relatives. A start-up blocked on a file would sit in open or read instead.
bool mainThreadWaitsForEvents(qint64 pid) {
    const QByteArray text = readProcFile(QStringLiteral("/proc/%1/syscall").arg(pid));
    const long number = text.split(' ').value(0).toLong();
    return number == SYS_poll || number == SYS_ppoll || number == SYS_epoll_wait ||
           number == SYS_epoll_pwait || number == SYS_select || number == SYS_pselect6;
}

}  // namespace

ProgramFolder::ProgramFolder() {
    if (!dir_.isValid()) return;
    const QString copy = programPath();
    valid_ = QFile::copy(QStringLiteral(VELKARA_EXE_PATH), copy) &&
             QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void ProgramFolder::writeFile(const QString& name, const QByteArray& content) const {
    QFile file(filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(content);
}

OpenedFilesWatch::OpenedFilesWatch(const QString& folder) {
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ >= 0) watch_ = ::inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN);
}

OpenedFilesWatch::~OpenedFilesWatch() {
    if (fd_ >= 0) ::close(fd_);
}

QStringList OpenedFilesWatch::takeOpenedIniFiles() {
    QStringList names;
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, sizeof buffer);
        if (got <= 0) break;
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && (event->mask & IN_ISDIR) == 0) {
                const QString name = QFile::decodeName(event->name);
                if (name.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive)) names << name;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    names.removeDuplicates();
    names.sort();
    return names;
}

QProcess& EndToEnd::start(const QString& program) {
    auto process = std::make_unique<QProcess>();
    process->setWorkingDirectory(QDir::tempPath());
    // Qt's own warnings (no runtime folder, fonts) are not the test's subject.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(program, {});
    process->waitForStarted(kSettleLimitMs);
    processes_.push_back(std::move(process));
    return *processes_.back();
}

void EndToEnd::killAll() {
    for (const auto& process : processes_) killHard(*process);
    processes_.clear();
}

bool waitUntilSettled(QProcess& process) {
    const QDeadlineTimer deadline(kSettleLimitMs);
    while (!deadline.hasExpired()) {
        if (process.state() != QProcess::Running) return false;
        const qint64 pid = process.processId();
        // Seen twice in a row, so a passing wait inside start-up does not count.
        if (holdsListeningSocket(pid) && mainThreadWaitsForEvents(pid)) {
            QThread::msleep(50);
            if (process.state() == QProcess::Running && mainThreadWaitsForEvents(pid)) return true;
        }
        process.waitForFinished(20);
    }
    return false;
}

bool holdsListeningSocket(qint64 pid) {
    if (pid <= 0) return false;
    const QHash<QByteArray, QByteArray> listening = listeningUnixSockets();
    const QSet<QByteArray> inodes = socketInodes(pid);
    return std::any_of(inodes.begin(), inodes.end(),
                       [&](const QByteArray& inode) { return listening.contains(inode); });
}

QStringList foreignProgramSockets() {
    QStringList names;
    for (const QByteArray& path : listeningUnixSockets()) {
        if (path.toLower().contains("velkara")) names << QString::fromLatin1(path);
    }
    return names;
}

void killHard(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
    process.waitForFinished(kSettleLimitMs);
}

bool fifoHasReader(const QString& path) {
    // Opening the write end without blocking fails with ENXIO when nobody reads.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno != ENXIO;
}

}  // namespace e2e
