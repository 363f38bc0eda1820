#pragma once

#include <QWidget>

class TChatEditor : public QWidget {
    Q_OBJECT
  public:
    TChatEditor();
};
