#include "launch/launch_form.h"

#include "app/look.h"

using namespace tarvex::ui;

TLaunchForm::TLaunchForm() {
    SetUpWindow(this, "LaunchForm", QStringLiteral("Launch Options"), 290, 106, 238, 260);
}
