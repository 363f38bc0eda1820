#include "options/spin_edit.h"

#include <QLineEdit>
#include <QToolButton>

TCSpinEdit::TCSpinEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(QStringLiteral("0"), this)), up_(new QToolButton(this)),
      down_(new QToolButton(this)) {}

int TCSpinEdit::Value() {
    bool ok = false;
    const int value = edit_->text().toInt(&ok);
    if (!ok) {
        edit_->setText(QStringLiteral("0"));
        return 0;
    }
    return value;
}

void TCSpinEdit::SetValue(int value) {
    edit_->setText(QString::number(value));
}
