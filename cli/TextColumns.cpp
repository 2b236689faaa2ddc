#include "cli/TextColumns.h"

int DisplayWidth(const QString& text) {
    int width = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFF00 && u <= 0xFF60) || (u >= 0xFFE0 && u <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

QString PaddedTo(const QString& text, int width, bool alignRight) {
    const QString blanks(std::max(0, width - DisplayWidth(text)), QLatin1Char(' '));
    return alignRight ? blanks + text : text + blanks;
}
