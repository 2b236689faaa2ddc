// The window as it opens, by its structure: a fixed frame holding every
// control without overlapping inputs and, in every run, captions that fit,
// texts and fonts decided by the language alone, the rest by the units.
#include <gtest/gtest.h>

#include <map>

#include "CalcWindowDriver.h"
#include "support/TestSupport.h"
#include "text/TextTable.h"

namespace {

const QRegularExpression kNamed("^[A-Za-z]"), kInputs("Text$|Combo$|^ExecuteCalc$");

TEST(WindowInit, FixedFrameHoldsEveryControlWithoutOverlappingInputs) {
    CalcWindowDriver d;
    EXPECT_TRUE(d->size() == QSize(926, 471) && d->minimumSize() == d->maximumSize());
    EXPECT_EQ(d->windowTitle(), ComposedWindowTitle());
    const QList<QSize> icons = d->windowIcon().availableSizes();
    EXPECT_TRUE(icons.contains(QSize(16, 16)) && icons.contains(QSize(32, 32)));
    const QList<QWidget*> inputs = d->findChildren<QWidget*>(kInputs);
    for (QWidget* c : d->findChildren<QWidget*>(kNamed)) {
        EXPECT_TRUE(c->parentWidget()->rect().contains(c->geometry())) << c->objectName();
        for (QWidget* other : inputs) {
            EXPECT_TRUE(c == other || !inputs.contains(c) ||
                        !c->geometry().intersects(other->geometry()))
                << c->objectName() << " covers " << other->objectName();
        }
    }
    for (QLineEdit* result : {d->txtResult1Text, d->txtResult2Text}) {  // drawn on the frame
        EXPECT_TRUE(d->fraResult->geometry().contains(result->geometry()));
        EXPECT_EQ(d->childAt(result->geometry().center()), result);
        EXPECT_EQ(result->palette().color(QPalette::Text), QColor(Qt::red));
    }
}

// The screenshots pin the Japanese metric and the English inch window; the
// mixed runs must recombine them. Any flag but 0 means English.
TEST(WindowInit, InEveryRunCaptionsFitAndLanguageAndUnitsDecideApart) {
    std::map<QString, QString> byLanguage[2], byUnits[2];
    for (const CalcRun& run : {CalcRun{0, 0}, CalcRun{7, 0}, CalcRun{0, -3}, CalcRun{1, 1}}) {
        CalcWindowDriver d(run);
        for (QWidget* c : d->findChildren<QWidget*>(kNamed)) {
            const auto* list = qobject_cast<QComboBox*>(c);
            QStringList texts = {c->property("text").toString() + c->property("title").toString()};
            for (int i = 0; list && i < list->count(); ++i) texts << list->itemText(i);
            for (const QString& text : texts) {  // a list keeps room for its arrow
                EXPECT_LE(c->fontMetrics().horizontalAdvance(text),
                          c->contentsRect().width() - (list ? 30 : 0))
                    << run << ' ' << c->objectName() << ' ' << text;
            }
            const bool unitText = c->objectName().contains(QRegularExpression("^Label|_RANGE$"));
            const auto same = [&](std::map<QString, QString>& seen, const QString& look) {
                EXPECT_EQ(seen.try_emplace(c->objectName(), look).first->second, look)
                    << run << ' ' << c->objectName();
            };
            same(byLanguage[run.english()],
                 (unitText ? "" : texts.join('|')) + c->font().toString());
            same(byUnits[run.inch()],
                 (unitText ? texts.join('|') : "") + c->property("maxLength").toString());
        }
        // A field takes as many characters as the upper limit beneath it has.
        for (QLabel* range : d->findChildren<QLabel*>(QRegularExpression("_RANGE$"))) {
            const QString upper =
                range->text().section('-', 1).remove(QRegularExpression("[a-z/]"));
            EXPECT_EQ(d->findChild<QLineEdit*>(range->objectName().replace("_RANGE", "Text"))
                          ->maxLength(),
                      upper.size())
                << run << ' ' << range->text();
        }
    }
}

}  // namespace
