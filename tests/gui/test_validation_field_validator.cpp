// FieldValidator on a small window of its own, for what the calculator
// window cannot stage: focus coming back through other fields, the order of
// selection and box, and presses that an accepted move lets through. Every
// way of leaving a field is tested on the real window.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "MessageBoxWatchdog.h"
#include "support/TestSupport.h"
#include "window/FieldValidator.h"
#include "window/MessageBox.h"

namespace {

// Accepts empty text and digits only.
std::optional<QString> DigitsOnly(const QString& text) {
    for (QChar c : text) {
        if (!c.isDigit()) return QStringLiteral("digits only");
    }
    return std::nullopt;
}

// Two watched fields, a list and a button. The first field has the focus; the
// second holds a refused text that the program put there.
class ValidatorWindow {
public:
    ValidatorWindow() {
        auto* layout = new QVBoxLayout(&window);
        for (auto** field : {&first, &second}) {
            *field = new QLineEdit(&window);
            layout->addWidget(*field);
        }
        combo = new QComboBox(&window);
        combo->addItems({QStringLiteral("one"), QStringLiteral("two")});
        layout->addWidget(combo);
        button = new QPushButton(QStringLiteral("Go"), &window);
        layout->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        validator = new FieldValidator(&window);
        validator->Watch(first, DigitsOnly);
        validator->Watch(second, DigitsOnly);

        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        first->setFocus(Qt::OtherFocusReason);
        SettleEvents();
        second->setText(QStringLiteral("bad"));
    }

    void EnterRefusedText() {
        QTest::keyClicks(first, QStringLiteral("12x4"));
        ASSERT_TRUE(first->hasFocus());
    }

    void ExpectRefusedOnce(MessageBoxWatchdog& watchdog) {
        SettleEvents();
        ASSERT_EQ(watchdog.Texts(), QStringList{QStringLiteral("digits only")});
        EXPECT_TRUE(first->hasFocus());
        EXPECT_EQ(first->selectedText(), QStringLiteral("12x4"));
        EXPECT_FALSE(validator->IsRefusing());
    }

    QWidget window;
    QLineEdit *first = nullptr, *second = nullptr;
    QComboBox* combo = nullptr;
    QPushButton* button = nullptr;
    FieldValidator* validator = nullptr;
    int clicks = 0;
};

// Some platforms hand the activation back to the window while the box is
// still closing, which puts the focus into the control the user was heading
// for before the check moves it back.
class ReactivateOnHide : public QObject {
public:
    explicit ReactivateOnHide(QWidget* window) : window_(window) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) QApplication::setActiveWindow(window_);
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

// The focus passes through `second` on its way back: still one message.
TEST(FieldValidatorFocus, OneRefusalSelectsTheTextBeforeOneBox) {
    for (const bool reactivate : {false, true}) {
        SCOPED_TRACE(reactivate ? "activation handed back early" : "plain");
        ValidatorWindow w;
        w.EnterRefusedText();
        MessageBoxWatchdog watchdog;
        ReactivateOnHide reactivation(&w.window);
        QString selectedWhileOpen;
        watchdog.SetProbe([&](QWidget& box) {
            selectedWhileOpen = w.first->selectedText();
            if (reactivate) box.installEventFilter(&reactivation);
        });
        QTest::keyClick(w.first, Qt::Key_Tab);
        w.ExpectRefusedOnce(watchdog);
        EXPECT_TRUE(IsPlainOkBox(watchdog.Shown()[0]));
        EXPECT_EQ(selectedWhileOpen, QStringLiteral("12x4"));
    }
}

TEST(FieldValidatorFocus, AcceptedMoveStillOpensTheList) {
    ValidatorWindow w;
    QTest::keyClicks(w.first, QStringLiteral("1234"));
    MessageBoxWatchdog watchdog;
    QTest::mouseClick(w.combo, Qt::LeftButton);
    SettleEvents();
    EXPECT_TRUE(watchdog.Shown().empty());
    EXPECT_TRUE(w.combo->view()->isVisible());
    w.combo->hidePopup();
}

TEST(FieldValidatorFocus, AFieldThatIsNotEnteredIsNeverChecked) {
    ValidatorWindow w;
    MessageBoxWatchdog watchdog;
    QTest::mouseClick(w.button, Qt::LeftButton);
    QTest::keyClick(w.button, Qt::Key_Tab);
    SettleEvents();
    EXPECT_TRUE(watchdog.Shown().empty());
    EXPECT_EQ(w.clicks, 1);
}

TEST(MessageBoxTest, ShowsPlainTextAndSurvivesItsParentGoing) {
    MessageBoxWatchdog watchdog;
    QPointer<QWidget> parent = new QWidget;
    parent->show();
    SubShowMessage(parent, QStringLiteral("<b>not markup</b>"));
    watchdog.SetProbe([&](QWidget&) { delete parent; });
    SubShowMessage(parent, QStringLiteral("going"));
    EXPECT_EQ(watchdog.Texts(), (QStringList{"<b>not markup</b>", "going"}));
    EXPECT_EQ(watchdog.Shown()[0].title, MessageBoxCaption());
    EXPECT_TRUE(IsPlainOkBox(watchdog.Shown()[0]));
    EXPECT_TRUE(parent.isNull());
}
