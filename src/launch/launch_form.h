#pragma once

#include <QWidget>

class TLaunchForm : public QWidget {
    Q_OBJECT
  public:
    TLaunchForm();
};
