#include "window/frmCalcLayout.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QWidget>
#include <array>

namespace {

using F = DesignFont;
using R = Role;
using In = InputId;

// The result fields come after the frame so that they lie in front of it.
// clang-format off
constexpr std::array<ControlSpec, 54> kWindowLayout{{
    // Left column, row 1: outer diameter
    {"OUTER_DIAMETER", -1, nullptr, 240, 600, 2415, 255, F::System, R::Caption, In::OuterDiameter},
    {"lblRequired", 0, nullptr, 2880, 600, 255, 255, F::System, R::Mark, In::OuterDiameter},
    {"OUTER_DIAMETERText", -1, nullptr, 3240, 480, 2412, 405, F::System, R::Entry, In::OuterDiameter},
    {"Label8", 0, nullptr, 5760, 600, 735, 255, F::Terminal, R::Unit, In::OuterDiameter},
    {"OUTER_DIAMETER_RANGE", -1, nullptr, 3240, 900, 2415, 255, F::Terminal, R::Range, In::OuterDiameter},
    // Left column, row 2: pipe material
    {"PIPE_MATERIAL", -1, nullptr, 240, 1320, 2415, 255, F::System, R::Caption, In::PipeMaterial},
    {"lblRequired", 1, nullptr, 2880, 1320, 255, 255, F::System, R::Mark, In::PipeMaterial},
    {"PIPE_MATERIALCombo", -1, nullptr, 3240, 1200, 3255, 390, F::System, R::Entry, In::PipeMaterial},
    // Left column, row 3: pipe sound velocity
    {"TRANS_FREQUENCY", -1, nullptr, 240, 2040, 2415, 255, F::System, R::Caption, In::PipeVelocity},
    {"lblRequired", 2, nullptr, 2880, 2040, 255, 255, F::System, R::Mark, In::PipeVelocity},
    {"TRANS_FREQUENCYText", -1, nullptr, 3240, 1920, 2412, 405, F::System, R::Entry, In::PipeVelocity},
    {"Label12", 0, nullptr, 5760, 2040, 735, 255, F::Terminal, R::Unit, In::PipeVelocity},
    {"TRANS_FREQUENCY_RANGE", -1, nullptr, 3240, 2340, 2415, 255, F::Terminal, R::Range, In::PipeVelocity},
    // Left column, row 4: wall thickness
    {"WALL_THICKNESS", -1, nullptr, 240, 2760, 2415, 255, F::System, R::Caption, In::WallThickness},
    {"lblRequired", 3, nullptr, 2880, 2760, 255, 255, F::System, R::Mark, In::WallThickness},
    {"WALL_THICKNESSText", -1, nullptr, 3240, 2640, 2412, 405, F::System, R::Entry, In::WallThickness},
    {"Label8", 1, nullptr, 5760, 2760, 735, 255, F::Terminal, R::Unit, In::WallThickness},
    {"WALL_THICKNESS_RANGE", -1, nullptr, 3240, 3060, 2415, 255, F::Terminal, R::Range, In::WallThickness},
    // Left column, row 5: sensor mounting method
    {"SENSOR_MOUNT", -1, nullptr, 240, 3480, 2415, 255, F::System, R::Caption, In::MountingMethod},
    {"lblRequired", 4, nullptr, 2880, 3480, 255, 255, F::System, R::Mark, In::MountingMethod},
    {"SENSOR_MOUNTCombo", -1, nullptr, 3240, 3360, 2415, 390, F::System, R::Entry, In::MountingMethod},
    // Left column, row 6: sensor type
    {"SENSOR_TYPE", -1, nullptr, 240, 4200, 2415, 255, F::System, R::Caption, In::SensorType},
    {"lblRequired", 5, nullptr, 2880, 4200, 255, 255, F::System, R::Mark, In::SensorType},
    {"SENSOR_TYPECombo", -1, nullptr, 3240, 4080, 2415, 390, F::System, R::Entry, In::SensorType},
    // Right column, row 1: lining material
    {"LINING_MATERIAL", -1, nullptr, 6720, 600, 3015, 255, F::System, R::Caption, In::LiningMaterial},
    {"lblRequired", 6, nullptr, 9960, 600, 255, 255, F::System, R::Mark, In::LiningMaterial},
    {"LINING_MATERIALCombo", -1, nullptr, 10320, 480, 3255, 390, F::System, R::Entry, In::LiningMaterial},
    // Right column, row 2: lining sound velocity
    {"LINING_S_V", -1, nullptr, 6720, 1320, 3015, 255, F::System, R::Caption, In::LiningVelocity},
    {"lblRequired", 7, nullptr, 9960, 1320, 255, 255, F::System, R::Mark, In::LiningVelocity},
    {"LINING_S_VText", -1, nullptr, 10320, 1200, 2415, 405, F::System, R::Entry, In::LiningVelocity},
    {"Label1", 0, nullptr, 12840, 1320, 735, 255, F::Terminal, R::Unit, In::LiningVelocity},
    {"LINING_S_V_RANGE", -1, nullptr, 10320, 1620, 2415, 255, F::Terminal, R::Range, In::LiningVelocity},
    // Right column, row 3: lining thickness
    {"LINING_THICKNESS", -1, nullptr, 6720, 2040, 3015, 255, F::System, R::Caption, In::LiningThickness},
    {"lblRequired", 8, nullptr, 9960, 2040, 255, 255, F::System, R::Mark, In::LiningThickness},
    {"LINING_THICKNESSText", -1, nullptr, 10320, 1920, 2415, 405, F::System, R::Entry, In::LiningThickness},
    {"Label2", 0, nullptr, 12840, 2040, 735, 255, F::Terminal, R::Unit, In::LiningThickness},
    {"LINING_THICKNESS_RANGE", -1, nullptr, 10320, 2340, 2415, 255, F::Terminal, R::Range, In::LiningThickness},
    // Right column, row 4: kind of fluid
    {"KIND_OF_FLUID", -1, nullptr, 6720, 2760, 3015, 255, F::System, R::Caption, In::Fluid},
    {"lblRequired", 9, nullptr, 9960, 2760, 255, 255, F::System, R::Mark, In::Fluid},
    {"KIND_OF_FLUIDCombo", -1, nullptr, 10320, 2640, 3255, 390, F::System, R::Entry, In::Fluid},
    // Right column, row 5: fluid sound velocity
    {"FLUID_S_V", -1, nullptr, 6720, 3480, 3015, 255, F::System, R::Caption, In::FluidVelocity},
    {"lblRequired", 10, nullptr, 9960, 3480, 255, 255, F::System, R::Mark, In::FluidVelocity},
    {"FLUID_S_VText", -1, nullptr, 10320, 3360, 2415, 405, F::System, R::Entry, In::FluidVelocity},
    {"Label1", 1, nullptr, 12840, 3480, 735, 255, F::Terminal, R::Unit, In::FluidVelocity},
    {"FLUID_S_V_RANGE", -1, nullptr, 10320, 3780, 2415, 255, F::Terminal, R::Range, In::FluidVelocity},
    // Bottom area: the result frame and what lies in and beside it
    {"fraResult", -1, nullptr, 240, 4800, 8535, 1815, F::System, R::ResultFrame},
    {"MOUNT_SIZE1", -1, "fraResult", 240, 480, 2655, 255, F::System, R::ResultCaption1},
    {"txtResult1Text", -1, nullptr, 3360, 5280, 3255, 405, F::System, R::Result1},
    {"Label4", -1, "fraResult", 6600, 600, 735, 255, F::Terminal, R::ResultUnit},
    {"MOUNT_SIZE2", -1, "fraResult", 240, 1200, 2655, 255, F::System, R::ResultCaption2},
    {"txtResult2Text", -1, nullptr, 3360, 6000, 3255, 375, F::System, R::Result2},
    {"lblMount2Sensor", -1, "fraResult", 6600, 1320, 1815, 375, F::System, R::RailNote},
    {"lblInputRequired", -1, nullptr, 9000, 4080, 1215, 375, F::System, R::Legend},
    {"ExecuteCalc", -1, nullptr, 9840, 5040, 3615, 1215, F::System, R::Execute},
}};
// clang-format on

// A drop-down list that builds its popup on first use. QComboBox answers
// every font change by building the popup and its list view to hand them the
// font; the window sets each list's font before anyone can open it, and a
// popup built later takes the list's font when it is created. Geometry comes
// from the layout table, never from a size hint, so the hint QComboBox would
// reset here is not used.
class DropDownList : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange && findChild<QAbstractItemView*>() == nullptr) {
            QWidget::changeEvent(event);
            return;
        }
        QComboBox::changeEvent(event);
    }
};

}  // namespace

std::span<const ControlSpec> WindowLayout() {
    return kWindowLayout;
}

QString ControlObjectName(const ControlSpec& spec) {
    QString name = QString::fromLatin1(spec.name);
    if (spec.index >= 0) name += QLatin1Char('_') + QString::number(spec.index);
    return name;
}

QFont DesignFontOf(DesignFont font) {
    QFont result(font == DesignFont::Terminal ? QStringLiteral("Terminal")
                                              : QStringLiteral("System"));
    result.setPointSizeF(font == DesignFont::Terminal ? 9.75 : 13.5);
    result.setWeight(QFont::Normal);
    return result;
}

void PlaceControl(const ControlSpec& spec, QWidget* control) {
    control->setObjectName(ControlObjectName(spec));
    control->setGeometry(TwipsToPixels(spec.left), TwipsToPixels(spec.top),
                         TwipsToPixels(spec.width), TwipsToPixels(spec.height));
    // Initialisation gives every control of the "System" design font a font
    // of its own before the window is first shown; resolving that design
    // font would be a platform font search thrown away unused.
    if (spec.font != DesignFont::System) control->setFont(DesignFontOf(spec.font));
}

QComboBox* CreateDropDownList(const ControlSpec& spec, QWidget* parent) {
    auto* list = CreateControl<DropDownList>(spec, parent);
    list->setEditable(false);
    return list;
}
