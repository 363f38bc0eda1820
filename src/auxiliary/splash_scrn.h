#pragma once
// The about window: names the program and its version; any click on it goes
// back to the roster window.

#include <QWidget>

class QFrame;
class QLabel;

class TSplashScrn : public QWidget {
    Q_OBJECT
  public:
    TSplashScrn();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QFrame* Panel1;
    QLabel* Image1;

    // The window's click handler.
    void CloseSplash();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
