#include "CalcWindowDriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "MessageBoxWatchdog.h"
#include "app/ModCommonProc.h"
#include "window/UserNumberLocale.h"

namespace {
// Sets the start-up values before the window is built, which reads them.
void SetUp(const CalcRun& run) {
    ModCommonProc::FncSetStartupValues(run.unitFlag, run.langFlag);
    SetUserNumberLocaleOverride(run.locale);
}
}  // namespace

CalcWindowDriver::CalcWindowDriver(const CalcRun& run)
    : unitFlag_(ModCommonProc::UnitFlag), langFlag_(ModCommonProc::LangFlag) {
    SetUp(run);
    window_ = std::make_unique<frmCalc>();
    window_->show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    Settle();
}

CalcWindowDriver::~CalcWindowDriver() {
    window_.reset();
    SetUserNumberLocaleOverride(std::nullopt);
    ModCommonProc::FncSetStartupValues(unitFlag_, langFlag_);
}

void CalcWindowDriver::Settle() {
    SettleEvents();
}

void CalcWindowDriver::TypeInto(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    Settle();
    ASSERT_TRUE(field->hasFocus()) << field->objectName().toStdString();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(field, c.toLatin1());
        } else {  // full-width digits have no key code
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    ASSERT_EQ(field->text(), text) << field->objectName().toStdString();
}

void CalcWindowDriver::Pick(QComboBox* list, int position) {
    list->setFocus(Qt::TabFocusReason);
    Settle();
    ASSERT_TRUE(list->hasFocus()) << list->objectName().toStdString();
    for (int steps = list->count(); steps > 0 && list->currentIndex() != position; --steps) {
        QTest::keyClick(list, list->currentIndex() > position ? Qt::Key_Up : Qt::Key_Down);
    }
    ASSERT_EQ(list->currentIndex(), position) << list->objectName().toStdString();
}

void CalcWindowDriver::ClickExecute() {
    QTest::mouseClick(window_->ExecuteCalcButton, Qt::LeftButton);
    Settle();
}

bool LooksLocked(QLineEdit* field) {
    return field->isReadOnly() && field->palette().color(QPalette::Base) ==
                                      QApplication::palette().color(QPalette::Button);
}

bool LooksUnlocked(QLineEdit* field) {
    return !field->isReadOnly() &&
           field->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Base);
}
