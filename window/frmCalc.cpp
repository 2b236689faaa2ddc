#include "window/frmCalc.h"

frmCalc::frmCalc(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmCalc"));
    setFixedSize(926, 471);
}

frmCalc::~frmCalc() = default;
