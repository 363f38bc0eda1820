#include "launch/launch_form.h"

#include "app/accessibility.h"
#include "app/forms.h"
#include "app/look.h"
#include "app/message_box.h"
#include "launch/command_line.h"
#include "launch/game_process.h"
#include "launch/map_list.h"
#include "options/spin_edit.h"
#include "options/tarvex_config.h"
#include "platform/directories.h"
#include "roster/main_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStringList>
#include <QStringListModel>
#include <QStyle>
#include <limits>

using namespace tarvex;
using namespace tarvex::ui;

namespace {

constexpr int kMapNameLength = 256;

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& hint, const QRect& geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(hint);
    edit->setGeometry(geometry);
    SetTextColour(edit, kRed);
    LimitToSystemText(edit);
    return edit;
}

QPushButton* MakeBitButton(QWidget* parent, const char* name, const QString& caption,
                           const QString& hint, QStyle::StandardPixmap glyph,
                           const QRect& geometry) {
    QPushButton* button = MakeButton(parent, name, caption, hint, geometry);
    OnFirstPolish(button,
                  [button, glyph] { button->setIcon(button->style()->standardIcon(glyph)); });
    // The focused button takes Enter, as the default one does otherwise.
    button->setAutoDefault(true);
    SetTextColour(button, kRed);
    return button;
}

} // namespace

TLaunchForm::TLaunchForm()
    : StartGame([](const std::string& commandText, const std::string& workingDirectory) {
          return StartProcess(commandText, workingDirectory);
      }),
      EndApplication([] { QCoreApplication::quit(); }) {
    SetUpWindow(this, "LaunchForm", QStringLiteral("Launch Options"), 290, 106, 238, 260);

    const QFont prompt = SansFont(13);
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Choose map........................."),
                       {8, 16, 152, 16}, prompt, kRed);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Command line............"), {8, 48, 122, 16},
                       prompt, kRed);

    LNCCmdLine = MakeEdit(this, "LNCCmdLine",
                          QStringLiteral("Command line to be executed (Edit not reccomended)"),
                          {128, 40, 153, 21});
    LNCCmdLine->setMaxLength(std::numeric_limits<int>::max());
    LNCCmdLine->setText(QStringLiteral("<Please Wait>"));
    LNCMapName =
        MakeEdit(this, "LNCMapName", QStringLiteral("Map to start automaticly (Blank for console)"),
                 {160, 8, 121, 21});
    LNCMapName->setMaxLength(kMapNameLength);
    NameAfterPrompt(LNCMapName, Label1);
    NameAfterPrompt(LNCCmdLine, Label2);

    GoBack = MakeBitButton(this, "GoBack", QStringLiteral("Go Back"),
                           QStringLiteral("Click to return to main screen"),
                           QStyle::SP_DialogCancelButton, {8, 72, 129, 25});
    GoGoGo = MakeBitButton(this, "GoGoGo", QStringLiteral("Go, Go, Go!"),
                           QStringLiteral("Click to launch Half-Life"), QStyle::SP_DialogOkButton,
                           {152, 72, 129, 25});
    GoGoGo->setDefault(true);

    setTabOrder(LNCCmdLine, LNCMapName);
    setTabOrder(LNCMapName, GoBack);
    setTabOrder(GoBack, GoGoGo);
    LNCCmdLine->setFocus();

    mapNames_ = new QStringListModel(this);
    // Only typing uses it, so it waits until the window is first shown.
    OnFirstPolish(LNCMapName, [this] {
        MapCompleter = new QCompleter(mapNames_, this);
        MapCompleter->setObjectName(QStringLiteral("MapCompleter"));
        MapCompleter->setCaseSensitivity(Qt::CaseInsensitive);
        LNCMapName->setCompleter(MapCompleter);
    });

    connect(LNCMapName, &QLineEdit::textChanged, this, [this] { UpdateCmdLine(); });
    connect(GoBack, &QPushButton::clicked, this, &TLaunchForm::GoBackClick);
    connect(GoGoGo, &QPushButton::clicked, this, &TLaunchForm::GoGoGoClick);

    GetDirs();
}

void TLaunchForm::GetDirs() {
    GameDirectory = CaptureGameDirectory();
    // Once a run, like the directory itself: maps are not added while the
    // manager runs.
    QStringList maps;
    for (const std::string& name : ListMapNames(GameDirectory))
        maps.append(FromSystemText(name));
    mapNames_->setStringList(maps);
}

void TLaunchForm::UpdateCmdLine() {
    const int bots = TarvexConfig->CFGBotstospawn->Value();
    const bool teamplay = TarvexConfig->CFGTeamplay->isChecked();
    LNCCmdLine->setText(FromSystemText(
        BuildCommandLine(GameDirectory, bots, teamplay, ToSystemText(LNCMapName->text()))));
    // The line reads from its start, where the game's path is.
    LNCCmdLine->setCursorPosition(0);
}

void TLaunchForm::GoGoGoClick() {
    const std::string commandText = ToSystemText(LNCCmdLine->text());
    // The check is on the game directory's hl.exe, whatever the line now names.
    if (!CanOpenForReading(GameExecutablePath(GameDirectory))) {
        ShowMessage(kErr6);
        ReturnToRoster();
        return;
    }
    if (!StartGame(commandText, GameDirectory)) {
        // Nothing runs, so ending here would leave the user with nothing.
        ShowMessage(kErr8);
        ReturnToRoster();
        return;
    }
    EndApplication();
}

void TLaunchForm::GoBackClick() {
    ReturnToRoster();
}

void TLaunchForm::OpenMainForm() {
    MainForm->show();
}

void TLaunchForm::ReturnToRoster() {
    hide();
    MainForm->show();
}

void TLaunchForm::showEvent(QShowEvent* event) {
    // A window restored from the task bar is not opened anew, and keeps an
    // edited line.
    if (!event->spontaneous())
        UpdateCmdLine();
    QWidget::showEvent(event);
}

void TLaunchForm::closeEvent(QCloseEvent* event) {
    OpenMainForm();
    event->accept();
}

void TLaunchForm::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            GoGoGo->click();
            return;
        case Qt::Key_Escape:
            GoBack->click();
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(event);
}
