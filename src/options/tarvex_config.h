#pragma once
// The options window: every setting of tarvex.cfg as a control. The controls
// are the only store of the options for the run.

#include "options/options_file.h"

#include <QWidget>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class TCSpinEdit;

class TTarvexConfig : public QWidget, private tarvex::OptionsHost {
    Q_OBJECT
  public:
    TTarvexConfig();

    // Interactive controls, in tab order.
    QCheckBox* CFGBotHearing;
    QCheckBox* CFGBotPain;
    QCheckBox* CFGBotCrowbar;
    QSlider* CFGBotAccuracy;
    QCheckBox* CFGBotTalk;
    QCheckBox* CFGCheating;
    QCheckBox* CFGTeamplay;
    QComboBox* CFGChatfile;
    QPushButton* CFGSave;
    QPushButton* CFGIgnore;
    QComboBox* CFGNavType;
    QCheckBox* CFGUseWPs;
    QCheckBox* CFGGaussJump;
    QCheckBox* CFGTripmines;
    QCheckBox* CFGBotDelay;
    TCSpinEdit* CFGBotstospawn;
    QCheckBox* CFGAngleFrame;
    QLineEdit* CFGfreqdied;
    QLineEdit* CFGfreqkills;
    QLineEdit* CFGThinkSpeed;
    QLineEdit* CFGBotSpeed;
    QLineEdit* CFGBotFov;
    QLineEdit* CFGMsec;
    QLineEdit* CFGMsecMin;
    QLineEdit* CFGMsecMax;
    QCheckBox* CFGUse4AllMaps;
    QComboBox* CFGCoopKillMeth;
    QCheckBox* CFGCoop;
    QComboBox* CFGCoopKillWho;

    QLabel* CFGConfigFile;
    QLabel* Label6;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* CFGAAText;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label8;
    QLabel* Label14;
    QLabel* Label5;
    QLabel* Label7;
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label19;

    QFrame* Bevel1;
    QFrame* Bevel2;
    QFrame* Bevel3;
    QFrame* Bevel4;
    QFrame* Bevel5;
    QFrame* Bevel6;

    std::string GameDirectory;
    std::string BotDirectory;

    // Handlers, bound as the window's and the controls' events.
    void LoadStuff();
    void UpdateAimAccText();
    void CFGChatClicked();
    void CoopClicked();
    void CFGSavenExit();
    void CFGJustExit();
    void OpenMainForm();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::string Text(tarvex::OptionText control) override;
    void SetText(tarvex::OptionText control, const std::string& text) override;
    bool Checked(tarvex::OptionCheck control) override;
    void SetChecked(tarvex::OptionCheck control, bool checked) override;
    int AccuracyPosition() override;
    void SetAccuracyPosition(int position) override;
    int BotsToSpawn() override;
    void SetBotsToSpawn(int value) override;
    void SetChatControlsEnabled(bool enabled) override;
    void ShowMessage(const std::string& text) override;

    QWidget* TextControl(tarvex::OptionText control) const;
    QCheckBox* CheckControl(tarvex::OptionCheck control) const;
    void ShowAccuracy();
    void ReturnToRoster();

    bool settingAccuracy_ = false; // the program, not the user, moves the slider
};
