#include "options/tarvex_config.h"

#include "app/look.h"
#include "options/spin_edit.h"

#include <QCheckBox>

using namespace tarvex::ui;

TTarvexConfig::TTarvexConfig() {
    SetUpWindow(this, "TarvexConfig", QStringLiteral("Tarvex Configuation Options"), 684, 386, 33,
                145);
    CFGTeamplay = new QCheckBox(QStringLiteral("Enable Teamplay"), this);
    CFGTeamplay->setObjectName(QStringLiteral("CFGTeamplay"));
    CFGBotstospawn = new TCSpinEdit(this);
    CFGBotstospawn->setObjectName(QStringLiteral("CFGBotstospawn"));
}
