#pragma once
// What a screen reader is told about a control, read through Qt's
// accessibility interface as the platform's bridge reads it.

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace tarvex::testing {

inline QString SpokenName(QWidget* control) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    if (!iface)
        return QStringLiteral("<not accessible>");
#ifdef Q_OS_UNIX
    // Qt here names a combo box by its text and tells its prompt through the
    // "labelled by" link; elsewhere it names it after the prompt.
    if (iface->role() == QAccessible::ComboBox) {
        const auto labels = iface->relations(QAccessible::Label);
        const QString label = labels.size() == 1 ? labels[0].first->text(QAccessible::Name)
                                                 : QStringLiteral("<%1 labels>").arg(labels.size());
        return label == control->accessibleName()
                   ? label
                   : QStringLiteral("<label %1, name %2>").arg(label, control->accessibleName());
    }
#endif
    return iface->text(QAccessible::Name);
}

inline QString SpokenDescription(QWidget* control) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(QAccessible::Description) : QStringLiteral("<not accessible>");
}

} // namespace tarvex::testing
