#include "sheet/SheetTextsOf.h"

SheetTexts FncSheetTexts(Language language) {
    using enum TextId;
    const auto text = [language](TextId id) { return FncGetText(id, language); };
    SheetTexts texts;
    texts.heading = text(SheetHeading);
    texts.continued = text(SheetContinued);
    texts.entriesHeading = text(SheetEntriesHeading);
    texts.drawingHeading = text(SheetDrawingHeading);
    texts.sameSide = text(SheetSameSide);
    texts.oppositeSide = text(SheetOppositeSide);
    texts.stripHeading = text(SheetStripHeading);
    texts.printNote = text(SheetPrintNote);
    texts.checkBar = text(SheetCheckBar);
    texts.stripUsage = text(SheetStripUsage);
    texts.firstSensor = text(SheetFirstSensor);
    texts.secondSensor = text(SheetSecondSensor);
    texts.join = text(SheetJoin);
    texts.refusedHeading = text(SheetRefusedHeading);
    texts.refusedTag = text(SheetRefusedTag);
    texts.refusedMessage = text(SheetRefusedMessage);
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
