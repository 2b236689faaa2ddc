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
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "list/ListPipeline.h"
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
    auto* reload = new QShortcut(QKeySequence(Qt::Key_F5), this);
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
    auto* reload =
        new QPushButton(startup_.Text(TextId::ListReload) + QStringLiteral(" (F5)"), this);
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

void ListWindow::Show(std::shared_ptr<const ListDocument> list) {
    // The row selected, found again by its tag or else by its place.
    const QModelIndex current = filter_->mapToSource(table_->currentIndex());
    std::size_t row = 0;
    if (current.isValid() && list_) {
        row = std::size_t(current.row());
        const std::size_t tag = list_->table.columns.tag;
        const auto& fields = list_->table.records[row].fields;
        if (tag < fields.size() && !fields[tag].empty() && tag == list->table.columns.tag) {
            const auto& records = list->table.records;
            const auto same = std::find_if(records.begin(), records.end(), [&](const auto& record) {
                return tag < record.fields.size() && record.fields[tag] == fields[tag];
            });
            row = std::size_t(same - records.begin());
        }
    }
    list_ = std::move(list);
    model_->SetList(list_);
    setWindowTitle(startup_.Text(TextId::ListTitle).arg(QFileInfo(list_->path).fileName()));
    ShowSummary();
    table_->resizeColumnsToContents();
    const QModelIndex shown = filter_->mapFromSource(model_->index(int(row), 0));
    table_->setCurrentIndex(shown.isValid() ? shown : filter_->index(0, 0));
    table_->scrollTo(table_->currentIndex());
    table_->setFocus(Qt::OtherFocusReason);
}

void ListWindow::ShowSummary() {
    const ListDocument& list = *list_;
    QStringList lines = {startup_.Text(TextId::ListSummary)
                             .arg(list.shown.size() - list.refusedCount)
                             .arg(list.refusedCount)};
    if (!list.passedThrough.isEmpty())
        lines << startup_.Text(TextId::ListPassedThrough).arg(list.passedThrough.join(u", "));
    for (const auto& [column, input] : list.nearNames)
        lines << startup_.Text(TextId::ListDidYouMean).arg(column, input);
    summary_->setText(lines.join(u'\n'));
}

// The row's entries into the calculator, which calculates and comes forward;
// the list stays as it is. A malformed record has no entries: its message
// is told again.
void ListWindow::TakeRow(const QModelIndex& index) {
    const QModelIndex at = filter_->mapToSource(index);
    if (!at.isValid()) return;
    const ListTable::Record& record = list_->table.records[std::size_t(at.row())];
    if (!record.wellFormed) return SubShowMessage(this, Utf8(list_->shown[std::size_t(at.row())]));
    take_(GivenPointOf(
        list_->table.columns, record.fields.size(),
        [&](std::size_t column) -> std::string_view { return record.fields[column]; }));
}

// Read again as at first; a file that is no list now is told and the list
// shown stays.
void ListWindow::Reload() {
    auto read = ReadListDocument(list_->path, startup_);
    if (const auto* why = std::get_if<QString>(&read)) return SubShowMessage(this, *why);
    Show(std::get<std::shared_ptr<const ListDocument>>(std::move(read)));
}

QString ListWindow::AskForFile(TextId title, const QString& suffix, const QString& filter) {
    const QFileInfo file(list_->path);
    return QFileDialog::getSaveFileName(
        this, startup_.Text(title), file.dir().filePath(file.completeBaseName() + suffix), filter);
}

void ListWindow::TellNotSaved(const QString& path, const QString& reason) {
    SubShowMessage(this, startup_.Text(TextId::ListNotSaved) + QStringLiteral("\n\n") +
                             QDir::toNativeSeparators(path) + u'\n' + reason);
}

// The file is replaced whole or not at all.
void ListWindow::SaveList() {
    const QString path =
        AskForFile(TextId::ListSaveListTitle, QStringLiteral("-spacing.csv"),
                   startup_.Text(TextId::ListCsvFiles) + QStringLiteral(" (*.csv);;") +
                       startup_.Text(TextId::ListAllFiles) + QStringLiteral(" (*)"));
    if (path.isEmpty()) return;
    QSaveFile file(path);
    QString reason;
    // Unbuffered, so that a write cut short (a full disk) fails here and
    // never makes it into the file put in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return TellNotSaved(path, file.errorString());
    if (!WriteSpacingList(*list_, startup_, file, &reason)) {
        file.cancelWriting();
        return TellNotSaved(path, reason);
    }
    if (!file.commit()) TellNotSaved(path, file.errorString());
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
    const ListDocument& list = *list_;
    const std::size_t rows = list.shown.size();
    std::unique_ptr<QProgressDialog> progress;
    if (rows >= kProgressFromRows) {
        progress = std::make_unique<QProgressDialog>(startup_.Text(TextId::ListWritingSheets),
                                                     startup_.Text(TextId::DialogCancel), 0,
                                                     int(rows), this);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    const ListRowSheets sheets(startup_);
    std::vector<RefusedRow> refused;
    for (std::size_t row = 0; row < rows; ++row) {
        if (progress) {
            progress->setValue(int(row));
            if (progress->wasCanceled()) return;
        }
        if (!list.refused[row]) {
            writer.AddSheet(sheets.PageOf(list, row));
            continue;
        }
        refused.push_back({FncRefusedRowName(list.Tag(row), list.table.records[row].line, startup_),
                           Utf8(list.shown[row])});
    }
    if (!refused.empty()) writer.AddRefusedRows(refused);
    if (progress) progress->setValue(int(rows));
    if (!writer.Finish(&error)) TellNotSaved(path, error);
}

void ListWindow::PlaceBeside(const QWidget& calculator) {
    const QRect beside = calculator.frameGeometry();
    const QRect screen = calculator.screen()->availableGeometry();
    QRect placed(beside.topRight() + QPoint(1, 0), frameGeometry().size());
    if (placed.right() > screen.right()) placed.moveRight(beside.left() - 1);
    placed.moveLeft(std::clamp(placed.left(), screen.left(),
                               std::max(screen.left(), screen.right() - placed.width())));
    placed.moveTop(std::clamp(placed.top(), screen.top(),
                              std::max(screen.top(), screen.bottom() - placed.height())));
    move(placed.topLeft());
}

bool ListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Close && event->isAccepted()) close();
    return QWidget::eventFilter(watched, event);
}
