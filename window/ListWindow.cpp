#include "window/ListWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <vector>

#include "sheet/SheetPdfWriter.h"
#include "sheet/SheetTextsOf.h"
#include "window/ListTableModel.h"
#include "window/MessageBox.h"

namespace {

// A sheet run of this many rows or more shows its progress, with Cancel.
constexpr std::size_t kProgressFromRows = 50;
// Column widths are taken from this many rows, not from every row of a long
// list.
constexpr int kRowsSizingColumns = 200;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

ListWindow::ListWindow(const StartupValues& startup, QWidget* calculator,
                       std::function<void(const GivenPoint&)> take,
                       std::function<void()> openAnother)
    : QWidget(calculator, Qt::Window), startup_(startup), take_(std::move(take)) {
    setObjectName(QStringLiteral("ListWindow"));
    setWindowIcon(calculator->windowIcon());
    BuildControls();
    // Closing the calculator closes the list too, even where the calculator
    // is only hidden, not deleted.
    calculator->installEventFilter(this);
    auto* reload = new QShortcut(QKeySequence::Refresh, this);
    connect(reload, &QShortcut::activated, this, &ListWindow::Reload);
    auto* open = new QShortcut(QKeySequence::Open, this);
    connect(open, &QShortcut::activated, this, std::move(openAnother));
}

ListWindow::~ListWindow() = default;

void ListWindow::BuildControls() {
    QFont font(startup_.CaptionFontName);
    font.setPointSizeF(10);
    setFont(font);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    summary_->setTextFormat(Qt::PlainText);
    refusedOnly_ = new QCheckBox(startup_.Text(TextId::ListRefusedOnly), this);
    refusedOnly_->setObjectName(QStringLiteral("refusedOnly"));

    model_ = new ListTableModel(startup_, this);
    filter_ = new RefusedRowsFilter(this);
    filter_->setSourceModel(model_);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("rows"));
    table_->setModel(filter_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // Rows of one height: a view of any length lays out only what is in sight.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setResizeContentsPrecision(kRowsSizingColumns);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* saveList = new QPushButton(startup_.Text(TextId::ListSaveList), this);
    saveList->setObjectName(QStringLiteral("saveList"));
    auto* saveSheets = new QPushButton(startup_.Text(TextId::ListSaveSheets), this);
    saveSheets->setObjectName(QStringLiteral("saveSheets"));
    auto* reload = new QPushButton(startup_.Text(TextId::ListReload) + QStringLiteral(" (F5)"), this);
    reload->setObjectName(QStringLiteral("reload"));
    for (QPushButton* button : {saveList, saveSheets, reload}) button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveList);
    buttons->addWidget(saveSheets);
    buttons->addStretch();
    buttons->addWidget(reload);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(refusedOnly_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(960, 540);

    connect(refusedOnly_, &QCheckBox::toggled, filter_, &RefusedRowsFilter::SetRefusedOnly);
    connect(table_, &QTableView::activated, this, &ListWindow::TakeRow);
    connect(saveList, &QPushButton::clicked, this, &ListWindow::SaveList);
    connect(saveSheets, &QPushButton::clicked, this, &ListWindow::SaveSheets);
    connect(reload, &QPushButton::clicked, this, &ListWindow::Reload);
}

void ListWindow::Show(ListDocument list) {
    // The row selected, found again by its tag or else by its place.
    const QModelIndex current = filter_->mapToSource(table_->currentIndex());
    std::optional<std::size_t> keep;
    if (current.isValid()) {
        keep = std::size_t(current.row());
        const ListTable& before = *list_.table;
        if (before.Tagged() && !before.Tag(*keep).empty())
            keep = list.table->RowTagged(before.Tag(*keep));
    }
    list_ = std::move(list);
    model_->SetTable(list_.table);
    setWindowTitle(startup_.Text(TextId::ListTitle).arg(QFileInfo(list_.path).fileName()));
    ShowSummary();
    table_->resizeColumnsToContents();
    const std::size_t row = keep && *keep < list_.table->Size() ? *keep : 0;
    const QModelIndex shown = filter_->mapFromSource(model_->index(int(row), 0));
    table_->setCurrentIndex(shown.isValid() ? shown : filter_->index(0, 0));
    table_->scrollTo(table_->currentIndex());
    table_->setFocus(Qt::OtherFocusReason);
}

void ListWindow::ShowSummary() {
    const ListTable& table = *list_.table;
    QStringList lines = {startup_.Text(TextId::ListSummary)
                             .arg(table.Size() - table.RefusedCount())
                             .arg(table.RefusedCount())};
    if (!table.passedThrough.isEmpty())
        lines << startup_.Text(TextId::ListPassedThrough).arg(table.passedThrough.join(u", "));
    for (const auto& [column, input] : table.nearNames)
        lines << startup_.Text(TextId::ListDidYouMean).arg(column, input);
    summary_->setText(lines.join(u'\n'));
}

// The row's entries into the calculator, which calculates and comes forward;
// the list stays as it is.
void ListWindow::TakeRow(const QModelIndex& index) {
    const QModelIndex row = filter_->mapToSource(index);
    if (!row.isValid()) return;
    take_(GivenPointOf(*list_.table, std::size_t(row.row())));
}

// Read again as at first; a file that is no list now is told and the list
// shown stays.
void ListWindow::Reload() {
    auto read = ReadListDocument(list_.path, startup_);
    if (const auto* why = std::get_if<QString>(&read)) return SubShowMessage(this, *why);
    Show(std::move(std::get<ListDocument>(read)));
}

QString ListWindow::AskForFile(TextId title, const QString& suffix, const QString& filter) {
    const QFileInfo file(list_.path);
    return QFileDialog::getSaveFileName(this, startup_.Text(title),
                                        file.dir().filePath(file.completeBaseName() + suffix),
                                        filter);
}

void ListWindow::TellNotSaved(const QString& path, const QString& reason) {
    SubShowMessage(this, startup_.Text(TextId::ListNotSaved) + QStringLiteral("\n\n") +
                             QDir::toNativeSeparators(path) + u'\n' + reason);
}

// The file is replaced whole or not at all.
void ListWindow::SaveList() {
    const QString path = AskForFile(
        TextId::ListSaveListTitle, QStringLiteral("-spacing.csv"),
        startup_.Text(TextId::ListCsvFiles) + QStringLiteral(" (*.csv);;") +
            startup_.Text(TextId::ListAllFiles) + QStringLiteral(" (*)"));
    if (path.isEmpty()) return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !WriteSpacingList(list_, startup_, file) ||
        !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        TellNotSaved(path, reason);
    }
}

// Cancel leaves no file behind and an existing one as it was: the writer
// puts the file in place only when it is complete.
void ListWindow::SaveSheets() {
    const QString path = AskForFile(TextId::SheetSaveTitle, QStringLiteral("-sheets.pdf"),
                                    QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    SheetPdfWriter writer(FncSheetStyle(startup_, QDateTime::currentDateTime()));
    QString error;
    if (!writer.Open(path, &error)) return TellNotSaved(path, error);
    const ListTable& table = *list_.table;
    std::unique_ptr<QProgressDialog> progress;
    if (table.Size() >= kProgressFromRows) {
        progress = std::make_unique<QProgressDialog>(startup_.Text(TextId::ListWritingSheets),
                                                     startup_.Text(TextId::DialogCancel), 0,
                                                     int(table.Size()), this);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    const ListRowSheets sheets(startup_);
    std::vector<RefusedRow> refused;
    for (std::size_t row = 0; row < table.Size(); ++row) {
        if (progress) {
            progress->setValue(int(row));
            if (progress->wasCanceled()) return;
        }
        if (!table.Refused(row)) {
            writer.AddSheet(sheets.PageOf(table, row));
            continue;
        }
        refused.push_back(
            {table.Tagged() && !table.Tag(row).empty()
                 ? Utf8(table.Tag(row))
                 : startup_.Text(TextId::SheetRefusedLine).arg(table.Line(row)),
             Utf8(table.Shown(row))});
    }
    if (!refused.empty()) writer.AddRefusedRows(refused);
    if (progress) progress->setValue(int(table.Size()));
    if (!writer.Finish(&error)) TellNotSaved(path, error);
}

bool ListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Close && event->isAccepted()) close();
    return QWidget::eventFilter(watched, event);
}
