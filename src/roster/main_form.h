#pragma once
// The roster window, the main window: lists the bots and edits them.

#include "roster/bot_roster.h"

#include <QWidget>
#include <string>

class QAction;
class QCompleter;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

class TMainForm : public QWidget, private tarvex::RosterHost {
    Q_OBJECT
  public:
    TMainForm();

    QListWidget* BotList;
    QLabel* TarvexLogo;
    QPushButton* BtnMoveUp;
    QPushButton* MoveDown;
    QPushButton* BotNew;
    QPushButton* BotRemove;
    QPushButton* BotSave;
    QGroupBox* GroupBox1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* EditBotName;
    QLineEdit* EditBotModel;
    QLineEdit* EditBotTopCol;
    QLineEdit* EditBotBotCol;
    QPushButton* SetupButton;
    QPushButton* LaunchButton;
    QMenu* NewRemMenu;
    QAction* DelBotEntry;
    QAction* RemoveselectedEntry1;
    QCompleter* ModelCompleter = nullptr; // made when the model box first takes the focus

    std::string GameDirectory;
    std::string BotDirectory;

    // Handlers, bound as the controls' events.
    void StartUpCode();
    void EditSelected();
    void UpadateArray();
    void SaveEntrys();
    void NewBot();
    void RemoveBot();
    void MoveSelUp();
    void MoveSelDown();
    void OpenOptionsForm();
    void AppTerminate();
    void OpenSplash();

    void RefreshBotList();
    void ShowEntry(int index);
    void StoreEditedEntry();
    void EnableEditBoxes(bool enabled);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowMessage(const std::string& text) override;
    void RosterLoaded() override;
    void SelectItem(int index);
    void MoveSelected(int step);
    void OfferModels();

    bool selecting_ = false;           // the program, not the user, moves the selection
    bool scratchFailureShown_ = false; // Err7 is told once a run
};
