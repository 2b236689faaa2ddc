#pragma once
// The calculator window: every input, the result and the Execute button.
//
// The controls are built from the layout table (frmCalcLayout) and are
// reachable both by objectName and through the typed members below, which
// carry the same names as the controls.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "rules/InputDescriptors.h"
#include "settings/ModCommonProc.h"

class FieldValidator;

class frmCalc : public QWidget {
    Q_OBJECT

public:
    // The window shows the language and unit system of `startup` and reads
    // numbers in its number locale.
    explicit frmCalc(const StartupValues& startup, QWidget* parent = nullptr);
    ~frmCalc() override;

    const StartupValues& Startup() const { return startup_; }

    // Locked: read-only on the button-face colour. Unlocked: editable on the
    // window-background colour.
    void SetFieldLocked(QLineEdit* field, bool locked);

    // The controls of one input of the request, bound from the layout table.
    struct InputControls {
        QLabel* caption = nullptr;
        QWidget* entry = nullptr;  // a QLineEdit for a number, a QComboBox for a list
        QLabel* unit = nullptr;    // numbers only
        QLabel* range = nullptr;   // numbers only
        QLabel* mark = nullptr;
    };
    const InputControls& ControlsOf(InputId id) const;

    // Input captions.
    QLabel* OUTER_DIAMETER = nullptr;
    QLabel* PIPE_MATERIAL = nullptr;
    QLabel* TRANS_FREQUENCY = nullptr;
    QLabel* WALL_THICKNESS = nullptr;
    QLabel* SENSOR_MOUNT = nullptr;
    QLabel* SENSOR_TYPE = nullptr;
    QLabel* LINING_MATERIAL = nullptr;
    QLabel* LINING_S_V = nullptr;
    QLabel* LINING_THICKNESS = nullptr;
    QLabel* KIND_OF_FLUID = nullptr;
    QLabel* FLUID_S_V = nullptr;

    // Input fields and lists.
    QLineEdit* OUTER_DIAMETERText = nullptr;
    QLineEdit* TRANS_FREQUENCYText = nullptr;
    QLineEdit* WALL_THICKNESSText = nullptr;
    QLineEdit* LINING_S_VText = nullptr;
    QLineEdit* LINING_THICKNESSText = nullptr;
    QLineEdit* FLUID_S_VText = nullptr;
    QComboBox* PIPE_MATERIALCombo = nullptr;
    QComboBox* SENSOR_MOUNTCombo = nullptr;
    QComboBox* SENSOR_TYPECombo = nullptr;
    QComboBox* LINING_MATERIALCombo = nullptr;
    QComboBox* KIND_OF_FLUIDCombo = nullptr;

    // Range labels beneath the numeric fields.
    QLabel* OUTER_DIAMETER_RANGE = nullptr;
    QLabel* TRANS_FREQUENCY_RANGE = nullptr;
    QLabel* WALL_THICKNESS_RANGE = nullptr;
    QLabel* LINING_S_V_RANGE = nullptr;
    QLabel* LINING_THICKNESS_RANGE = nullptr;
    QLabel* FLUID_S_V_RANGE = nullptr;

    // Unit labels beside the numeric fields and the result.
    std::array<QLabel*, 2> Label8{};
    std::array<QLabel*, 1> Label12{};
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, 1> Label2{};
    QLabel* Label4 = nullptr;

    // Required marks, one per input, and their legend.
    std::array<QLabel*, 11> lblRequired{};
    QLabel* lblInputRequired = nullptr;

    // Result area.
    QGroupBox* fraResult = nullptr;
    QLabel* MOUNT_SIZE1 = nullptr;
    QLabel* MOUNT_SIZE2 = nullptr;
    QLineEdit* txtResult1Text = nullptr;
    QLineEdit* txtResult2Text = nullptr;
    QLabel* lblMount2Sensor = nullptr;

    // The button keeps the control's name as objectName; the member needs a
    // different one because the click handler is called ExecuteCalc.
    QPushButton* ExecuteCalcButton = nullptr;

public slots:
    void ExecuteCalc();

private:
    void BindInputControls(const std::vector<QWidget*>& controls);
    void SetUpFieldBehaviour();
    void SetUpFocusOrder();
    void ConnectHandlers();
    void Form_Load();
    void SetCaptions();
    void SetUnitAndRangeTexts();
    void FillLists();
    void SetResultLook();
    void SetMarks();
    void SelectDefaultEntries();
    void SetUpAccessibility();
    void SetUpValidators();
    // Locks or unlocks the numbers that depend on `list`, with their marks.
    void ApplyLockRules(InputId list);
    QFont GroupFont(double points, bool bold) const;
    QLineEdit* FieldOf(const InputDescriptor& input) const;
    QComboBox* ListOf(const InputDescriptor& input) const;
    // Each caption label with the field or list it names.
    std::vector<std::pair<QLabel*, QWidget*>> CaptionedFields() const;
    // What the user has entered, read once from the controls.
    Entries GatherEntries() const;

    const StartupValues startup_;
    std::array<InputControls, kInputCount> inputControls_{};
    FieldValidator* fieldValidator_ = nullptr;
};
