// The pipe, lining and fluid lists lock or free the fields that depend on
// them, with colour and mark, and never touch what those fields hold.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QTest>

#include "CalcWindowDriver.h"
#include "MessageBoxWatchdog.h"
#include "support/TestSupport.h"

namespace {

// Pipe velocity, lining velocity, lining thickness, fluid velocity: 'f' free
// (editable on the window colour, mark shown), 'l' locked, '.' not checked.
void ExpectState(frmCalc& w, const char* state, const QString& text) {
    const std::tuple<QLineEdit*, int> fields[] = {{w.TRANS_FREQUENCYText, 2},
                                                  {w.LINING_S_VText, 7},
                                                  {w.LINING_THICKNESSText, 8},
                                                  {w.FLUID_S_VText, 10}};
    for (int i = 0; i < 4; ++i) {
        const auto [field, mark] = fields[i];
        if (state[i] == '.') continue;
        EXPECT_TRUE(state[i] == 'f' ? LooksUnlocked(field) : LooksLocked(field))
            << field->objectName();
        EXPECT_EQ(w.lblRequired[mark]->isEnabled(), state[i] == 'f') << "mark " << mark;
        EXPECT_EQ(field->text(), text) << field->objectName();
    }
}

// Each entry is picked with the keyboard from both ends of its list, so the
// handler has to change the state rather than leave the previous one; what
// was typed while the fields were free stays through every lock.
TEST(SelectionHandlers, EachEntryLeavesItsDependentFieldsInTheirState) {
    MessageBoxWatchdog boxes;
    CalcWindowDriver d({0, 1});
    const std::tuple<QComboBox*, int, const char*> rows[] = {
        {d->PIPE_MATERIALCombo, kPipeTypedVelocityEntry, "f..."},
        {d->PIPE_MATERIALCombo, kPipeTypedVelocityEntry - 1, "l..."},
        {d->LINING_MATERIALCombo, kNoLiningEntry, ".ll."},
        {d->LINING_MATERIALCombo, kLiningTypedVelocityEntry, ".ff."},
        {d->LINING_MATERIALCombo, kNoLiningEntry + 1, ".lf."},
        {d->LINING_MATERIALCombo, kLiningTypedVelocityEntry - 1, ".lf."},
        {d->LINING_MATERIALCombo, -1, ".lf."},  // only the program can clear a selection
        {d->KIND_OF_FLUIDCombo, kFluidTypedVelocityEntry, "...f"},
        {d->KIND_OF_FLUIDCombo, 0, "...l"}};
    for (const auto& [list, position, state] : rows) list->setCurrentIndex(list->count() - 1);
    for (QLineEdit* field :
         {d->TRANS_FREQUENCYText, d->LINING_S_VText, d->LINING_THICKNESSText, d->FLUID_S_VText})
        QTest::keyClicks(field, "2000");
    for (const auto& [list, position, state] : rows) {
        for (const int start : {0, list->count() - 1}) {
            list->setCurrentIndex(start);
            position < 0 ? list->setCurrentIndex(-1) : d.Pick(list, position);
            SCOPED_TRACE(::testing::Message()
                         << list->objectName() << ' ' << start << '>' << position);
            ExpectState(d.window(), state, "2000");
        }
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

// Picking the entry that is already chosen applies its state again.
TEST(SelectionHandlers, PickingTheSameEntryAgainAppliesItsStateAgain) {
    MessageBoxWatchdog boxes;
    CalcWindowDriver d;
    QComboBox* list = d->KIND_OF_FLUIDCombo;
    list->setCurrentIndex(kFluidTypedVelocityEntry);
    d->SetFieldLocked(d->FLUID_S_VText, true);  // out of step with the list
    list->setFocus();
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(view->model()->index(kFluidTypedVelocityEntry, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
    ExpectState(d.window(), "...f", "");
    EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
