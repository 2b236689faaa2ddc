#include "window/FontSubstitutions.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace {

// The platform's own default faces may be unnamed; an empty name would be
// no substitute at all.
QStringList WithoutEmpty(QStringList families) {
    families.removeAll(QString());
    return families;
}

}  // namespace

void InstallFontSubstitutions() {
    static const bool installed = [] {
        // A Japanese gothic for the Japanese caption font, so that kana and
        // kanji never fall back to a face without them.
        QFont::insertSubstitutions(QStringLiteral(u"ＭＳ ゴシック"),
                                   {QStringLiteral("MS Gothic"), QStringLiteral("Noto Sans CJK JP"),
                                    QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                                    QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic"),
                                    QStringLiteral("Droid Sans Fallback")});
        // Metric-compatible faces keep English captions the width they were
        // designed for.
        QFont::insertSubstitutions(
            QStringLiteral("Arial"),
            {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
             QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK JP")});
        QFont::insertSubstitutions(
            QStringLiteral("Terminal"),
            WithoutEmpty({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                          QStringLiteral("Noto Sans Mono"), QStringLiteral("Noto Sans Mono CJK JP"),
                          QFontDatabase::systemFont(QFontDatabase::FixedFont).family()}));
        QFont::insertSubstitutions(
            QStringLiteral("System"),
            WithoutEmpty({QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(),
                          QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK JP")}));
        return true;
    }();
    (void)installed;
}
