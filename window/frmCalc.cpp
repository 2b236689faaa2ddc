#include "window/frmCalc.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <algorithm>
#include <utility>

#include "window/FontSubstitutions.h"
#include "window/WheelGuard.h"
#include "window/frmCalcLayout.h"

// The icons live in a static library: its resources must be registered by
// hand. Q_INIT_RESOURCE has to stand outside any namespace.
static void InitResources() {
    Q_INIT_RESOURCE(velkara);
}

frmCalc::frmCalc(const StartupValues& startup, QWidget* parent)
    : QWidget(parent), startup_(startup) {
    InitResources();
    InstallFontSubstitutions();
    setObjectName(QStringLiteral("frmCalc"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/velkara-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/velkara-32.png"), QSize(32, 32));
    setWindowIcon(icon);

    BindInputControls(BuildWindowControls(this));
    SetUpFieldBehaviour();
    SetUpFocusOrder();
    ConnectHandlers();
    Form_Load();
    SetUpAccessibility();
    OUTER_DIAMETERText->setFocus(Qt::OtherFocusReason);
    SetUpValidators();
}

frmCalc::~frmCalc() = default;

void frmCalc::BindInputControls(const std::vector<QWidget*>& controls) {
    const std::span<const ControlSpec> layout = WindowLayout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        InputControls& bound = inputControls_[FocusPosition(layout[i].input)];
        auto* label = qobject_cast<QLabel*>(controls[i]);
        switch (layout[i].part) {
            case InputPart::None:
                break;
            case InputPart::Caption:
                bound.caption = label;
                break;
            case InputPart::Entry:
                bound.entry = controls[i];
                break;
            case InputPart::Unit:
                bound.unit = label;
                break;
            case InputPart::Range:
                bound.range = label;
                break;
        }
    }
    for (std::size_t i = 0; i < kInputCount; ++i) inputControls_[i].mark = lblRequired[i];
}

const frmCalc::InputControls& frmCalc::ControlsOf(InputId id) const {
    return inputControls_[FocusPosition(id)];
}

QLineEdit* frmCalc::FieldOf(const InputDescriptor& input) const {
    return static_cast<QLineEdit*>(ControlsOf(input.id).entry);
}

QComboBox* frmCalc::ListOf(const InputDescriptor& input) const {
    return static_cast<QComboBox*>(ControlsOf(input.id).entry);
}

void frmCalc::SetUpFieldBehaviour() {
    // A list may change only while the user works in it, never because the
    // wheel turned over it on the way to another control.
    auto* wheelGuard = new WheelGuard(this);
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind == InputKind::List) {
            wheelGuard->Guard(ListOf(input));
            continue;
        }
        QLineEdit* field = FieldOf(input);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Numbers only: an input method editor would just get in the way.
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    for (QLineEdit* result : {txtResult1Text, txtResult2Text}) {
        result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetFieldLocked(result, true);
        // The results lie inside the frame's rectangle but belong to the
        // window; they must be drawn over the frame.
        result->raise();
    }
    for (const auto& [caption, field] : CaptionedFields()) caption->setBuddy(field);
}

std::vector<std::pair<QLabel*, QWidget*>> frmCalc::CaptionedFields() const {
    std::vector<std::pair<QLabel*, QWidget*>> pairs;
    for (const InputControls& input : inputControls_)
        pairs.emplace_back(input.caption, input.entry);
    pairs.emplace_back(MOUNT_SIZE1, txtResult1Text);
    pairs.emplace_back(MOUNT_SIZE2, txtResult2Text);
    return pairs;
}

void frmCalc::SetUpFocusOrder() {
    // The inputs in their order, then Execute and the results.
    QList<QWidget*> order;
    for (const InputControls& input : inputControls_) order.append(input.entry);
    order << ExecuteCalcButton << txtResult1Text << txtResult2Text;
    // Only the controls of the layout; the lists' own popups keep theirs.
    QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls += fraResult->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (!order.contains(control)) control->setFocusPolicy(Qt::NoFocus);
    }
    for (QWidget* control : order) control->setFocusPolicy(Qt::StrongFocus);
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmCalc::ConnectHandlers() {
    // A list that numbers depend on locks and unlocks them. currentIndexChanged
    // covers selections set by the program, activated a user's pick of the
    // entry that is already selected.
    for (const InputDescriptor& list : Inputs()) {
        const auto dependsOnList = [&](const InputDescriptor& input) {
            return input.lock && input.lock->list == list.id;
        };
        if (std::none_of(Inputs().begin(), Inputs().end(), dependsOnList)) continue;
        const auto handler = [this, id = list.id] { ApplyLockRules(id); };
        connect(ListOf(list), &QComboBox::currentIndexChanged, this, handler);
        connect(ListOf(list), &QComboBox::activated, this, handler);
    }
    connect(ExecuteCalcButton, &QPushButton::clicked, this, &frmCalc::ExecuteCalc);
    // Outside dialogs a push button ignores Enter unless it is auto-default;
    // keyboard users expect Enter on the focused Execute button to calculate.
    ExecuteCalcButton->setAutoDefault(true);
}

void frmCalc::SetFieldLocked(QLineEdit* field, bool locked) {
    field->setReadOnly(locked);
    // QLineEdit turns the input method back on whenever it becomes editable.
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    const QPalette system = QApplication::palette();
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, system.color(locked ? QPalette::Button : QPalette::Base));
    field->setPalette(palette);
}

Entries frmCalc::GatherEntries() const {
    Entries entries;
    for (const InputDescriptor& input : Inputs()) {
        Entry& entry = entries[FocusPosition(input.id)];
        if (input.kind == InputKind::Number) {
            entry.text = FieldOf(input)->text();
        } else {
            entry.position = ListOf(input)->currentIndex();
        }
    }
    return entries;
}
