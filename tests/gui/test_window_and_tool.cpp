// The window, velkara-spacing and a list through velkara-spacing on the same
// entries: the same result texts, or the same message about the same field.
#include <QMenu>
#include <QProcess>
#include <QTableWidget>

#include "CalcWindowDriver.h"
#include "list/PointRun.h"
#include "support/ReadAllCsv.h"
#include "window/LiquidTemperatureDialog.h"

namespace {

struct Shown {
    QString result1, result2;
    QString message;  // of a refusal or failure
    QString field;    // the caption of the field refused, if any
};

using Option = std::pair<const char*, const char*>;  // option name, value

// Each option's value into the field or list its caption names.
void EnterInTheWindow(CalcWindowDriver& d, const std::vector<Option>& options) {
    for (const auto& [name, value] : options) {
        for (const InputDescriptor& input : Inputs()) {
            if (QLatin1String(name) != QLatin1String(input.optionName)) continue;
            QWidget* entry = nullptr;  // the field or list found by the name its caption gives it
            for (QWidget* control : d->findChildren<QWidget*>())
                if (control->accessibleName() == d.Startup().Text(input.captionTextId))
                    entry = control;
            if (auto* list = qobject_cast<QComboBox*>(entry)) {
                list->setCurrentIndex(list->findText(QString::fromUtf8(value)));
                EXPECT_GE(list->currentIndex(), 0) << value;
            } else if (auto* field = qobject_cast<QLineEdit*>(entry)) {
                field->setText(QString::fromUtf8(value));
            } else {
                ADD_FAILURE() << "no entry named by " << name;
            }
        }
    }
    // By keys: F4 in the fluid velocity field, the temperature (and the
    // salinity), Enter; the dialog starts on the fluid chosen.
    const auto given = [&](std::string_view wanted) -> const char* {
        for (const auto& [name, value] : options)
            if (name == wanted) return value;
        return nullptr;
    };
    const char* temperature = given("fluid-temperature");
    if (!temperature) temperature = given("water-temperature");
    if (!temperature) return;
    QLineEdit* velocity = d.Field("FLUID_S_VText");
    velocity->setFocus();
    WhenUp<LiquidTemperatureDialog>([&](LiquidTemperatureDialog* dialog) {
        if (const char* salinity = given("salinity"))
            dialog->findChild<QLineEdit*>("salinity")->setText(salinity);
        QTest::keyClicks(dialog->focusWidget(), temperature);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(velocity, Qt::Key_F4);
    d.Settle();
}

Shown ThroughTheWindow(const CalcRun& run, const std::vector<Option>& options) {
    CalcWindowDriver d(run);
    EnterInTheWindow(d, options);
    // From here on every modal window is a message box to answer.
    MessageBoxWatchdog boxes;
    QTest::mouseClick(d.Get<QPushButton>("ExecuteCalc"), Qt::LeftButton);
    d.Settle();
    Shown shown{d.Field("txtResult1Text")->text(), d.Field("txtResult2Text")->text(),
                boxes.Shown().join('|'), ""};
    // A refused field has the focus and is named by its caption (Execute has no name).
    if (QWidget* focused = QApplication::focusWidget(); focused && boxes.Shown().size() == 1)
        shown.field = focused->accessibleName();
    return shown;
}

Shown ThroughTheTool(const CalcRun& run, const std::vector<Option>& options) {
    QStringList arguments = {"--units", run.inch() ? "inch" : "mm", "--lang",
                             run.langFlag ? "en" : "ja"};
    for (const auto& [name, value] : options) {
        arguments << QStringLiteral("--%1").arg(name) << QString::fromUtf8(value);
    }
    QProcess tool;
    tool.start(VELKARA_SPACING_PATH, arguments);
    EXPECT_TRUE(tool.waitForFinished(10000));
    // Lines end in CR LF on Windows.
    const QStringList out =
        QString::fromUtf8(tool.readAllStandardOutput()).remove(u'\r').split('\n');
    const QString error = QString::fromUtf8(tool.readAllStandardError()).trimmed();
    Shown shown;
    if (tool.exitCode() == 0) {
        // "CAPTION1: 65.47 mm", then "CAPTION2: 17" for the rail steps.
        shown.result1 = out.value(0).section(": ", 1).section(' ', 0, 0);
        const QString steps =
            ComposedMountSizeCaption(2, run.langFlag ? Language::English : Language::Japanese);
        if (out.value(1).startsWith(steps)) shown.result2 = out.value(1).section(": ", 1);
        return shown;
    }
    EXPECT_EQ(tool.exitCode(), 1) << error;
    // "CAPTION: message" for a refused field, the message alone otherwise.
    const bool naming = error.contains(": ");
    shown.field = naming ? error.section(": ", 0, 0) : "";
    shown.message = naming ? error.section(": ", 1) : error;
    return shown;
}

// A one-row list headed by the option names, through `velkara-spacing --csv -`:
// the row's result columns, and its message as "CAPTION: message".
Shown ThroughAList(const CalcRun& run, const std::vector<Option>& options) {
    QStringList header, row;
    for (const auto& [name, value] : options) {
        header << name;
        row << QStringLiteral("\"%1\"").arg(QString::fromUtf8(value));
    }
    QProcess tool;
    tool.start(VELKARA_SPACING_PATH, {"--csv", "-", "--units", run.inch() ? "inch" : "mm", "--lang",
                                      run.langFlag ? "en" : "ja"});
    tool.write((header.join(',') + "\r\n" + row.join(',') + "\r\n").toUtf8());
    tool.closeWriteChannel();
    EXPECT_TRUE(tool.waitForFinished(10000));
    const std::vector<ReadRecord> records = ReadAll(tool.readAllStandardOutput().toStdString());
    if (records.size() != 2 || records[1].fields.size() != options.size() + 3) {
        ADD_FAILURE() << "the list came back as " << records.size() << " records";
        return {};
    }
    const auto column = [&](std::size_t i) {
        return QString::fromStdString(records[1].fields[options.size() + i]);
    };
    return {column(0), column(1), column(2), ""};
}

TEST(WindowAndTool, SameEntriesSameResultsAndMessages) {
    const QLocale plain = PointNumberLocale();
    const CalcRun en{0, 1, plain}, ja{0, 0, plain}, inch{1, 1, plain};
    const struct {
        const char* name;
        CalcRun run;
        std::vector<Option> options;
        const char* result1 = nullptr;  // where it is known beforehand
    } rows[] = {
        // clang-format off
        {"Japanese names", ja, {{"outer-diameter", "114.3"}, {"wall", "6"}, {"sensor", "TB_02/TC_02"}, {"pipe", "ｽﾃﾝﾚｽ管"}, {"fluid", "海水"}}},
        {"rail steps", en, {{"outer-diameter", "60.5"}, {"wall", "3"}, {"sensor", "TA_02"}}},
        {"large pipe, Z, lined", en, {{"outer-diameter", "2000"}, {"wall", "20"}, {"sensor", "TB_04/TC_04"}, {"method", "Z METHOD"},
                                      {"lining", "MORTAR"}, {"lining-thickness", "12.5"}}},
        {"typed velocities", en, {{"outer-diameter", "114.3"}, {"wall", "6"}, {"sensor", "TD_03"}, {"pipe", "PIPE S.V."},
                                  {"pipe-velocity", "3200"}, {"fluid", "FLUID S.V."}, {"fluid-velocity", "1500"}}},
        {"inch", inch, {{"outer-diameter", "4.5"}, {"wall", "0.25"}, {"sensor", "TB_01/TC_01"}}},
        {"empty wall", en, {{"outer-diameter", "114.3"}, {"sensor", "TB_01/TC_01"}}},
        {"grouping is not a number", ja, {{"outer-diameter", "1,000"}, {"wall", "6"}, {"sensor", "TB_01/TC_01"}}},
        {"wall fills the pipe", en, {{"outer-diameter", "12"}, {"wall", "6"}, {"sensor", "TB_01/TC_01"}}},
        {"lining thickness missing", ja, {{"outer-diameter", "114.3"}, {"wall", "6"}, {"sensor", "TB_01/TC_01"}, {"lining", "ｺﾞﾑ"}}},
        {"fluid velocity out of range", en, {{"outer-diameter", "114.3"}, {"wall", "6"}, {"fluid", "FLUID S.V."}, {"fluid-velocity", "2501"}}},
        {"negative spacing", en, {{"outer-diameter", "6"}, {"wall", "0.1"}, {"sensor", "TB_01/TC_01"}}},
        {"water at 20 °C", ja, {{"outer-diameter", "114.3"}, {"wall", "6"}, {"sensor", "TB_01/TC_01"}, {"water-temperature", "20"}}, "68.41"},
        {"water at 68 °F", inch, {{"outer-diameter", "4.5"}, {"wall", "0.25"}, {"sensor", "TB_01/TC_01"}, {"water-temperature", "68"}}, "2.707"},
        {"toluene at 60 °C", en, {{"outer-diameter", "114.3"}, {"wall", "6"}, {"sensor", "TB_01/TC_01"}, {"fluid", "TOLUOL"}, {"fluid-temperature", "60"}}, "46.76"},
        {"seawater at 50 °F", inch, {{"outer-diameter", "4.5"}, {"wall", "0.25"}, {"sensor", "TB_01/TC_01"}, {"fluid", "SEAWATER"}, {"fluid-temperature", "50"}, {"salinity", "30"}}},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const Shown window = ThroughTheWindow(r.run, r.options);
        const Shown tool = ThroughTheTool(r.run, r.options);
        EXPECT_EQ(window.result1, tool.result1);
        EXPECT_EQ(window.result2, tool.result2);
        EXPECT_EQ(window.message, tool.message);
        EXPECT_EQ(window.field, tool.field);
        EXPECT_NE(window.result1 + window.message, "") << "the window shows nothing";
        const Shown list = ThroughAList(r.run, r.options);
        EXPECT_EQ(list.result1, window.result1) << "in a list";
        EXPECT_EQ(list.result2, window.result2) << "in a list";
        EXPECT_EQ(list.message,
                  window.field.isEmpty() ? window.message : window.field + ": " + window.message)
            << "in a list";
        if (r.result1) {
            EXPECT_EQ(window.result1, r.result1);
        }
    }
}

// Every sensor and method: the dialog's cells are the tool's, line by line; entries refused
// alike, the tool's exit status telling the table from the refusal.
TEST(WindowAndTool, SameComparison) {
    const CalcRun en{0, 1, PointNumberLocale()};
    const std::tuple<const char*, std::vector<Option>, int> rows[] = {
        {"small PVC pipe", {{"outer-diameter", "32"}, {"wall", "3.1"}, {"pipe", "PVC"}}, 0},
        {"wall fills the pipe", {{"outer-diameter", "12"}, {"wall", "6"}}, 1},
    };
    for (const auto& [name, options, status] : rows) {
        SCOPED_TRACE(name);
        CalcWindowDriver d(en);
        EnterInTheWindow(d, options);
        QStringList window;        // the dialog's head and rows, or the message box's text
        MessageBoxWatchdog boxes;  // it records the dialog as another box and closes it
        boxes.probe = [&] {
            auto* cells = QApplication::activeModalWidget()->findChild<QTableWidget*>();
            for (int row = -1; cells && row < cells->rowCount(); ++row) {
                QStringList line;
                for (int column = 0; column < cells->columnCount(); ++column)
                    line << (row < 0 ? cells->horizontalHeaderItem(column)
                                     : cells->item(row, column))
                                ->text();
                window << line.join('|');
            }
        };
        WhenUp<QMenu>([](QMenu* menu) {
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        d.List("SENSOR_TYPECombo")->setFocus();
        QTest::keyClick(d.List("SENSOR_TYPECombo"), Qt::Key_F10, Qt::ShiftModifier);
        d.Settle();

        QStringList arguments = {"--compare", "--lang", "en"};
        for (const auto& [option, value] : options) arguments << QString("--") + option << value;
        QProcess tool;
        tool.start(VELKARA_SPACING_PATH, arguments);
        EXPECT_TRUE(tool.waitForFinished(10000));
        EXPECT_EQ(tool.exitCode(), status);
        QStringList lines =
            QString::fromUtf8(tool.readAllStandardOutput()).remove(u'\r').split('\n');
        const QString error = QString::fromUtf8(tool.readAllStandardError()).trimmed();
        if (status == 0) {
            // After the caption the head and a line per sensor up to the reasons; cells
            // apart by two blanks or more.
            lines = lines.mid(1, lines.indexOf("") - 1);
            EXPECT_EQ(window, lines.replaceInStrings(QRegularExpression(" {2,}"), "|"));
            EXPECT_EQ(boxes.Shown().size(), 1);  // the dialog
        } else {
            EXPECT_EQ(lines, QStringList(""));
            EXPECT_EQ(boxes.Shown(), QStringList(error.section(": ", 1)));
        }
    }
}

}  // namespace
