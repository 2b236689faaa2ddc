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
#include <memory>

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

class ValidatorWindow {
public:
    ValidatorWindow() {
        window.setObjectName(QStringLiteral("validatorWindow"));
        auto* layout = new QVBoxLayout(&window);
        for (auto** field : {&first, &second, &third}) {
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
    }

    // Types a refused text into the first field, which has the focus.
    void EnterRefusedText() {
        QTest::keyClicks(first, QStringLiteral("12x4"));
        ASSERT_TRUE(first->hasFocus());
    }

    void ExpectRefusedOnce(MessageBoxWatchdog& watchdog) {
        SettleEvents();
        ASSERT_EQ(watchdog.Texts(), QStringList{QStringLiteral("digits only")});
        EXPECT_TRUE(first->hasFocus())
            << "focus is on "
            << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className()
                                            : "nothing");
        EXPECT_EQ(first->text(), QStringLiteral("12x4"));
        EXPECT_EQ(first->selectedText(), QStringLiteral("12x4"));
    }

    QWidget window;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    QLineEdit* third = nullptr;  // not watched
    QComboBox* combo = nullptr;
    QPushButton* button = nullptr;
    FieldValidator* validator = nullptr;
    int clicks = 0;
};

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

TEST(FieldValidatorFocus, MessageBoxHasOnlyOkNoIconAndTheProgramsTitle) {
    ValidatorWindow w;
    w.EnterRefusedText();
    MessageBoxWatchdog watchdog;
    QString selectedWhileOpen;
    watchdog.SetProbe([&](QWidget&) { selectedWhileOpen = w.first->selectedText(); });
    QTest::keyClick(w.first, Qt::Key_Tab);
    SettleEvents();
    ASSERT_EQ(watchdog.Shown().size(), 1u);
    const ShownMessageBox& box = watchdog.Shown().front();
    EXPECT_TRUE(box.isMessageBox);
    EXPECT_EQ(box.title, QStringLiteral("Velkara"));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(box.buttonCount, 1);
    EXPECT_EQ(selectedWhileOpen, QStringLiteral("12x4")) << "the text is selected before the box";
}

TEST(FieldValidatorFocus, AcceptedTextLetsFocusAndPressThrough) {
    ValidatorWindow w;
    QTest::keyClicks(w.first, QStringLiteral("1234"));
    MessageBoxWatchdog watchdog;
    QTest::mouseClick(w.button, Qt::LeftButton);
    SettleEvents();
    EXPECT_TRUE(watchdog.Shown().empty());
    EXPECT_EQ(w.clicks, 1);
    EXPECT_TRUE(w.button->hasFocus());

    w.first->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(w.combo, Qt::LeftButton);
    SettleEvents();
    EXPECT_TRUE(watchdog.Shown().empty());
    EXPECT_TRUE(w.combo->view()->isVisible()) << "an accepted move still opens the list";
    w.combo->hidePopup();
}

TEST(FieldValidatorFocus, OneRefusalGivesOneMessageEvenWhenFocusPassesAnotherRefusedField) {
    ValidatorWindow w;
    // A text the program put there is never checked until the user leaves it.
    w.second->setText(QStringLiteral("bad"));
    w.EnterRefusedText();
    MessageBoxWatchdog watchdog;
    QTest::keyClick(w.first, Qt::Key_Tab);  // focus passes through `second`
    w.ExpectRefusedOnce(watchdog);
    EXPECT_FALSE(w.validator->IsRefusing());
}

// Some platforms hand the activation back to the window while the box is
// still closing, which puts the focus into the control the user was heading
// for before the check moves it back.
TEST(FieldValidatorFocus, FocusReturningFromTheBoxChecksNothing) {
    ValidatorWindow w;
    w.second->setText(QStringLiteral("bad"));
    w.EnterRefusedText();
    MessageBoxWatchdog watchdog;
    ReactivateOnHide reactivate(&w.window);
    watchdog.SetProbe([&](QWidget& box) { box.installEventFilter(&reactivate); });
    QTest::keyClick(w.first, Qt::Key_Tab);
    w.ExpectRefusedOnce(watchdog);
}

TEST(FieldValidatorFocus, AFieldThatIsNotEnteredIsNeverChecked) {
    ValidatorWindow w;
    w.second->setText(QStringLiteral("bad"));
    MessageBoxWatchdog watchdog;
    QTest::mouseClick(w.button, Qt::LeftButton);
    QTest::keyClick(w.button, Qt::Key_Tab);
    SettleEvents();
    EXPECT_TRUE(watchdog.Shown().empty());
    EXPECT_EQ(w.clicks, 1);
}

TEST(MessageBoxTest, ShowsPlainTextWithOkOnly) {
    MessageBoxWatchdog watchdog;
    QWidget parent;
    parent.show();
    SubShowMessage(&parent, QStringLiteral("<b>not markup</b>"));
    ASSERT_EQ(watchdog.Shown().size(), 1u);
    EXPECT_EQ(watchdog.Shown()[0].text, QStringLiteral("<b>not markup</b>"));
    EXPECT_EQ(watchdog.Shown()[0].title, MessageBoxCaption());
    EXPECT_EQ(watchdog.Shown()[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(watchdog.Shown()[0].buttonCount, 1);
}

TEST(MessageBoxTest, ParentGoingWhileTheBoxIsOpenIsSurvived) {
    MessageBoxWatchdog watchdog;
    QPointer<QWidget> parent = new QWidget;
    parent->show();
    watchdog.SetProbe([&](QWidget&) { delete parent; });
    SubShowMessage(parent, QStringLiteral("going"));
    EXPECT_EQ(watchdog.Texts(), QStringList{QStringLiteral("going")});
    EXPECT_TRUE(parent.isNull());
}
