// The character test of the numeric input fields.

#include "settings/ModCommonProc.h"

namespace ModCommonProc {

std::int32_t FncChkNumText(const QString& text, std::int32_t length) {
    if (length <= 0) return 1;
    if (length == 1 && (text == u"," || text == u"." || text == u"-")) return -1;
    // By character code: full-width digits and every other digit of Unicode
    // are refused. Where signs and separators stand is left to the number
    // conversion.
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const bool allowed = (code >= u'0' && code <= u'9') || code == u',' || code == u'.' ||
                             code == u'-' || code == u'+';
        if (!allowed) return -1;
    }
    return 0;
}

}  // namespace ModCommonProc
