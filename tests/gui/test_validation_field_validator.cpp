// The focus behaviour of FieldValidator on a small window of its own: which
// focus moves run the check, what a refusal does to focus, selection and the
// press that caused it, and that nothing else triggers it.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
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

void ClickThroughWindow(QWidget* target) {
    QWindow* handle = target->window()->windowHandle();
    const QPoint pos = handle->mapFromGlobal(target->mapToGlobal(target->rect().center()));
    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, pos);
}

}  // namespace

TEST(FieldValidatorFocus, RefusedTextHoldsTheFocusForEveryWayOfLeaving) {
    struct Case {
        const char* name;
        std::function<void(ValidatorWindow&)> leave;
    };
    const std::vector<Case> cases = {
        {"Tab", [](ValidatorWindow& w) { QTest::keyClick(w.first, Qt::Key_Tab); }},
        {"Shift+Tab",
         [](ValidatorWindow& w) { QTest::keyClick(w.first, Qt::Key_Backtab, Qt::ShiftModifier); }},
        {"click on a watched field",
         [](ValidatorWindow& w) { QTest::mouseClick(w.second, Qt::LeftButton); }},
        {"click on a plain field",
         [](ValidatorWindow& w) { QTest::mouseClick(w.third, Qt::LeftButton); }},
        {"click on the list",
         [](ValidatorWindow& w) { QTest::mouseClick(w.combo, Qt::LeftButton); }},
        {"click on the button",
         [](ValidatorWindow& w) { QTest::mouseClick(w.button, Qt::LeftButton); }},
        {"click on the button through the window",
         [](ValidatorWindow& w) { ClickThroughWindow(w.button); }},
        {"click on the list through the window",
         [](ValidatorWindow& w) { ClickThroughWindow(w.combo); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ValidatorWindow w;
        w.EnterRefusedText();
        MessageBoxWatchdog watchdog;
        c.leave(w);
        w.ExpectRefusedOnce(watchdog);
        EXPECT_EQ(w.clicks, 0) << "the refused press must not click the button";
        EXPECT_FALSE(w.combo->view()->isVisible()) << "the refused press must not open the list";
        EXPECT_EQ(w.combo->currentIndex(), 0);
    }
}

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

TEST(FieldValidatorFocus, EveryAttemptRepeatsTheMessageUntilTheFieldIsEmptied) {
    ValidatorWindow w;
    w.EnterRefusedText();
    MessageBoxWatchdog watchdog;
    QTest::keyClick(w.first, Qt::Key_Tab);
    SettleEvents();
    QTest::mouseClick(w.button, Qt::LeftButton);
    SettleEvents();
    QTest::keyClick(w.first, Qt::Key_Tab);
    SettleEvents();
    EXPECT_EQ(watchdog.Shown().size(), 3u);
    EXPECT_EQ(w.clicks, 0);

    w.first->selectAll();
    QTest::keyClick(w.first, Qt::Key_Delete);
    ASSERT_TRUE(w.first->text().isEmpty());
    QTest::keyClick(w.first, Qt::Key_Tab);
    SettleEvents();
    EXPECT_EQ(watchdog.Shown().size(), 3u);
    EXPECT_TRUE(w.second->hasFocus());
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

TEST(FieldValidatorFocus, LeavingTheWindowIsNotLeavingTheField) {
    ValidatorWindow w;
    w.EnterRefusedText();
    MessageBoxWatchdog watchdog;

    QWidget other;
    new QLineEdit(&other);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    SettleEvents();
    w.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    SettleEvents();
    EXPECT_TRUE(watchdog.Shown().empty());
    EXPECT_TRUE(w.first->hasFocus());

    QMenu menu;
    menu.addAction(QStringLiteral("entry"));
    menu.popup(w.first->mapToGlobal(QPoint(0, 0)));
    SettleEvents();
    menu.close();
    SettleEvents();
    EXPECT_TRUE(watchdog.Shown().empty());

    w.window.close();
    SettleEvents();
    EXPECT_TRUE(watchdog.Shown().empty()) << "closing the window must not check the field";
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
