#pragma once
// The calculator window.

#include <QWidget>

class frmCalc : public QWidget {
    Q_OBJECT

public:
    explicit frmCalc(QWidget* parent = nullptr);
    ~frmCalc() override;
};
