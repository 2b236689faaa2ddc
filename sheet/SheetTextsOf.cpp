#include "sheet/SheetTextsOf.h"

#include <iterator>

namespace {

// The texts in the order of their ids, which stand in one run from
// SheetHeading to SheetRefusedMessage.
constexpr QString SheetTexts::*kTextsInIdOrder[] = {
    &SheetTexts::heading,        &SheetTexts::continued,      &SheetTexts::entriesHeading,
    &SheetTexts::drawingHeading, &SheetTexts::sameSide,       &SheetTexts::oppositeSide,
    &SheetTexts::stripHeading,   &SheetTexts::printNote,      &SheetTexts::checkBar,
    &SheetTexts::stripUsage,     &SheetTexts::firstSensor,    &SheetTexts::secondSensor,
    &SheetTexts::join,           &SheetTexts::refusedHeading, &SheetTexts::refusedTag,
    &SheetTexts::refusedMessage};
static_assert(int(TextId::SheetHeading) + int(std::size(kTextsInIdOrder)) - 1 ==
              int(TextId::SheetRefusedMessage));

}  // namespace

SheetTexts FncSheetTexts(Language language) {
    SheetTexts texts;
    int id = int(TextId::SheetHeading);
    for (QString SheetTexts::*text : kTextsInIdOrder)
        texts.*text = FncGetText(TextId(id++), language);
    return texts;
}

SheetStyle FncSheetStyle(const StartupValues& startup, const QDateTime& made) {
    SheetStyle style;
    style.format = startup.format;
    style.fontFamily = startup.CaptionFontName;
    style.made = made;
    style.programLine = QStringLiteral("Velkara " VELKARA_VERSION);
    style.texts = FncSheetTexts(startup.language);
    return style;
}
