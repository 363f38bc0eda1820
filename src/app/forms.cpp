#include "app/forms.h"

#include "app/look.h"
#include "app/message_box.h"
#include "auxiliary/chat_editor.h"
#include "auxiliary/splash_scrn.h"
#include "launch/launch_form.h"
#include "options/tarvex_config.h"
#include "roster/main_form.h"

#include <QApplication>
#include <QEvent>

#include <exception>

TMainForm* MainForm = nullptr;
TSplashScrn* SplashScrn = nullptr;
TTarvexConfig* TarvexConfig = nullptr;
TLaunchForm* LaunchForm = nullptr;
TChatEditor* ChatEditor = nullptr;

namespace tarvex::ui {

void CreateForms() {
    MainForm = new TMainForm;
    SplashScrn = new TSplashScrn;
    TarvexConfig = new TTarvexConfig;
    LaunchForm = new TLaunchForm;
    ChatEditor = new TChatEditor;
}

void DestroyForms() {
    delete ChatEditor;
    delete LaunchForm;
    delete TarvexConfig;
    delete SplashScrn;
    delete MainForm;
    ChatEditor = nullptr;
    LaunchForm = nullptr;
    TarvexConfig = nullptr;
    SplashScrn = nullptr;
    MainForm = nullptr;
}

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    // Windows are hidden and shown, never closed, except the roster window,
    // whose close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ApplicationIcon());
    // Nothing of ours throws on purpose; should the library run out of memory
    // during start-up or in the message loop, say so instead of aborting.
    try {
        CreateForms();
        // Qt would polish every hidden window as soon as the loop starts: label
        // sizing, the launch buttons' icons and more, none of it seen until
        // that window is shown. Showing a window polishes it anyway.
        QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
        MainForm->show();
        QApplication::exec();
    } catch (const std::exception& e) {
        ShowMessage(e.what());
    }
    DestroyForms();
    return 0;
}

} // namespace tarvex::ui
