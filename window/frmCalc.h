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

#include "window/NumericField.h"

class FieldValidator;

class frmCalc : public QWidget {
    Q_OBJECT

public:
    explicit frmCalc(QWidget* parent = nullptr);
    ~frmCalc() override;

    // Unit names by unit system: [0] length, [1] velocity.
    std::array<QString, 2> UnitText;
    // Input limits as fixed texts, five lower/upper pairs.
    std::array<QString, 10> RangeText;

    // iFlag 0: metric texts; any other value: English units.
    void SubGetUnitForm1(const std::int16_t& iFlag);
    void SubGetUnitRange(const std::int16_t& iFlag);

    // Locked: read-only on the button-face colour. Unlocked: editable on the
    // window-background colour.
    void SetFieldLocked(QLineEdit* field, bool locked);
    bool IsFieldLocked(QLineEdit* field) const;

    // The six numeric fields in focus order, with their labels and limits.
    std::array<NumericField, 6> NumericFields() const;

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

    // Name lists, filled once by Form_Load.
    QStringList PipeNameList;
    QStringList FluidNameList;
    QStringList LiningNameList;
    QStringList MountNameList;
    QStringList SensorNameList;

public slots:
    void ExecuteCalc();

private slots:
    void PIPE_MATERIALCombo_Click();
    void LINING_MATERIALCombo_Click();
    void KIND_OF_FLUIDCombo_Click();

private:
    void SetUpFocusOrder();
    void SetUpFieldBehaviour();
    void ConnectHandlers();
    void Form_Load();
    void FillList(QComboBox* list, const QStringList& names, const QFont& font);
    void SetUpAccessibility();
    // Each caption label with the field or list it names.
    std::vector<std::pair<QLabel*, QWidget*>> CaptionedFields() const;
    void SetUpValidators();
    QString UnitCaption(Quantity quantity) const;
    QString RangeCaption(const NumericField& row) const;
    // Refuses the first field the calculation could not use, the way leaving
    // it would; true when every field may be used.
    bool FncFieldsUsable();

    FieldValidator* fieldValidator_ = nullptr;
};
