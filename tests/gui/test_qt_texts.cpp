// Qt's own texts in the run's language, installed as start-up does: the
// standard entries of a field's context menu beside the program's own, and
// the standard buttons of the program's Yes/No question.
#include <QMenu>
#include <QMessageBox>

#include "CalcWindowDriver.h"
#include "window/MessageBox.h"
#include "window/QtTexts.h"

namespace {

// The outer-diameter field's menu entries and the question's buttons as a
// user reads them (without the underlined letter's mark and the keys).
struct Shown {
    QStringList menu, buttons;
};

Shown ShownIn(const CalcRun& run) {
    UseQtTexts(run.langFlag == 0 ? Language::Japanese : Language::English);
    CalcWindowDriver d(run);
    Shown shown;
    WhenUp<QMenu>([&](QMenu* menu) {
        for (const QAction* entry : menu->actions())
            if (!entry->isSeparator()) shown.menu << entry->text().section('\t', 0, 0).remove('&');
        menu->close();
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(d.Field("OUTER_DIAMETERText"), &rightClick);
    WhenUp<QMessageBox>([&](QMessageBox* box) {
        for (const QAbstractButton* button : box->buttons())
            shown.buttons << button->text().remove('&');
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(FncAskYesNo(d.operator->(), "?"));
    UseQtTexts(Language::English);  // the other tests as they were
    return shown;
}

TEST(QtTexts, JapaneseRunGetsQtsEntriesAndButtonsInJapaneseAnEnglishRunAsQtWritesThem) {
    Shown ja = ShownIn({0, 0});
    EXPECT_EQ(ja.menu, QStringList({"配管サイズ表...", "元に戻す(U)", "やり直す(R)", "切り取り(T)",
                                    "コピー(C)", "貼り付け(P)", "削除", "すべてを選択"}));
    ja.buttons.sort();  // in the platform's order
    EXPECT_EQ(ja.buttons, QStringList({"いいえ(N)", "はい(Y)"}));
    Shown en = ShownIn({1, 1});
    EXPECT_EQ(en.menu, QStringList({"Pipe size table...", "Undo", "Redo", "Cut", "Copy", "Paste",
                                    "Delete", "Select All"}));
    en.buttons.sort();
    EXPECT_EQ(en.buttons, QStringList({"No", "Yes"}));
}

}  // namespace
