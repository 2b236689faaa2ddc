// The pipe-material, lining and fluid lists lock and unlock their dependent
// fields and marks, whether the user or the program sets the selection.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QTest>

#include "CalcWindowDriver.h"
#include "MessageBoxWatchdog.h"

namespace {

enum class Pick { Program, Keyboard };

struct Expect {
    QLineEdit* frmCalc::*field;
    std::size_t mark;
    bool typed;  // editable on the window colour, mark shown
};

Expect PipeVelocity(bool typed) {
    return {&frmCalc::TRANS_FREQUENCYText, 2, typed};
}
Expect LiningVelocity(bool typed) {
    return {&frmCalc::LINING_S_VText, 7, typed};
}
Expect LiningThickness(bool typed) {
    return {&frmCalc::LINING_THICKNESSText, 8, typed};
}
Expect FluidVelocity(bool typed) {
    return {&frmCalc::FLUID_S_VText, 10, typed};
}

const struct HandlerRow {
    QComboBox* frmCalc::*list;
    int position;
    std::vector<Expect> expected;
} kRows[] = {
    {&frmCalc::PIPE_MATERIALCombo, 12, {PipeVelocity(true)}},
    {&frmCalc::PIPE_MATERIALCombo, 0, {PipeVelocity(false)}},
    {&frmCalc::PIPE_MATERIALCombo, 7, {PipeVelocity(false)}},
    {&frmCalc::PIPE_MATERIALCombo, 11, {PipeVelocity(false)}},
    {&frmCalc::LINING_MATERIALCombo, 0, {LiningVelocity(false), LiningThickness(false)}},
    {&frmCalc::LINING_MATERIALCombo, 7, {LiningVelocity(true), LiningThickness(true)}},
    {&frmCalc::LINING_MATERIALCombo, 1, {LiningVelocity(false), LiningThickness(true)}},
    {&frmCalc::LINING_MATERIALCombo, 6, {LiningVelocity(false), LiningThickness(true)}},
    {&frmCalc::LINING_MATERIALCombo, -1, {LiningVelocity(false), LiningThickness(true)}},
    {&frmCalc::KIND_OF_FLUIDCombo, 17, {FluidVelocity(true)}},
    {&frmCalc::KIND_OF_FLUIDCombo, 0, {FluidVelocity(false)}},
    {&frmCalc::KIND_OF_FLUIDCombo, 16, {FluidVelocity(false)}},
};

void CheckRow(frmCalc& w, const std::vector<Expect>& expected) {
    for (const Expect& e : expected) {
        QLineEdit* field = w.*e.field;
        SCOPED_TRACE(field->objectName().toStdString());
        EXPECT_TRUE(e.typed ? LooksUnlocked(field) : LooksLocked(field));
        EXPECT_EQ(w.lblRequired[e.mark]->isEnabled(), e.typed) << "mark " << e.mark;
        // Editable or not, these fields take digits without an input method.
        EXPECT_FALSE(field->testAttribute(Qt::WA_InputMethodEnabled));
    }
}

class SelectionHandlerTest : public ::testing::TestWithParam<Pick> {};

// Each row is reached from both ends of its list, so that the handler has
// to change the state and cannot just leave the previous one.
TEST_P(SelectionHandlerTest, EveryRowOfTheTableIsApplied) {
    CalcWindowDriver d({0, 1});
    for (const HandlerRow& row : kRows) {
        QComboBox* list = d.window().*row.list;
        // "No selection" can only be set by the program.
        const Pick how = row.position < 0 ? Pick::Program : GetParam();
        for (const int start : {0, list->count() - 1}) {
            SCOPED_TRACE(::testing::Message() << list->objectName().toStdString() << " from "
                                              << start << " to " << row.position);
            list->setCurrentIndex(start);
            if (how == Pick::Program) {
                list->setCurrentIndex(row.position);
            } else {
                QTest::keyClick(list, Qt::Key_Home);
                for (int i = 0; i < row.position; ++i) QTest::keyClick(list, Qt::Key_Down);
            }
            ASSERT_EQ(list->currentIndex(), row.position);
            CheckRow(d.window(), row.expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ByProgramAndKeyboard, SelectionHandlerTest,
                         ::testing::Values(Pick::Program, Pick::Keyboard), [](const auto& info) {
                             return info.param == Pick::Program ? "Program" : "Keyboard";
                         });

// Picking the entry that is already selected applies its row again.
TEST(SelectionHandler, PickingTheSameEntryAgainAppliesItsRowAgain) {
    MessageBoxWatchdog boxes;
    CalcWindowDriver d;
    QComboBox* list = d->KIND_OF_FLUIDCombo;
    list->setCurrentIndex(Pos::FluidSV);
    d->SetFieldLocked(d->FLUID_S_VText, true);  // out of step with the list

    list->setFocus();
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(view->model()->index(Pos::FluidSV, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());

    EXPECT_EQ(list->currentIndex(), Pos::FluidSV);
    CheckRow(d.window(), {FluidVelocity(true)});
    EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
