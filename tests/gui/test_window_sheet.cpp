// The mounting sheet from the window: Ctrl+S calculates as Execute does, asks
// for the file in the standard save dialog (answered here as a user would),
// writes the sheet and offers to open it; a refused entry gets Execute's
// message and no dialog.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>

#include "CalcWindowDriver.h"
#include "support/Poppler.h"

namespace {

TEST(WindowSheet, CtrlSWritesThePointsSheetARefusedEntryGetsItsMessageOnly) {
    if (PopplerMissing()) GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral(u"取付け シート.pdf"));
    CalcWindowDriver d;  // Japanese, metric
    d.TypeInto(d.Field("OUTER_DIAMETERText"), "114.3");
    d.TypeInto(d.Field("WALL_THICKNESSText"), "6.0");
    QComboBox* sensors = d.List("SENSOR_TYPECombo");  // carbon steel, water and V as they start
    d.Pick(sensors, sensors->findText("TB_01/TC_01"));
    QString suggested, question;
    WhenUp<QFileDialog>([&](QFileDialog* dialog) {
        suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->selectFile(pdf);
        static_cast<QDialog*>(dialog)->accept();  // as Save does
    });
    WhenUp<QMessageBox>([&](QMessageBox* box) {  // open it? No: no viewer in a test
        question = box->text();
        box->button(QMessageBox::No)->click();
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    d.Settle();
    EXPECT_EQ(d.Field("txtResult1Text")->text(), "65.47");
    EXPECT_EQ(suggested, "114.3x6.0 V TB_01-TC_01.pdf");
    EXPECT_TRUE(question.endsWith(QDir::toNativeSeparators(pdf))) << question;
    EXPECT_EQ(PdfPages(pdf), 1);
    const QString text = Poppler("pdftotext", {pdf, "-"});
    for (const char16_t* expected : {u"65.47 mm", u"外径寸法", u"114.3 mm", u"配管厚さ", u"6 mm",
                                     u"鋼管", u"水", u"TB_01/TC_01 (小型, 1 MHz)", u"V法"})
        EXPECT_TRUE(text.contains(QString::fromUtf16(expected))) << QString::fromUtf16(expected);

    // Refused: the message of Execute, the focus in the field, no dialog (a
    // dialog would be closed and shown as another box).
    MessageBoxWatchdog boxes;
    QLineEdit* wall = d.Field("WALL_THICKNESSText");
    d.TypeInto(wall, "200");
    QTest::keyClick(wall, Qt::Key_S, Qt::ControlModifier);
    d.Settle();
    EXPECT_EQ(boxes.Shown(), QStringList{"入力値が範囲外です"});
    EXPECT_EQ(QApplication::focusWidget(), wall);
    EXPECT_EQ(d.Field("txtResult1Text")->text(), "65.47");
}

}  // namespace
