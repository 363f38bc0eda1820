#pragma once

#include <QWidget>

class QCheckBox;
class TCSpinEdit;

class TTarvexConfig : public QWidget {
    Q_OBJECT
  public:
    TTarvexConfig();

    QCheckBox* CFGTeamplay;
    TCSpinEdit* CFGBotstospawn;
};
