#include "auxiliary/chat_editor.h"

#include "app/look.h"

using namespace tarvex::ui;

TChatEditor::TChatEditor() {
    SetUpWindow(this, "ChatEditor", QStringLiteral("Bot Chat Editor"), 457, 186, 262, 289);
}
