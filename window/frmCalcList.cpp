// The calculator window's lists of measuring points: Ctrl+O, the results'
// and the sensor type list's context menus, a .csv file dropped on the
// window, or a path given at start open a list in the list window; a row
// taken there comes into the fields and lists as if typed.

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QRegularExpression>
#include <QShortcut>
#include <QStandardPaths>

#include "list/PointRun.h"
#include "rules/ListNames.h"
#include "window/ContextMenuEntries.h"
#include "window/ListDrops.h"
#include "window/ListWindow.h"
#include "window/MessageBox.h"
#include "window/PipeSizeDialog.h"
#include "window/TypeIntoField.h"
#include "window/frmCalc.h"

namespace {

// A number as a list writes it (a point, no grouping) in the window's number
// format, its digits as they are; any other text as it is, for the field's
// own check to refuse.
QString InWindowFormat(QString text, const QLocale& window) {
    static const QRegularExpression plainNumber(QStringLiteral("^\\s*[-+]?[0-9]*\\.?[0-9]*\\s*$"));
    if (plainNumber.match(text).hasMatch()) text.replace(u'.', window.decimalPoint());
    return text;
}

}  // namespace

void frmCalc::SetUpList() {
    auto* open = new QShortcut(QKeySequence::Open, this);
    connect(open, &QShortcut::activated, this, &frmCalc::AskForList);
    const QString entry = startup_.Text(TextId::ListMenuEntry);
    for (QWidget* control :
         {ControlsOf(InputId::SensorType).entry, static_cast<QWidget*>(results_[0]),
          static_cast<QWidget*>(results_[1])})
        AddContextMenuEntry(control, entry, [this] { AskForList(); });
    AcceptListDrops(this, [this](const QString& path) { OpenList(path); });
}

void frmCalc::AskForList() {
    const QString folder =
        listWindow_ ? QFileInfo(listWindow_->Path()).absolutePath()
                    : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getOpenFileName(
        this, startup_.Text(TextId::ListOpenTitle), folder,
        startup_.Text(TextId::ListCsvFiles) + QStringLiteral(" (*.csv);;") +
            startup_.Text(TextId::ListAllFiles) + QStringLiteral(" (*)"));
    if (!path.isEmpty()) OpenList(path);
}

// A file that is no list is told, and nothing else changes.
void frmCalc::OpenList(const QString& path) {
    auto read = ReadListDocument(path, startup_);
    if (const auto* why = std::get_if<QString>(&read)) return SubShowMessage(this, *why);
    if (!listWindow_) {
        listWindow_ = new ListWindow(
            startup_, this, [this](const GivenPoint& point) { TakeListRow(point); },
            [this] { AskForList(); });
        listWindow_->PlaceBeside(*this);
    }
    listWindow_->Show(std::get<std::shared_ptr<const ListDocument>>(std::move(read)));
    listWindow_->setWindowState(listWindow_->windowState() & ~Qt::WindowMinimized);
    listWindow_->show();
    listWindow_->raise();
    listWindow_->activateWindow();
}

// The values as the tool reads them; numbers go into the fields in the
// window's number format (those of a pipe size or a temperature as their
// dialogs write them). A value that no entry takes (a name in no list) is
// told, and nothing changes.
void frmCalc::TakeListRow(const GivenPoint& point) {
    NumberFormat listFormat = startup_.format;
    listFormat.locale = PointNumberLocale();
    const auto resolved = FncResolveGiven(point, ListNames(), listFormat);
    if (const auto* refusal = std::get_if<GivenRefusal>(&resolved))
        return SubShowMessage(this, FncGivenRefusalText(*refusal, startup_.language));
    const GivenEntries& given = std::get<GivenEntries>(resolved);
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind == InputKind::List)
            ListOf(input)->setCurrentIndex(given.entries[FocusPosition(input.id)].position);
    }
    const Entries entries = GatherEntries();
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind != InputKind::Number || IsLocked(input, entries)) continue;
        const QString& text = given.entries[FocusPosition(input.id)].text;
        TypeIntoField(FieldOf(input), InWindowFormat(text, startup_.format.locale));
    }
    pipeSizePick_ = given.pipeSize;
    liquid_ = given.liquid;
    ExecuteCalc();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}
