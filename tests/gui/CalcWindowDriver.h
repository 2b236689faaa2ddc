#pragma once
// Drives a real, shown frmCalc the way a user does, with numbers typed in the
// US locale.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "MessageBoxWatchdog.h"
#include "rules/ListPositions.h"
#include "support/TestSupport.h"
#include "window/frmCalc.h"

struct CalcRun {
    std::int16_t unitFlag = 0, langFlag = 0;  // 0 metric, 0 Japanese
    QLocale numbers = kUs;                    // how numbers are typed and shown
    bool inch() const { return ModCommonProc::FncUnitsOfFlag(unitFlag) == Units::Inch; }
};

class CalcWindowDriver {
public:
    explicit CalcWindowDriver(const CalcRun& run = {})
        : startup_(ModCommonProc::FncStartupValues(run.unitFlag, run.langFlag)) {
        startup_.format.locale = run.numbers;
        window_ = std::make_unique<frmCalc>(startup_);
        window_->show();
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        Settle();
    }
    frmCalc* operator->() { return window_.get(); }
    const StartupValues& Startup() const { return startup_; }  // the window's start-up values
    // A control by its objectName, as a user-level test finds it.
    template <typename Control = QWidget>
    Control* Get(const char* name) {
        auto* control = window_->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* Field(const char* name) { return Get<QLineEdit>(name); }
    QComboBox* List(const char* name) { return Get<QComboBox>(name); }
    // Clicks into the field and replaces its text by typing.
    void TypeInto(QLineEdit* field, const QString& text) {
        QTest::mouseClick(field, Qt::LeftButton);
        Settle();
        EXPECT_TRUE(field->hasFocus()) << field->objectName().toStdString();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    // Gives the list the focus and walks to `position` with the arrow keys.
    void Pick(QComboBox* list, int position) {
        list->setFocus(Qt::TabFocusReason);
        Settle();
        for (int steps = list->count(); steps > 0 && list->currentIndex() != position; --steps)
            QTest::keyClick(list, list->currentIndex() > position ? Qt::Key_Up : Qt::Key_Down);
        EXPECT_EQ(list->currentIndex(), position) << list->objectName().toStdString();
    }
    // Lets queued events (activation, deferred focus, a box) run to the end.
    void Settle() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }

private:
    StartupValues startup_;
    std::unique_ptr<frmCalc> window_;
};

// Runs `drive` inside the event loop of the first popup or dialog of type T
// to come up (a menu, the pipe size table).
template <class T>
void WhenUp(std::function<void(T*)> drive) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, drive] {
        QWidget* top = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                         : QApplication::activeModalWidget();
        auto* up = qobject_cast<T*>(top);
        if (!up || !up->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        drive(up);
    });
    timer->start(2);
}

// Opens `control`'s context menu with the right mouse button and takes its
// first entry, the one a feature puts there.
inline void TakeFirstMenuEntry(QWidget* control) {
    WhenUp<QMenu>([](QMenu* menu) {
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(control, &rightClick);
}
