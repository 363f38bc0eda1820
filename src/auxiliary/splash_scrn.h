#pragma once

#include <QWidget>

class TSplashScrn : public QWidget {
    Q_OBJECT
  public:
    TSplashScrn();
};
