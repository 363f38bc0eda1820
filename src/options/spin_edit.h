#pragma once
// An integer field with up and down buttons and no bounds.

#include <QWidget>

class QLineEdit;
class QToolButton;

class TCSpinEdit : public QWidget {
    Q_OBJECT
  public:
    explicit TCSpinEdit(QWidget* parent = nullptr);

    // A text that is not a whole number reads as 0 and is rewritten as "0".
    int Value();
    void SetValue(int value);

    QLineEdit* editor() const { return edit_; }

  private:
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};
