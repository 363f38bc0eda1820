#include "app/ui_fixture.h"

#include "app/forms.h"
#include "app/message_box.h"
#include "options/options_file.h"
#include "roster/bot_roster.h"

#include <cstdlib>

namespace tarvex::testing {

UiFixture::UiFixture() {
    std::filesystem::create_directories(botDir());
    previousDir_ = std::filesystem::current_path();
    std::filesystem::current_path(gameDir());
#ifndef _WIN32
    ::setenv("XDG_CACHE_HOME", cacheDir().c_str(), 1);
#endif
    ui::SetMessageHook([this](const std::string& text) { messages.push_back(text); });
}

void UiFixture::Start() {
    BotRoster = RosterTable{};
    coopSciKill = "1";
    coopKillMeth = "0";
    ui::CreateForms();
    started_ = true;
}

UiFixture::~UiFixture() {
    if (started_)
        ui::DestroyForms();
    ui::SetMessageHook({});
    BotRoster = RosterTable{};
    std::filesystem::current_path(previousDir_);
}

std::vector<std::string> UiFixture::TakeMessages() {
    std::vector<std::string> taken;
    taken.swap(messages);
    return taken;
}

} // namespace tarvex::testing
