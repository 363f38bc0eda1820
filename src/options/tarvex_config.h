#pragma once

#include <QWidget>

class TTarvexConfig : public QWidget {
    Q_OBJECT
  public:
    TTarvexConfig();
};
