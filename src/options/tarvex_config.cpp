#include "options/tarvex_config.h"

#include "app/look.h"

using namespace tarvex::ui;

TTarvexConfig::TTarvexConfig() {
    SetUpWindow(this, "TarvexConfig", QStringLiteral("Tarvex Configuation Options"), 684, 386, 33,
                145);
}
