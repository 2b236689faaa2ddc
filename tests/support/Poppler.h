#pragma once
// A PDF read back as a reader and a printer see it, with poppler-utils. The
// Windows tests, run under Wine, read it with the host's poppler-utils.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <optional>
#ifdef _WIN32
#include <windows.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

// The host's name of a path; empty where there is no host (not under Wine).
inline QString HostPath(const QString& path) {
    const auto toHost = reinterpret_cast<char* (*)(const wchar_t*)>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    char* name = toHost ? toHost(QDir::toNativeSeparators(path).toStdWString().c_str()) : nullptr;
    const QString hostPath = QString::fromUtf8(name);
    HeapFree(GetProcessHeap(), 0, name);
    return hostPath;
}

// A host program started from Wine gives no handle to wait on or read from:
// the host's shell (on Wine's drive Z:, the host's root) runs the tool into a
// file, then writes its exit status beside it, which is waited for.
inline std::optional<QString> RunPoppler(const QString& tool, const QStringList& arguments) {
    const auto word = [](QString text) { return '\'' + text.replace("'", "'\\''") + '\''; };
    const QTemporaryDir folder;
    const QString script = folder.filePath("run.sh"), output = folder.filePath("output"),
                  status = folder.filePath("status");
    QString command = word(tool);
    for (const QString& argument : arguments)
        command += ' ' + word(QDir::isAbsolutePath(argument) ? HostPath(argument) : argument);
    command += " >" + word(HostPath(output)) + " 2>/dev/null; echo $? >" + word(HostPath(status));
    QFile file(script);
    if (HostPath(script).isEmpty() || !file.open(QIODevice::WriteOnly) ||
        file.write(command.toUtf8()) < 0 || !file.flush() ||
        !QProcess::startDetached("Z:/bin/sh", {HostPath(script)}))
        return {};
    const QDeadlineTimer deadline(120000);
    while (QFileInfo(status).size() == 0 && !deadline.hasExpired()) QThread::msleep(20);
    QFile exitStatus(status), text(output);
    if (!exitStatus.open(QIODevice::ReadOnly) || exitStatus.readAll() != "0\n" ||
        !text.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(text.readAll());
}
#else
// What a poppler tool writes; nothing when it fails.
inline std::optional<QString> RunPoppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
#endif

// What a poppler tool writes, empty when it fails.
inline QString Poppler(const QString& tool, const QStringList& arguments) {
    return RunPoppler(tool, arguments).value_or(QString());
}

// No poppler-utils.
inline bool PopplerMissing() {
    return !RunPoppler(QStringLiteral("pdfinfo"), {QStringLiteral("-v")});
}

// The pages pdfinfo counts; 0 for no PDF.
inline int PdfPages(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral("Pages: +(\\d+)"));
    return pages.match(Poppler(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}
