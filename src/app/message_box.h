#pragma once
// Every message of the system goes through here, so tests can read the texts
// instead of waiting on a modal box.

#include <functional>
#include <string>

namespace tarvex::ui {

inline constexpr const char* kApplicationTitle = "Tarvex, Bot Manager";

// A modal box with one OK button, captioned with the application title.
void ShowMessage(const std::string& text);

// Replaces the box; an empty function restores it.
void SetMessageHook(std::function<void(const std::string&)> hook);

} // namespace tarvex::ui
