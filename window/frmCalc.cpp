#include "window/frmCalc.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <utility>

#include "window/FontSubstitutions.h"
#include "window/WheelGuard.h"
#include "window/frmCalcLayout.h"

// The icons live in the core library, which is static: its resources must
// be registered by hand. Q_INIT_RESOURCE has to stand outside any namespace.
static void InitResources() {
    Q_INIT_RESOURCE(velkara);
}

frmCalc::frmCalc(QWidget* parent) : QWidget(parent) {
    InitResources();
    InstallFontSubstitutions();
    setObjectName(QStringLiteral("frmCalc"));
    setWindowTitle(DesignWindowCaption());
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/velkara-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/velkara-32.png"), QSize(32, 32));
    setWindowIcon(icon);

    BuildWindowControls(this);
    SetUpFieldBehaviour();
    SetUpFocusOrder();
    ConnectHandlers();
    Form_Load();
    SetUpAccessibility();
    OUTER_DIAMETERText->setFocus(Qt::OtherFocusReason);
    SetUpValidators();
}

frmCalc::~frmCalc() = default;

void frmCalc::SetUpFieldBehaviour() {
    for (const NumericField& row : NumericFields()) {
        row.field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Numbers only: an input method editor would just get in the way.
        row.field->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    for (QLineEdit* result : {txtResult1Text, txtResult2Text}) {
        result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetFieldLocked(result, true);
        // The results lie inside the frame's rectangle but belong to the
        // window; they must be drawn over the frame.
        result->raise();
    }

    for (const auto& [caption, field] : CaptionedFields()) caption->setBuddy(field);

    // A list may change only while the user works in it, never because the
    // wheel turned over it on the way to another control.
    auto* wheelGuard = new WheelGuard(this);
    for (QComboBox* list : {PIPE_MATERIALCombo, SENSOR_MOUNTCombo, SENSOR_TYPECombo,
                            LINING_MATERIALCombo, KIND_OF_FLUIDCombo}) {
        wheelGuard->Guard(list);
    }
}

std::vector<std::pair<QLabel*, QWidget*>> frmCalc::CaptionedFields() const {
    return {
        {OUTER_DIAMETER, OUTER_DIAMETERText},
        {PIPE_MATERIAL, PIPE_MATERIALCombo},
        {TRANS_FREQUENCY, TRANS_FREQUENCYText},
        {WALL_THICKNESS, WALL_THICKNESSText},
        {SENSOR_MOUNT, SENSOR_MOUNTCombo},
        {SENSOR_TYPE, SENSOR_TYPECombo},
        {LINING_MATERIAL, LINING_MATERIALCombo},
        {LINING_S_V, LINING_S_VText},
        {LINING_THICKNESS, LINING_THICKNESSText},
        {KIND_OF_FLUID, KIND_OF_FLUIDCombo},
        {FLUID_S_V, FLUID_S_VText},
        {MOUNT_SIZE1, txtResult1Text},
        {MOUNT_SIZE2, txtResult2Text},
    };
}

void frmCalc::SetUpFocusOrder() {
    QWidget* const order[] = {
        OUTER_DIAMETERText,   PIPE_MATERIALCombo, TRANS_FREQUENCYText,  WALL_THICKNESSText,
        SENSOR_MOUNTCombo,    SENSOR_TYPECombo,   LINING_MATERIALCombo, LINING_S_VText,
        LINING_THICKNESSText, KIND_OF_FLUIDCombo, FLUID_S_VText,        ExecuteCalcButton,
        txtResult1Text,       txtResult2Text,
    };
    const QList<QWidget*> focusable(std::begin(order), std::end(order));
    // Only the controls of the layout; the lists' own popups keep theirs.
    QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls += fraResult->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (!focusable.contains(control)) control->setFocusPolicy(Qt::NoFocus);
    }
    for (QWidget* control : order) control->setFocusPolicy(Qt::StrongFocus);
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmCalc::ConnectHandlers() {
    // currentIndexChanged covers selections set by the program, activated a
    // user's pick of the entry that is already selected.
    const std::pair<QComboBox*, void (frmCalc::*)()> handlers[] = {
        {PIPE_MATERIALCombo, &frmCalc::PIPE_MATERIALCombo_Click},
        {LINING_MATERIALCombo, &frmCalc::LINING_MATERIALCombo_Click},
        {KIND_OF_FLUIDCombo, &frmCalc::KIND_OF_FLUIDCombo_Click},
    };
    for (const auto& [list, handler] : handlers) {
        connect(list, &QComboBox::currentIndexChanged, this, handler);
        connect(list, &QComboBox::activated, this, handler);
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

bool frmCalc::IsFieldLocked(QLineEdit* field) const {
    return field->isReadOnly();
}
