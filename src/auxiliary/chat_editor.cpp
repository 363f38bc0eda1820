#include "auxiliary/chat_editor.h"

#include "app/look.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

using namespace tarvex::ui;

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, const QFont& font) {
    QPushButton* button = tarvex::ui::MakeButton(parent, name, caption, QString(), geometry);
    button->setFont(font);
    return button;
}

} // namespace

TChatEditor::TChatEditor() {
    SetUpWindow(this, "ChatEditor", QStringLiteral("Bot Chat Editor"), 457, 186, 262, 289);

    const QFont small = SansFont(11);
    const QFont large = SansFont(13);

    // Created in tab order, so the focus chain follows it.
    BCEMessages = new QListWidget(this);
    BCEMessages->setObjectName(QStringLiteral("BCEMessages"));
    BCEMessages->setGeometry(8, 32, 145, 145);
    BCEMessages->setUniformItemSizes(true);
    BCEMessages->setFont(small);
    SetTextColour(BCEMessages, kRed);

    BCEEditWhat = new QComboBox(this);
    BCEEditWhat->setObjectName(QStringLiteral("BCEEditWhat"));
    BCEEditWhat->setGeometry(8, 8, 145, 21);
    BCEEditWhat->setEditable(false);
    BCEEditWhat->addItems({QStringLiteral("After killing"), QStringLiteral("After dying")});
    BCEEditWhat->setCurrentIndex(-1);
    BCEEditWhat->setFont(small);
    SetTextColour(BCEEditWhat, kRed);

    // Given to the constructor, the text would first be shaped in the
    // application's font, which no window here shows.
    Edit1 = new QLineEdit(this);
    Edit1->setText(QStringLiteral("Edit1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(256, 112, 193, 24);
    Edit1->setFont(large);
    SetTextColour(Edit1, kRed);
    LimitToSingleBytes(Edit1);

    BCEAddLine =
        MakeButton(this, "BCEAddLine", QStringLiteral("<<< Add"), {168, 112, 75, 25}, small);
    SetTextColour(BCEAddLine, kRed);
    BCERemLine =
        MakeButton(this, "BCERemLine", QStringLiteral("Remove >>>"), {168, 144, 75, 25}, small);
    SetTextColour(BCERemLine, kRed);

    GroupBox1 = new QGroupBox(QStringLiteral("Load/Save chat file"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(168, 8, 281, 89);
    GroupBox1->setFont(SansFont(13, true));
    SetTextColour(GroupBox1, kLime);

    BCELoadedFile = MakeLabel(GroupBox1, "BCELoadedFile", QStringLiteral("Loaded file:"),
                              {8, 24, 265, 16}, large, kAqua, false);
    BCELoadedFile->setToolTip(QStringLiteral("Loaded file:"));

    // The group box's lime would otherwise reach its buttons.
    const QColor windowText = QGuiApplication::palette().color(QPalette::WindowText);
    BCEFileLoad =
        MakeButton(GroupBox1, "BCEFileLoad", QStringLiteral("Load..."), {16, 48, 75, 25}, large);
    BCEFileSave = MakeButton(GroupBox1, "BCEFileSave", QStringLiteral("Save as..."),
                             {104, 48, 75, 25}, large);
    BCESave = MakeButton(GroupBox1, "BCESave", QStringLiteral("Save."), {192, 48, 75, 25}, large);
    for (QPushButton* button : {BCEFileLoad, BCEFileSave, BCESave})
        SetTextColour(button, windowText);

    QWidget* tabOrder[] = {BCEMessages, BCEEditWhat, Edit1,       BCEAddLine,
                           BCERemLine,  BCEFileLoad, BCEFileSave, BCESave};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}
