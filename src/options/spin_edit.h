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

    // One step up or down, held at the ends of the 32-bit range.
    void StepBy(int step);

    QLineEdit* editor() const { return edit_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};
