// The window: pinned by the README's screenshots, then what they cannot show.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QWheelEvent>

#include "CalcWindowDriver.h"
#include "support/Poppler.h"
#include "support/TestSupport.h"
#include "text/TextTable.h"

namespace {

// Wine draws with its own font rasteriser: its screenshots are committed apart.
#ifndef VELKARA_SCREENSHOT_SUFFIX
#define VELKARA_SCREENSHOT_SUFFIX ""
#endif

// The mounting sheet's picture is its PDF rendered by poppler at 75 dpi.
TEST(WindowScreenshots, RenderedAgainEachEqualsTheCommittedOne) {
    QStringList names = {"window-ja-metric" VELKARA_SCREENSHOT_SUFFIX,
                         "window-en-inch" VELKARA_SCREENSHOT_SUFFIX};
    // The dialogs', taken on Linux only, named after the tool's mode that renders them.
    if (QString(VELKARA_SCREENSHOT_SUFFIX).isEmpty())
        names << "pipe-size-table-ja-metric"
              << "liquid-temperature-ja-metric"
              << "comparison-ja-metric"
              << "list-ja-metric"
              << "sheet-ja-metric";
    for (const QString& name : names) {
        const QString flag = name.contains("-en-") ? "1" : "0";
        const QString base = QCoreApplication::applicationDirPath() + '/' + name + ".rendered";
        const QString out = base + ".png";
        SCOPED_TRACE(name.toStdString());
        const bool sheet = name.startsWith("sheet");
        QStringList arguments = {sheet ? base + ".pdf" : out, flag, flag};
        if (!name.startsWith("window-")) arguments << name.section("-ja-", 0, 0);
        EXPECT_EQ(QProcess::execute(VELKARA_RENDER_TOOL, arguments), 0);
        if (sheet) {
            EXPECT_TRUE(
                RunPoppler("pdftoppm", {"-r", "75", "-png", "-singlefile", base + ".pdf", base}))
                << "poppler-utils draw the sheet's picture";
        }
        QFile::remove(base + ".pdf");
        const QImage expected(QStringLiteral(VELKARA_DOCS_DIR "/%1.png").arg(name));
        EXPECT_FALSE(expected.isNull());
        const bool same = QImage(out).convertToFormat(QImage::Format_ARGB32) ==
                          expected.convertToFormat(QImage::Format_ARGB32);
        EXPECT_TRUE(same) << "differs, left for a look: " << out;
        if (same) QFile::remove(out);
    }
}

// Any flag but 0 means English or inch, and each decides on its own.
TEST(WindowInit, InEveryRunCaptionsFitAndLanguageAndUnitsDecideApart) {
    for (const CalcRun& run : {CalcRun{0, 0}, CalcRun{7, 0}, CalcRun{0, -3}, CalcRun{1, 1}}) {
        SCOPED_TRACE(testing::Message() << "units " << run.unitFlag << ' ' << run.langFlag);
        CalcWindowDriver d(run);
        EXPECT_EQ(d->minimumSize(), QSize(926, 471));
        EXPECT_EQ(d->maximumSize(), QSize(926, 471));
        EXPECT_EQ(d->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
        EXPECT_EQ(d->windowTitle(), ComposedWindowTitle(d.Startup().language));
        EXPECT_EQ(d.Get<QLabel>("Label4")->text(), run.inch() ? "[inch]" : "[mm]");
        // The results are empty on the screenshots: red, 12-point bold.
        EXPECT_EQ(d.Field("txtResult1Text")->palette().color(QPalette::Text), QColor(Qt::red));
        EXPECT_EQ(d.Field("txtResult1Text")->font().pointSize(), 12);
        EXPECT_TRUE(d.Field("txtResult1Text")->font().bold());
        // A field is named by the caption beside it.
        EXPECT_EQ(d.Field("txtResult2Text")->accessibleName(),
                  d.Get<QLabel>("MOUNT_SIZE2")->text());
        // No control covers another, but for a frame and what lies on it.
        const QList<QWidget*> controls = d->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QSet<QString> names;
        for (QWidget* a : controls) {
            EXPECT_FALSE(names.contains(a->objectName())) << a->objectName() << " twice";
            names.insert(a->objectName());
            for (QWidget* b : controls) {
                if (a < b && !qobject_cast<QGroupBox*>(a) && !qobject_cast<QGroupBox*>(b)) {
                    EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                        << a->objectName() << " covers " << b->objectName();
                }
            }
        }
        // Every control lies in the window and answers to its name (name_index in an array).
        const QRegularExpression array("^(lblRequired|Label1|Label2|Label8|Label12)(_|$)"),
            item("_\\d+$");
        for (QWidget* c : d->findChildren<QWidget*>(QRegularExpression("^[A-Za-z]"))) {
            EXPECT_TRUE(d->rect().contains(QRect(c->mapTo(c->window(), QPoint()), c->size())))
                << c->objectName();
            EXPECT_EQ(array.match(c->objectName()).hasMatch(),
                      item.match(c->objectName()).hasMatch())
                << c->objectName();
            const auto* list = qobject_cast<QComboBox*>(c);
            QStringList texts = {c->property("text").toString() + c->property("title").toString()};
            for (int i = 0; list && i < list->count(); ++i) texts << list->itemText(i);
            for (const QString& text : texts) {  // a list keeps room for its arrow
                EXPECT_LE(c->fontMetrics().horizontalAdvance(text),
                          c->contentsRect().width() - (list ? 30 : 0))
                    << c->objectName() << ' ' << text;
            }
        }
        // A field takes as many characters as the upper limit beneath it has.
        for (QLabel* range : d->findChildren<QLabel*>(QRegularExpression("_RANGE$"))) {
            auto* field = d->findChild<QLineEdit*>(range->objectName().replace("_RANGE", "Text"));
            EXPECT_EQ(field->maxLength(),
                      range->text().section('-', 1).count(QRegularExpression("[0-9.]")))
                << range->text();
        }
    }
}

// Each entry is picked by keyboard from both ends of its list, then from its
// popup with its fields out of step. Per field 'f' free (editable on the window
// colour, mark shown), 'l' locked, '.' not checked; typed text stays.
TEST(SelectionHandlers, EachEntryLeavesItsDependentFieldsInTheirState) {
    MessageBoxWatchdog boxes;
    CalcWindowDriver d({0, 1});
    QLineEdit* const fields[] = {d.Field("TRANS_FREQUENCYText"), d.Field("LINING_S_VText"),
                                 d.Field("LINING_THICKNESSText"), d.Field("FLUID_S_VText")};
    const char* const marks[] = {"lblRequired_2", "lblRequired_7", "lblRequired_8",
                                 "lblRequired_10"};
    const std::tuple<QComboBox*, int, const char*> rows[] = {
        {d.List("PIPE_MATERIALCombo"), kPipeTypedVelocityEntry, "f..."},
        {d.List("PIPE_MATERIALCombo"), kPipeTypedVelocityEntry - 1, "l..."},
        {d.List("LINING_MATERIALCombo"), kNoLiningEntry, ".ll."},
        {d.List("LINING_MATERIALCombo"), kLiningTypedVelocityEntry, ".ff."},
        {d.List("LINING_MATERIALCombo"), kNoLiningEntry + 1, ".lf."},
        {d.List("LINING_MATERIALCombo"), kLiningTypedVelocityEntry - 1, ".lf."},
        {d.List("LINING_MATERIALCombo"), -1, ".lf."},  // only the program can clear a selection
        {d.List("KIND_OF_FLUIDCombo"), kFluidTypedVelocityEntry, "...f"},
        {d.List("KIND_OF_FLUIDCombo"), 0, "...l"}};
    for (const auto& [list, position, state] : rows) list->setCurrentIndex(list->count() - 1);
    for (QLineEdit* field : fields) QTest::keyClicks(field, "2000");
    for (const auto& [list, position, state] : rows) {
        for (const int start : {0, list->count() - 1, position}) {
            list->setCurrentIndex(start);
            if (start != position) {
                position < 0 ? list->setCurrentIndex(-1) : d.Pick(list, position);
            } else if (position >= 0) {
                for (int i = 0; i < 4; ++i) fields[i]->setReadOnly(state[i] == 'f');  // out of step
                list->showPopup();  // the same entry is the popup's current one
                QTest::keyClick(list->view(), Qt::Key_Return);
            }
            for (int i = 0; i < 4; ++i) {
                if (state[i] == '.') continue;
                SCOPED_TRACE(testing::Message() << list->objectName() << ' ' << start << '>'
                                                << list->itemText(position) << " field " << i);
                const bool locked = state[i] == 'l';  // numbers only: no input method either way
                EXPECT_EQ(fields[i]->isReadOnly(), locked);
                EXPECT_EQ(
                    fields[i]->palette().color(QPalette::Base),
                    QApplication::palette().color(locked ? QPalette::Button : QPalette::Base));
                EXPECT_FALSE(fields[i]->testAttribute(Qt::WA_InputMethodEnabled));
                EXPECT_EQ(d.Get<QLabel>(marks[i])->isEnabled(), state[i] == 'f');
                EXPECT_EQ(fields[i]->text(), "2000");
            }
        }
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

// A user without a mouse: the numbers typed, the sensor and N法 (the beam
// across the pipe three times) chosen with the arrow keys, Execute by Space.
TEST(WindowExecute, NMethodChosenByKeys) {
    MessageBoxWatchdog boxes;
    CalcWindowDriver d;
    d.TypeInto(d.Field("OUTER_DIAMETERText"), "114.3");
    d.TypeInto(d.Field("WALL_THICKNESSText"), "6");
    QComboBox* sensors = d.List("SENSOR_TYPECombo");
    d.Pick(sensors, sensors->findText("TB_01/TC_01"));
    QComboBox* methods = d.List("SENSOR_MOUNTCombo");
    EXPECT_EQ(methods->currentText(), "V法");
    d.Pick(methods, methods->findText("N法"));
    auto* execute = d.Get<QPushButton>("ExecuteCalc");
    execute->setFocus(Qt::TabFocusReason);
    QTest::keyClick(execute, Qt::Key_Space);
    d.Settle();
    EXPECT_EQ(d.Field("txtResult1Text")->text(), "108.10");
    EXPECT_EQ(d.Field("txtResult2Text")->text(), "");
    EXPECT_TRUE(boxes.Shown().empty()) << boxes.Shown().join('|').toStdString();
}

// Tab: down the left inputs, the right ones, Execute, the results and round.
TEST(WindowFocus, TabRunsDownEachColumnThenToExecuteAndTheWheelOnlyStepsAFocusedList) {
    MessageBoxWatchdog boxes;
    CalcWindowDriver d;
    const auto place = [&](QWidget* w) {
        return std::tuple(d.Get<QGroupBox>("fraResult")->geometry().contains(w->geometry()),
                          w == d.Get<QPushButton>("ExecuteCalc"), w->x() * 2 / d->width(), w->y());
    };
    auto order = d->findChildren<QWidget*>(QRegularExpression("Text$|Combo$|^ExecuteCalc$"));
    std::sort(order.begin(), order.end(), [&](auto* a, auto* b) { return place(a) < place(b); });
    const qsizetype n = order.size();
    ASSERT_EQ(n, 14);
    QStringList expected, visited;  // Tab round, then Shift+Tab back
    for (qsizetype i = 0; i <= 2 * n; ++i) {
        expected << order[(i <= n ? i : 2 * n - i) % n]->objectName();
        visited << QApplication::focusWidget()->objectName();
        const auto shift = i < n ? Qt::NoModifier : Qt::ShiftModifier;
        if (i < 2 * n) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, shift);
    }
    EXPECT_EQ(visited, expected);
    QComboBox* list = d.List("KIND_OF_FLUIDCombo");
    for (const bool focused : {false, true}) {
        if (focused) d.Pick(list, 0);
        QWheelEvent notch(QPointF(9, 9), list->mapToGlobal(QPointF(9, 9)), {}, {0, -120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &notch);
        EXPECT_EQ(list->currentIndex(), int(focused));
        EXPECT_EQ(list->hasFocus(), focused);
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
