#pragma once
// A PDF read back as a reader and a printer see it, with poppler-utils.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// What a poppler tool writes, empty when it fails.
inline QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// No poppler-utils, as under Wine.
inline bool PopplerMissing() {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {QStringLiteral("-v")});
    return !process.waitForFinished() || process.exitCode() != 0;
}

// The pages pdfinfo counts; 0 for no PDF.
inline int PdfPages(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral("Pages: +(\\d+)"));
    return pages.match(Poppler(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}
