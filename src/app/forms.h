#pragma once
// The five windows, created once at start-up in a fixed order and reachable
// from every handler through these references.

class TMainForm;
class TSplashScrn;
class TTarvexConfig;
class TLaunchForm;
class TChatEditor;

extern TMainForm* MainForm;
extern TSplashScrn* SplashScrn;
extern TTarvexConfig* TarvexConfig;
extern TLaunchForm* LaunchForm;
extern TChatEditor* ChatEditor;

namespace tarvex::ui {

// Creates the windows in order, each running its creation handler; none is shown.
void CreateForms();
void DestroyForms();

// The whole program: application object, title, windows, message loop.
int RunApplication(int argc, char** argv);

} // namespace tarvex::ui
