#pragma once
// The calculator window: every input, the result and the Execute button.
//
// The controls are built from the layout table (frmCalcLayout) and carry its
// names as objectNames; the window holds each by the role its row gives it.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "rules/GivenValues.h"
#include "rules/InputDescriptors.h"
#include "rules/LiquidTemperature.h"
#include "rules/PipeSizes.h"
#include "rules/SpacingRun.h"
#include "settings/ModCommonProc.h"

class FieldValidator;
class ListWindow;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct ControlSpec;
struct SpacingRun;

class frmCalc : public QWidget {
    Q_OBJECT

public:
    // The window shows the language and unit system of `startup` and reads
    // numbers in its number locale.
    explicit frmCalc(const StartupValues& startup, QWidget* parent = nullptr);
    ~frmCalc() override;

    // Opens the list of measuring points at `path` in the list window, or
    // says why it is none (frmCalcList.cpp).
    void OpenList(const QString& path);

private:
    // The controls of one input of the request.
    struct InputControls {
        QLabel* caption = nullptr;
        QWidget* entry = nullptr;  // a QLineEdit for a number, a QComboBox for a list
        QLabel* unit = nullptr;    // numbers only
        QLabel* range = nullptr;   // numbers only
        QLabel* mark = nullptr;
    };

    // Construction, in this order.
    void CreateControls();
    void SetUpControls();
    void SetUpFocusOrder();
    void SetCaptions();
    void SetUnitsAndRanges();
    void SetResultLook();
    void SetMarks();
    void FillLists();
    void ConnectHandlers();
    void SelectDefaultEntries();
    void SetUpAccessibility();
    void SetUpValidators();
    void SetUpPipeSizeTable();
    void SetUpLiquidTemperature();
    void SetUpComparison();
    void SetUpSheet();
    void SetUpList();

    // Handlers.
    // Locks or unlocks the numbers that depend on `list`, with their marks.
    void ApplyLockRules(InputId list);
    void ExecuteCalc();
    // Why a run shows no spacing, as Execute tells it.
    void ShowNotComputed(const SpacingRun& run);
    void OpenPipeSizeTable();
    void OpenLiquidTemperature();
    void OpenComparison();
    // Calculates as Execute does, then writes the point's mounting sheet
    // into a PDF the user names (frmCalcSheet.cpp).
    void SaveSheet();
    // The open dialog for a list.
    void AskForList();
    // A list row's values into the fields and lists as if typed, then Execute.
    void TakeListRow(const GivenPoint& point);

    // Creates the control of a layout row and holds it by its role.
    void AddControl(const ControlSpec& spec, QWidget* container);
    const InputControls& ControlsOf(InputId id) const;
    QLineEdit* FieldOf(const InputDescriptor& input) const;
    QComboBox* ListOf(const InputDescriptor& input) const;
    // Each caption label with the field or list it names.
    std::array<std::pair<QLabel*, QWidget*>, kInputCount + 2> CaptionedFields() const;
    // What the user has entered, read once from the controls.
    Entries GatherEntries() const;
    // Execute on `entries`: the result shown, or the refusal or failure told;
    // the run when it was shown.
    std::optional<SpacingRun> RunAndShow(const Entries& entries);
    // The pipe size table's row that the outer diameter and the wall still
    // hold, if they were taken from it.
    std::optional<PipeSizePick> PipeSizeOfFields() const;
    // The liquid and temperature whose velocity the fluid velocity field
    // still holds.
    std::optional<LiquidOrigin> LiquidOfFields() const;

    const StartupValues startup_;
    std::array<InputControls, kInputCount> inputs_{};
    QGroupBox* resultFrame_ = nullptr;
    std::array<QLabel*, 2> resultCaptions_{};
    std::array<QLineEdit*, 2> results_{};  // txtResult1Text: the spacing; 2: rail steps
    QLabel* resultUnit_ = nullptr;
    QLabel* railNote_ = nullptr;
    QLabel* legend_ = nullptr;
    QPushButton* execute_ = nullptr;
    FieldValidator* fieldValidator_ = nullptr;
    std::optional<PipeSizePick> pipeSizePick_;  // the last taken from the tables
    std::optional<LiquidOrigin> liquid_;        // the last taken from a liquid's temperature
    QString sheetFolder_;                       // where the last sheet went
    QPointer<ListWindow> listWindow_;           // the list opened, if any
};
