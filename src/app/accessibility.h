#pragma once
// What screen readers say a control is.

#include <QLabel>
#include <QString>
#include <QWidget>

namespace tarvex::ui {

// A prompt's caption as it should be spoken: without the dots, colon and
// spaces that only line it up with its control on screen.
inline QString SpokenPrompt(const QString& caption) {
    qsizetype end = caption.size();
    while (end > 0 && QStringView(u".: ").contains(caption[end - 1]))
        --end;
    return caption.left(end);
}

// Names `control` after the label in front of it, as Windows names an edit box
// after its label. The label points at the control too: Qt on Linux names a
// combo box by its text and speaks its label through that link instead.
inline void NameAfterPrompt(QWidget* control, QLabel* prompt) {
    const QString name = SpokenPrompt(prompt->text());
    control->setAccessibleName(name);
    // The part that takes the focus is the one a screen reader announces.
    if (QWidget* proxy = control->focusProxy())
        proxy->setAccessibleName(name);
    prompt->setAccessibleName(name);
    prompt->setBuddy(control);
}

} // namespace tarvex::ui
