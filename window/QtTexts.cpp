#include "window/QtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

// Kept apart from the program, never compiled in: the translations are Qt's,
// under Qt's licence, and must match the Qt the program runs with. On Linux
// they come from the system's Qt (Debian's qt6-translations-l10n, a
// dependency of the package). A Windows package lays them out as Qt's own
// deployment does, in translations\ beside the program, which is where Qt's
// library information points there; a Windows build folder has them beside
// its programs too, for the tests.
QString QtTranslationsFolder() {
#if defined(Q_OS_WIN)
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

}  // namespace

void UseQtTexts(Language language) {
    // Owned by the application object, so gone with it.
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    if (language != Language::Japanese) return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_ja"), QtTranslationsFolder()) &&
        QCoreApplication::installTranslator(translator)) {
        installed = translator;
    } else {
        delete translator;
    }
}
