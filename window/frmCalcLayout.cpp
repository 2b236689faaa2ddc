#include "window/frmCalcLayout.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <type_traits>
#include <variant>

#include "window/frmCalc.h"

namespace {

using F = DesignFont;
using P = InputPart;
using In = InputId;

// In the order of creation; a frame comes before the controls it holds, and
// the result fields come after the frame so that they lie in front of it.
constexpr std::array<ControlSpec, 54> kWindowLayout{{
    // Left column, row 1: outer diameter
    {"OUTER_DIAMETER", -1, nullptr, 240, 600, 2415, 255, F::System, &frmCalc::OUTER_DIAMETER,
     P::Caption, In::OuterDiameter},
    {"lblRequired", 0, nullptr, 2880, 600, 255, 255, F::System, &frmCalc::lblRequired},
    {"OUTER_DIAMETERText", -1, nullptr, 3240, 480, 2412, 405, F::System,
     &frmCalc::OUTER_DIAMETERText, P::Entry, In::OuterDiameter},
    {"Label8", 0, nullptr, 5760, 600, 735, 255, F::Terminal, &frmCalc::Label8, P::Unit,
     In::OuterDiameter},
    {"OUTER_DIAMETER_RANGE", -1, nullptr, 3240, 900, 2415, 255, F::Terminal,
     &frmCalc::OUTER_DIAMETER_RANGE, P::Range, In::OuterDiameter},
    // Left column, row 2: pipe material
    {"PIPE_MATERIAL", -1, nullptr, 240, 1320, 2415, 255, F::System, &frmCalc::PIPE_MATERIAL,
     P::Caption, In::PipeMaterial},
    {"lblRequired", 1, nullptr, 2880, 1320, 255, 255, F::System, &frmCalc::lblRequired},
    {"PIPE_MATERIALCombo", -1, nullptr, 3240, 1200, 3255, 390, F::System,
     &frmCalc::PIPE_MATERIALCombo, P::Entry, In::PipeMaterial},
    // Left column, row 3: pipe sound velocity
    {"TRANS_FREQUENCY", -1, nullptr, 240, 2040, 2415, 255, F::System, &frmCalc::TRANS_FREQUENCY,
     P::Caption, In::PipeVelocity},
    {"lblRequired", 2, nullptr, 2880, 2040, 255, 255, F::System, &frmCalc::lblRequired},
    {"TRANS_FREQUENCYText", -1, nullptr, 3240, 1920, 2412, 405, F::System,
     &frmCalc::TRANS_FREQUENCYText, P::Entry, In::PipeVelocity},
    {"Label12", 0, nullptr, 5760, 2040, 735, 255, F::Terminal, &frmCalc::Label12, P::Unit,
     In::PipeVelocity},
    {"TRANS_FREQUENCY_RANGE", -1, nullptr, 3240, 2340, 2415, 255, F::Terminal,
     &frmCalc::TRANS_FREQUENCY_RANGE, P::Range, In::PipeVelocity},
    // Left column, row 4: wall thickness
    {"WALL_THICKNESS", -1, nullptr, 240, 2760, 2415, 255, F::System, &frmCalc::WALL_THICKNESS,
     P::Caption, In::WallThickness},
    {"lblRequired", 3, nullptr, 2880, 2760, 255, 255, F::System, &frmCalc::lblRequired},
    {"WALL_THICKNESSText", -1, nullptr, 3240, 2640, 2412, 405, F::System,
     &frmCalc::WALL_THICKNESSText, P::Entry, In::WallThickness},
    {"Label8", 1, nullptr, 5760, 2760, 735, 255, F::Terminal, &frmCalc::Label8, P::Unit,
     In::WallThickness},
    {"WALL_THICKNESS_RANGE", -1, nullptr, 3240, 3060, 2415, 255, F::Terminal,
     &frmCalc::WALL_THICKNESS_RANGE, P::Range, In::WallThickness},
    // Left column, row 5: sensor mounting method
    {"SENSOR_MOUNT", -1, nullptr, 240, 3480, 2415, 255, F::System, &frmCalc::SENSOR_MOUNT,
     P::Caption, In::MountingMethod},
    {"lblRequired", 4, nullptr, 2880, 3480, 255, 255, F::System, &frmCalc::lblRequired},
    {"SENSOR_MOUNTCombo", -1, nullptr, 3240, 3360, 2415, 390, F::System,
     &frmCalc::SENSOR_MOUNTCombo, P::Entry, In::MountingMethod},
    // Left column, row 6: sensor type
    {"SENSOR_TYPE", -1, nullptr, 240, 4200, 2415, 255, F::System, &frmCalc::SENSOR_TYPE, P::Caption,
     In::SensorType},
    {"lblRequired", 5, nullptr, 2880, 4200, 255, 255, F::System, &frmCalc::lblRequired},
    {"SENSOR_TYPECombo", -1, nullptr, 3240, 4080, 2415, 390, F::System, &frmCalc::SENSOR_TYPECombo,
     P::Entry, In::SensorType},
    // Right column, row 1: lining material
    {"LINING_MATERIAL", -1, nullptr, 6720, 600, 3015, 255, F::System, &frmCalc::LINING_MATERIAL,
     P::Caption, In::LiningMaterial},
    {"lblRequired", 6, nullptr, 9960, 600, 255, 255, F::System, &frmCalc::lblRequired},
    {"LINING_MATERIALCombo", -1, nullptr, 10320, 480, 3255, 390, F::System,
     &frmCalc::LINING_MATERIALCombo, P::Entry, In::LiningMaterial},
    // Right column, row 2: lining sound velocity
    {"LINING_S_V", -1, nullptr, 6720, 1320, 3015, 255, F::System, &frmCalc::LINING_S_V, P::Caption,
     In::LiningVelocity},
    {"lblRequired", 7, nullptr, 9960, 1320, 255, 255, F::System, &frmCalc::lblRequired},
    {"LINING_S_VText", -1, nullptr, 10320, 1200, 2415, 405, F::System, &frmCalc::LINING_S_VText,
     P::Entry, In::LiningVelocity},
    {"Label1", 0, nullptr, 12840, 1320, 735, 255, F::Terminal, &frmCalc::Label1, P::Unit,
     In::LiningVelocity},
    {"LINING_S_V_RANGE", -1, nullptr, 10320, 1620, 2415, 255, F::Terminal,
     &frmCalc::LINING_S_V_RANGE, P::Range, In::LiningVelocity},
    // Right column, row 3: lining thickness
    {"LINING_THICKNESS", -1, nullptr, 6720, 2040, 3015, 255, F::System, &frmCalc::LINING_THICKNESS,
     P::Caption, In::LiningThickness},
    {"lblRequired", 8, nullptr, 9960, 2040, 255, 255, F::System, &frmCalc::lblRequired},
    {"LINING_THICKNESSText", -1, nullptr, 10320, 1920, 2415, 405, F::System,
     &frmCalc::LINING_THICKNESSText, P::Entry, In::LiningThickness},
    {"Label2", 0, nullptr, 12840, 2040, 735, 255, F::Terminal, &frmCalc::Label2, P::Unit,
     In::LiningThickness},
    {"LINING_THICKNESS_RANGE", -1, nullptr, 10320, 2340, 2415, 255, F::Terminal,
     &frmCalc::LINING_THICKNESS_RANGE, P::Range, In::LiningThickness},
    // Right column, row 4: kind of fluid
    {"KIND_OF_FLUID", -1, nullptr, 6720, 2760, 3015, 255, F::System, &frmCalc::KIND_OF_FLUID,
     P::Caption, In::Fluid},
    {"lblRequired", 9, nullptr, 9960, 2760, 255, 255, F::System, &frmCalc::lblRequired},
    {"KIND_OF_FLUIDCombo", -1, nullptr, 10320, 2640, 3255, 390, F::System,
     &frmCalc::KIND_OF_FLUIDCombo, P::Entry, In::Fluid},
    // Right column, row 5: fluid sound velocity
    {"FLUID_S_V", -1, nullptr, 6720, 3480, 3015, 255, F::System, &frmCalc::FLUID_S_V, P::Caption,
     In::FluidVelocity},
    {"lblRequired", 10, nullptr, 9960, 3480, 255, 255, F::System, &frmCalc::lblRequired},
    {"FLUID_S_VText", -1, nullptr, 10320, 3360, 2415, 405, F::System, &frmCalc::FLUID_S_VText,
     P::Entry, In::FluidVelocity},
    {"Label1", 1, nullptr, 12840, 3480, 735, 255, F::Terminal, &frmCalc::Label1, P::Unit,
     In::FluidVelocity},
    {"FLUID_S_V_RANGE", -1, nullptr, 10320, 3780, 2415, 255, F::Terminal, &frmCalc::FLUID_S_V_RANGE,
     P::Range, In::FluidVelocity},
    // Bottom area: the result frame and what lies in and beside it
    {"fraResult", -1, nullptr, 240, 4800, 8535, 1815, F::System, &frmCalc::fraResult},
    {"MOUNT_SIZE1", -1, "fraResult", 240, 480, 2655, 255, F::System, &frmCalc::MOUNT_SIZE1},
    {"txtResult1Text", -1, nullptr, 3360, 5280, 3255, 405, F::System, &frmCalc::txtResult1Text},
    {"Label4", -1, "fraResult", 6600, 600, 735, 255, F::Terminal, &frmCalc::Label4},
    {"MOUNT_SIZE2", -1, "fraResult", 240, 1200, 2655, 255, F::System, &frmCalc::MOUNT_SIZE2},
    {"txtResult2Text", -1, nullptr, 3360, 6000, 3255, 375, F::System, &frmCalc::txtResult2Text},
    {"lblMount2Sensor", -1, "fraResult", 6600, 1320, 1815, 375, F::System,
     &frmCalc::lblMount2Sensor},
    {"lblInputRequired", -1, nullptr, 9000, 4080, 1215, 375, F::System, &frmCalc::lblInputRequired},
    {"ExecuteCalc", -1, nullptr, 9840, 5040, 3615, 1215, F::System, &frmCalc::ExecuteCalcButton},
}};

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

// The control a window member holds: the member's own type, a label for an
// item of a control array.
template <typename Member>
struct Held;
template <typename T>
struct Held<T*> {
    using type = T;
};
template <std::size_t N>
struct Held<std::array<QLabel*, N>> {
    using type = QLabel;
};

template <typename Control>
Control* Create(QWidget* parent) {
    if constexpr (std::is_same_v<Control, QComboBox>) {
        auto* list = new DropDownList(parent);
        list->setEditable(false);
        return list;
    } else if constexpr (std::is_same_v<Control, QLineEdit>) {
        return new QLineEdit(parent);
    } else {
        return new Control(parent);  // label, frame, button
    }
}

template <typename Control>
void Store(Control*& member, int, Control* control) {
    member = control;
}

template <std::size_t N>
void Store(std::array<QLabel*, N>& member, int index, QLabel* control) {
    member.at(static_cast<std::size_t>(index)) = control;
}

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

std::vector<QWidget*> BuildWindowControls(frmCalc* window) {
    QHash<QString, QWidget*> containers;
    std::vector<QWidget*> controls;
    controls.reserve(kWindowLayout.size());
    for (const ControlSpec& spec : WindowLayout()) {
        QWidget* parent = window;
        if (spec.container != nullptr)
            parent = containers.value(QString::fromLatin1(spec.container));
        Q_ASSERT(parent != nullptr);
        // The control's type is the type of the window member that holds it.
        QWidget* control = nullptr;
        std::visit(
            [&](auto member) {
                auto& held = window->*member;
                using Control = typename Held<std::remove_reference_t<decltype(held)>>::type;
                Control* created = Create<Control>(parent);
                Store(held, spec.index, created);
                control = created;
            },
            spec.slot);
        control->setObjectName(ControlObjectName(spec));
        control->setGeometry(TwipsToPixels(spec.left), TwipsToPixels(spec.top),
                             TwipsToPixels(spec.width), TwipsToPixels(spec.height));
        // Initialisation gives every control of the "System" design font a
        // font of its own before the window is first shown; resolving that
        // design font would be a platform font search thrown away unused.
        if (spec.font != DesignFont::System) control->setFont(DesignFontOf(spec.font));
        if (qobject_cast<QGroupBox*>(control)) containers.insert(control->objectName(), control);
        controls.push_back(control);
    }
    return controls;
}
