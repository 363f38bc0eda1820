#include "options/spin_edit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QToolButton>
#include <QValidator>
#include <climits>

namespace {

constexpr int kButtonWidth = 15;

// Only a whole number that fits 32 bits, or the start of one ("" or "-"),
// can be typed; Value() reads such a start as 0.
class IntegerValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        if (input.isEmpty() || input == QLatin1String("-"))
            return Intermediate;
        const qsizetype digitsFrom = input.startsWith(QLatin1Char('-')) ? 1 : 0;
        for (qsizetype i = digitsFrom; i < input.size(); ++i)
            if (input[i] < QLatin1Char('0') || input[i] > QLatin1Char('9'))
                return Invalid;
        bool ok = false;
        input.toInt(&ok);
        return ok ? Acceptable : Invalid;
    }
};

} // namespace

TCSpinEdit::TCSpinEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    // Set here, not in the constructor, which would shape it in the
    // application's default font first.
    edit_->setText(QStringLiteral("0"));
    edit_->setObjectName(QStringLiteral("edit"));
    edit_->setValidator(new IntegerValidator(edit_));
    edit_->installEventFilter(this);
    setFocusProxy(edit_);
    setFocusPolicy(edit_->focusPolicy());

    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(QStringLiteral("Up"));
    down_->setAccessibleName(QStringLiteral("Down"));
    // The buttons look like the system's whatever colour the field's text has.
    QPalette buttonPalette = up_->palette();
    for (const auto role : {QPalette::ButtonText, QPalette::WindowText})
        buttonPalette.setColor(role, QGuiApplication::palette().color(role));
    for (QToolButton* button : {up_, down_}) {
        button->setPalette(buttonPalette);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setIconSize(QSize(7, 4));
    }
    connect(up_, &QToolButton::clicked, this, [this] { StepBy(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
}

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

void TCSpinEdit::StepBy(int step) {
    const long long next = static_cast<long long>(Value()) + step;
    SetValue(next > INT_MAX ? INT_MAX : next < INT_MIN ? INT_MIN : static_cast<int>(next));
    edit_->selectAll();
}

bool TCSpinEdit::event(QEvent* event) {
    // The field takes the focus, so a screen reader tells the hint from there.
    if (event->type() == QEvent::ToolTipChange)
        edit_->setAccessibleDescription(toolTip());
    return QWidget::event(event);
}

void TCSpinEdit::resizeEvent(QResizeEvent*) {
    // The buttons sit inside the field's border, at its right end.
    const int w = width();
    const int h = height();
    constexpr int border = 2;
    const int inner = h - 2 * border;
    edit_->setGeometry(0, 0, w, h);
    edit_->setTextMargins(0, 0, kButtonWidth, 0);
    up_->setGeometry(w - border - kButtonWidth, border, kButtonWidth, inner / 2);
    down_->setGeometry(w - border - kButtonWidth, border + inner / 2, kButtonWidth,
                       inner - inner / 2);
}

bool TCSpinEdit::eventFilter(QObject* watched, QEvent* event) {
    // The arrow keys step the value as the buttons do.
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepBy(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
