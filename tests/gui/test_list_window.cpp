// The list window against velkara-spacing on the same files: the same rows, values and
// messages, the same bytes saved; a row taken into the calculator; a list dropped; files that
// are no list; sheets cancelled and a save that fails, each leaving an existing file as it was.
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>
#include <QProgressDialog>
#include <QTableView>
#include <QTemporaryDir>
#if defined(__linux__)
#include <sys/resource.h>

#include <csignal>
#endif

#include "CalcWindowDriver.h"
#include "list/Cp932.h"
#include "support/ReadAllCsv.h"
#include "window/ListWindow.h"

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// The next save dialog answered with `path`, as Save does, and its question whether to replace
// an existing file with Yes; the name it suggested, and the message that followed, if any.
void SaveAs(const QString& path, QString* suggested, QString* told = nullptr) {
    WhenUp<QFileDialog>([=](QFileDialog* dialog) {
        *suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->selectFile(path);
        if (QFile::exists(path)) {
            WhenUp<QMessageBox>([=](QMessageBox* question) {
                if (told) {
                    WhenUp<QMessageBox>([=](QMessageBox* box) {
                        *told = box->text();
                        box->button(QMessageBox::Ok)->click();
                    });
                }
                question->button(QMessageBox::Yes)->click();
            });
        }
        static_cast<QDialog*>(dialog)->accept();
    });
}

ListWindow* Opened(CalcWindowDriver& d, const QString& path) {
    d->OpenList(path);
    d.Settle();
    auto* list = d->findChild<ListWindow*>();
    EXPECT_TRUE(list && list->isVisible());
    return list;
}

// Each row of the table, its cells joined by '|'.
QStringList Rows(ListWindow* list) {
    const QAbstractItemModel* model = list->findChild<QTableView*>("rows")->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        rows << cells.join('|');
    }
    return rows;
}

TEST(ListWindow, RowsAndTheSavedListAreTheTools) {
    const CalcRun ja{0, 0, kUs}, en{0, 1, kUs};
    const struct {
        const char* name;
        CalcRun run;
        QByteArray list;
        const char* firstRow;  // a worked example
        const char* summary;
    } rows[] = {
        {"code page 932, Japanese captions", ja,
         Cp932FromUnicode(
             u"tag,外径寸法,配管厚さ,配管材質,ｾﾝｻ種類\r\n計画-1,114.3,6,鋼管,TB_01/TC_01\r\n"
             u"計画-2,114.3,60,鋼管,TB_01/TC_01\r\n"_qs),
         "計画-1|114.3|6|鋼管|TB_01/TC_01|65.47", "計算 1 行、計算できなかった行 1 行"},
        {"UTF-8 with a byte order mark, rail steps, a malformed record, no tag", en,
         "\xEF\xBB\xBFouter-diameter,wall,sensor,note\n60.5,3,TA_02,a\n\n1,\"2\"x,TA_02\n",
         "2|60.5|3|TA_02|", "Rows computed: 1, refused: 1\nPassed through: note"},
        {"UTF-8, captions, a near name", en,
         "tag,OUTER DIAMETER,WALL THICKNESS,sensr\nFT-1,114.3,6,x\nFT-2,2000,20,y\n",
         "FT-1|114.3|6|",
         "Rows computed: 2, refused: 0\nPassed through: sensr\n"
         "Column 'sensr': did you mean 'sensor'?"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"計画 一覧.csv"_qs);
        Write(path, r.list);
        QProcess tool;
        tool.start(VELKARA_SPACING_PATH, {"--csv", path, "--lang", r.run.langFlag ? "en" : "ja"});
        EXPECT_TRUE(tool.waitForFinished(10000));
        const QByteArray expected = tool.readAllStandardOutput();

        CalcWindowDriver d(r.run);
        ListWindow* list = Opened(d, path);
        ASSERT_TRUE(list);
        const QStringList shown = Rows(list);
        EXPECT_TRUE(shown.value(0).startsWith(r.firstRow)) << shown.value(0);
        EXPECT_EQ(list->findChild<QLabel*>("summary")->text(), r.summary);
        // Each row's last cell: the tool's spacing (rail steps in brackets) or its message.
        const bool cp932 = r.run.langFlag == 0;
        const std::vector<ReadRecord> out = ReadAll(expected.toStdString());
        ASSERT_EQ(std::size_t(shown.size()) + 1, out.size());
        int refused = 0;
        for (std::size_t at = 1; at < out.size(); ++at) {
            const auto& fields = out[at].fields;
            const std::string& message = fields[fields.size() - 1];
            QString cell = QString::fromStdString(fields[fields.size() - 3]);
            if (!fields[fields.size() - 2].empty())
                cell += " (" + QString::fromStdString(fields[fields.size() - 2]) + ")";
            if (!message.empty()) {
                ++refused;
                cell = d.Startup().Text(TextId::ListRefusedMark) + ": " +
                       (cp932 ? Cp932ToUnicode(message) : QString::fromStdString(message));
            }
            EXPECT_EQ(shown[at - 1].section('|', -1), cell) << at;
        }
        list->findChild<QCheckBox*>("refusedOnly")->click();
        EXPECT_EQ(Rows(list).size(), refused);

        QString suggested;
        SaveAs(folder.filePath("saved.csv"), &suggested);
        QTest::mouseClick(list->findChild<QPushButton*>("saveList"), Qt::LeftButton);
        d.Settle();
        EXPECT_EQ(suggested, u"計画 一覧-spacing.csv"_qs);
        EXPECT_EQ(Read(folder.filePath("saved.csv")), expected);
    }
}

// Enter on a row: its entries as if typed (Undo takes them back), Execute, the calculator in
// front; a list dropped on a field opens, the field keeps its text; F5 keeps the row selected.
TEST(ListWindow, EnterTakesARowIntoTheCalculatorADroppedListOpens) {
    QTemporaryDir folder;
    const QString path = folder.filePath("plan.csv");
    Write(path,
          "tag,outer-diameter,wall,pipe,sensor,method,schedule,pipe-size,fluid,fluid-temperature\n"
          "A,,1,,,,,,,\nB,114.3,6,PVC,TA_01,Z,,,,\nC,,,,TB_01/TC_01,,SGP,100A,TOLUOL,60\n");
    CalcWindowDriver d;
    QLineEdit* diameter = d.Field("OUTER_DIAMETERText");
    d.TypeInto(diameter, "200");
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(diameter, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(diameter, &drop);
    d.Settle();
    auto* list = d->findChild<ListWindow*>();
    ASSERT_TRUE(list && list->isVisible());
    EXPECT_EQ(list->Path(), path);
    EXPECT_EQ(diameter->text(), "200");

    auto* table = list->findChild<QTableView*>("rows");
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Return);
    d.Settle();
    EXPECT_EQ(Rows(list).value(1).section('|', -1),
              d.Field("txtResult1Text")->text() + " (" + d.Field("txtResult2Text")->text() + ")");
    EXPECT_EQ(d.List("PIPE_MATERIALCombo")->currentText(), u"塩ﾋﾞ管"_qs);
    EXPECT_EQ(d.List("SENSOR_MOUNTCombo")->currentIndex(), 1);
    EXPECT_TRUE(d->isActiveWindow());
    EXPECT_EQ(diameter->text(), "114.3");
    diameter->undo();
    EXPECT_EQ(diameter->text(), "200");
    // A pipe size's numbers and a liquid's velocity at its temperature, as their dialogs write
    // them.
    MessageBoxWatchdog boxes;
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Return);
    d.Settle();
    EXPECT_EQ(boxes.Shown(), QStringList());
    EXPECT_EQ(Rows(list).value(2).section('|', -1), d.Field("txtResult1Text")->text());
    EXPECT_EQ(d.Field("WALL_THICKNESSText")->text(), "4.5");
    EXPECT_EQ(d.Field("FLUID_S_VText")->text(), "1158");
    QTest::keyClick(table, Qt::Key_Up);
    // Read again after the file changed: the row selected is still B, now the first.
    Write(path, "tag,wall\nB,5\nA,1\nC,2\n");
    list->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(list));
    d.Settle();
    QTest::keyClick(table, Qt::Key_F5);
    EXPECT_EQ(table->currentIndex().row(), 0);
    EXPECT_EQ(Rows(list).value(0).section('|', 0, 1), "B|5");
    // Refused rows only, and B computed once read again: the first row shown is selected.
    list->findChild<QCheckBox*>("refusedOnly")->click();
    Write(path, "tag,outer-diameter,wall\nB,114.3,6\nA,,1\n");
    QTest::keyClick(table, Qt::Key_F5);
    EXPECT_EQ(table->currentIndex(), table->model()->index(0, 0));
}

// Ctrl+O opens a list; a file that is none is told, which case and what a list needs, and
// the list shown stays.
TEST(ListWindow, WhatIsNoListIsToldAndNothingChanges) {
    QTemporaryDir folder;
    const QString good = folder.filePath("good.csv");
    Write(good, "wall\n6\n");
    const struct {
        const char* name;
        QByteArray bytes;  // none: no such file
        TextId reason;
    } rows[] = {
        {"empty", "", TextId::ListEmpty},
        {"no input named", "a,b\n1,2\n", TextId::ListNoInputs},
        {"results already added", "wall,spacing-mm\n6,\n", TextId::ListResultColumn},
        {"an input named twice", "wall,Wall\n6,6\n", TextId::ListTwoColumns},
        {"binary", QByteArray("wall\n\x89PNG\0\0\0\rIHDR", 16), TextId::ListBinary},
        {"cannot be read", "<none>", TextId::ListUnreadable},
        {"folder", "<folder>", TextId::ListFolder},
    };
    CalcWindowDriver d(CalcRun{0, 1, kUs});
    WhenUp<QFileDialog>([&](QFileDialog* dialog) {  // Ctrl+O's
        EXPECT_EQ(dialog->nameFilters(), QStringList({"CSV files (*.csv)", "All files (*)"}));
        dialog->selectFile(good);
        static_cast<QDialog*>(dialog)->accept();
    });
    QTest::keyClick(d.Field("OUTER_DIAMETERText"), Qt::Key_O, Qt::ControlModifier);
    d.Settle();
    auto* list = d->findChild<ListWindow*>();
    ASSERT_TRUE(list);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = folder.filePath(QString(r.name) + ".csv");
        if (r.bytes == "<folder>") {
            QDir(folder.path()).mkdir(QString(r.name) + ".csv");
        } else if (r.bytes != "<none>") {
            Write(path, r.bytes);
        }
        MessageBoxWatchdog boxes;
        d->OpenList(path);
        d.Settle();
        ASSERT_EQ(boxes.Shown().size(), 1);
        const QString told = boxes.Shown()[0];
        EXPECT_TRUE(told.startsWith(QDir::toNativeSeparators(path))) << told;
        EXPECT_TRUE(told.contains(d.Startup().Text(r.reason).section('%', 0, 0))) << told;
        EXPECT_TRUE(told.endsWith(d.Startup().Text(TextId::ListNeeds))) << told;
        EXPECT_EQ(list->Path(), good);
    }
}

// The file is put in place only when complete: Cancel and a failed write leave the old one.
TEST(ListWindow, CancelledSheetsAndAFailedSaveLeaveAnExistingFileAsItWas) {
    QTemporaryDir folder;
    const QString path = folder.filePath("long.csv");
    Write(path, "outer-diameter,wall,sensor\n" + QByteArray("114.3,6,TB_01/TC_01\n").repeated(60));
    const QString sheets = folder.filePath("long-sheets.pdf"), saved = folder.filePath("saved.csv");
    Write(sheets, "old");
    CalcWindowDriver d;
    ListWindow* list = Opened(d, path);
    ASSERT_TRUE(list);
    QString suggested;
    SaveAs(sheets, &suggested);
    bool cancelled = false;
    WhenUp<QProgressDialog>([&](QProgressDialog* progress) {
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        cancelled = true;
    });
    QTest::mouseClick(list->findChild<QPushButton*>("saveSheets"), Qt::LeftButton);
    d.Settle();
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(suggested, "long-sheets.pdf");
    EXPECT_EQ(Read(sheets), "old");
#if defined(__linux__)
    // No file may grow past 16 bytes: the write fails as on a full disk.
    Write(saved, "old");
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{16, limit.rlim_max};
    const auto before = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    QString told;
    SaveAs(saved, &suggested, &told);
    QTest::mouseClick(list->findChild<QPushButton*>("saveList"), Qt::LeftButton);
    d.Settle();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, before);
    EXPECT_TRUE(told.contains(saved + "\n" + "File too large")) << told;
    EXPECT_EQ(Read(saved), "old");
#endif
    // No file left beside them.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
              QFile::exists(saved) ? 3 : 2);
}

}  // namespace
