// The numeric fields' checks in the real window: on leaving a field inside the
// window (not into a popup, nor by closing it) and on Execute.
#include <QAbstractItemView>
#include <QContextMenuEvent>

#include "CalcWindowDriver.h"
#include "rules/FieldRefusal.h"
#include "window/MessageBox.h"

namespace {

using D = CalcWindowDriver;

void (*const Execute)(D&) = [](D& d) {
    QTest::mouseClick(d.Get<QPushButton>("ExecuteCalc"), Qt::LeftButton);
};
void (*const Wall200)(D&) = [](D& d) { d.TypeInto(d.Field("WALL_THICKNESSText"), "200"); };

// The typical request by keyboard alone: from the outer diameter, Tabs to each
// stop, then the keys typed there (a list picks the entry starting with them).
void TypeTypicalRequest(D& d) {
    const std::pair<int, const char*> steps[] = {{0, "114.3"}, {3, "6"}, {2, "TB_01"}, {6, "\r"}};
    for (const auto& [tabs, keys] : steps) {
        for (int i = 0; i < tabs; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), keys);
    }
    d.Settle();
}

TEST(FieldChecks, RefusedFieldGetsOneBoxItsTextSelectedAndTheFocus) {
    // Each starts from the typical request showing 65.47: a change, then one
    // way of leaving a field inside the window, or Execute; the result stays.
    const struct {
        const char* name;
        void (*change)(D&);
        std::optional<Reason> message;
        const char* focused;  // nullptr: not moved
        void (*then)(D&) = Execute;
        const char* result = "65.47";
        qsizetype boxes = 1;  // of the message, when there is one
    } rows[] = {
        // clang-format off
        {"Tab, and again", Wall200, Reason::OutOfRange, "WALL_THICKNESSText", [](D& d) { QTest::keyClicks(d.Field("WALL_THICKNESSText"), "\t"), d.Settle(),
                                                                                QTest::keyClicks(d.Field("WALL_THICKNESSText"), "\t"); }, "65.47", 2},
        {"into a popup", Wall200, {}, nullptr, [](D& d) { QContextMenuEvent menu(QContextMenuEvent::Keyboard, {5, 5}, d.Field("WALL_THICKNESSText")->mapToGlobal(QPoint(5, 5)));
                                                          QApplication::sendEvent(d.Field("WALL_THICKNESSText"), &menu), d.Settle();
                                                          EXPECT_NE(QApplication::activePopupWidget(), nullptr);
                                                          if (QApplication::activePopupWidget()) QApplication::activePopupWidget()->close(); }},
        {"click on a list; a press for another window, or after the next pass, goes on", Wall200, Reason::OutOfRange, "WALL_THICKNESSText", [](D& d) { QTest::mouseClick(d.List("SENSOR_TYPECombo"), Qt::LeftButton);
                                                          QWindow other;
                                                          QMouseEvent press(QEvent::MouseButtonPress, {}, {}, Qt::LeftButton, Qt::LeftButton, {});
                                                          QApplication::sendEvent(&other, &press);
                                                          EXPECT_FALSE(press.isAccepted()) << "ignored there, not held back";
                                                          QCoreApplication::sendPostedEvents();  // the event loop's next pass: the hold is over
                                                          QApplication::sendEvent(d->findChild<QLabel*>(), &press);
                                                          EXPECT_FALSE(press.isAccepted()) << "a label ignores it"; }},
        {"click on Execute, twice", Wall200, Reason::OutOfRange, "WALL_THICKNESSText", [](D& d) { Execute(d), d.Settle(), Execute(d); }, "65.47", 2},
        {"closing the window", Wall200, {}, nullptr, [](D& d) { EXPECT_TRUE(d->close()); }},
        {"pipe S.V. empty", [](D& d) { d.Pick(d.List("PIPE_MATERIALCombo"), kPipeTypedVelocityEntry); }, Reason::OutOfRange, "TRANS_FREQUENCYText"},
        {"put in by the program", [](D& d) { d.Field("OUTER_DIAMETERText")->setText("6x"); }, Reason::NotANumber, "OUTER_DIAMETERText"},
        {"negative spacing", [](D& d) { d.TypeInto(d.Field("OUTER_DIAMETERText"), "6"), d.TypeInto(d.Field("WALL_THICKNESSText"), "0.1"); }, Reason::NegativeSpacing, nullptr},
        // clang-format on
    };
    for (const std::int16_t lang : {0, 1}) {
        for (const auto& r : rows) {
            SCOPED_TRACE(testing::Message() << r.name << " lang " << lang);
            D d({0, lang});
            MessageBoxWatchdog watchdog;
            TypeTypicalRequest(d);
            const auto* field = r.focused ? d.Field(r.focused) : nullptr;
            QString selectedWhileOpen;
            watchdog.probe = [&] { selectedWhileOpen = field ? field->selectedText() : ""; };
            r.change(d);
            r.then(d);
            d.Settle();
            const QString box = r.message ? FncReasonText(*r.message, d.Startup().language) : "";
            EXPECT_EQ(watchdog.Shown(), QStringList(r.message ? r.boxes : 0, box));
            if (field) {
                EXPECT_EQ(QApplication::focusWidget(), field);
                EXPECT_EQ(field->selectedText(), field->text());
                EXPECT_EQ(selectedWhileOpen, field->text());
            }
            EXPECT_EQ(d.Field("txtResult1Text")->text() + d.Field("txtResult2Text")->text(),
                      r.result);
            EXPECT_FALSE(d.List("SENSOR_TYPECombo")->view()->isVisible())
                << "the refused press opens no list";
        }
    }
}

// The box shows its text as plain text and outlives a parent that goes while it is open.
TEST(FieldChecks, MessageBoxSurvivesItsParentGoing) {
    MessageBoxWatchdog watchdog;
    QPointer<QWidget> parent = new QWidget;
    watchdog.probe = [&] { delete parent; };
    SubShowMessage(parent, "<b>not markup</b>");
    EXPECT_EQ(watchdog.Shown(), QStringList{"<b>not markup</b>"});
    EXPECT_TRUE(parent.isNull());
}

}  // namespace
