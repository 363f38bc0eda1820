#include "app/message_box.h"

#include "app/look.h"

#include <QMessageBox>

namespace tarvex::ui {

namespace {
std::function<void(const std::string&)>& Hook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}
} // namespace

void ShowMessage(const std::string& text) {
    if (Hook()) {
        Hook()(text);
        return;
    }
    // No parent: the box keeps the system's own colours, not a black window's.
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), FromBytes(text),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowIcon(ApplicationIcon());
    box.exec();
}

void SetMessageHook(std::function<void(const std::string&)> hook) {
    Hook() = std::move(hook);
}

} // namespace tarvex::ui
