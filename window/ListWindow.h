#pragma once
// The list window: a list of measuring points opened beside the calculator,
// one row per record with its spacing or why it was refused, and what is
// done with it: a row taken into the calculator, the list saved with its
// results as velkara-spacing writes it, every row's mounting sheet in one PDF,
// the file read again.

#include <QWidget>
#include <functional>
#include <memory>

#include "rules/GivenValues.h"
#include "settings/ModCommonProc.h"
#include "window/ListDocument.h"

class QCheckBox;
class QLabel;
class QTableView;
class ListTableModel;
class RefusedRowsFilter;

class ListWindow : public QWidget {
    Q_OBJECT

public:
    // A row taken (Enter, a double click) goes to `take`; Ctrl+O calls
    // `openAnother`. The window is one of its own over `calculator` and
    // goes with it.
    ListWindow(const StartupValues& startup, QWidget* calculator,
               std::function<void(const GivenPoint&)> take, std::function<void()> openAnother);
    ~ListWindow() override;

    // Shows `list` in place of the one shown, keeping the selected row where
    // the new one has it (its tag, else its place).
    void Show(std::shared_ptr<const ListDocument> list);
    const QString& Path() const { return list_->path; }
    // To the right of `calculator`, or else its left, within the screen.
    void PlaceBeside(const QWidget& calculator);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ShowSummary();
    void TakeRow(const QModelIndex& index);
    void Reload();
    void SaveList();
    void SaveSheets();
    // The save dialog on `suffix` beside the list's file; empty when cancelled.
    QString AskForFile(TextId title, const QString& suffix, const QString& filter);
    // Tells that `path` could not be written, and why.
    void TellNotSaved(const QString& path, const QString& reason);

    const StartupValues startup_;
    const std::function<void(const GivenPoint&)> take_;
    std::shared_ptr<const ListDocument> list_;
    ListTableModel* model_ = nullptr;
    RefusedRowsFilter* filter_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* summary_ = nullptr;
    QCheckBox* refusedOnly_ = nullptr;
};
