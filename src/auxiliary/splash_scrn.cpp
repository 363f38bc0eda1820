#include "auxiliary/splash_scrn.h"

#include "app/look.h"

using namespace tarvex::ui;

TSplashScrn::TSplashScrn() {
    SetUpWindow(this, "SplashScrn", QStringLiteral("Welcome to Tarvex, Bot Manager"), 375, 97, 246,
                273, Frame::Dialog);
}
