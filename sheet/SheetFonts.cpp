#include "sheet/SheetFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <array>

namespace {

// Qt's PDF writer tells a reader which character a glyph shows by the
// lowest code point the font maps to that glyph. Noto Sans CJK (the
// window's stand-in for the Japanese caption font) gives the radicals of
// U+2E80-U+2FD5 the glyphs of the ideographs they look like, so 入, 力, 寸,
// 水, 大, 長, 目, 赤 and more would read back as radicals, and ・ as U+2027.
// The Japanese faces here give every character of the program's texts a
// glyph of its own.
const QString kJapaneseCaptionFont = QStringLiteral(u"ＭＳ ゴシック");

const std::array kStandIns = {
    QStringList{kJapaneseCaptionFont, QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic")},
    QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                QStringLiteral("Arimo")},
};

QString SheetFontFamily(const QString& captionFont) {
    static const QStringList installed = QFontDatabase::families();
    for (const QStringList& faces : kStandIns) {
        if (!faces.contains(captionFont)) continue;
        for (const QString& face : faces) {
            if (installed.contains(face, Qt::CaseInsensitive)) return face;
        }
    }
    return captionFont;
}

}  // namespace

QStringList SheetFontFamilies(const QString& captionFont) {
    QStringList families{SheetFontFamily(captionFont), SheetFontFamily(kJapaneseCaptionFont)};
    families.removeDuplicates();
    return families;
}
