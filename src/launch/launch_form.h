#pragma once
// The launch window: shows the game's command line, takes a map name and
// starts the game.

#include <QWidget>
#include <functional>
#include <string>

class QCompleter;
class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;

class TLaunchForm : public QWidget {
    Q_OBJECT
  public:
    TLaunchForm();

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* LNCCmdLine;
    QLineEdit* LNCMapName;
    QPushButton* GoBack;
    QPushButton* GoGoGo;
    QCompleter* MapCompleter = nullptr; // made when the window is first shown

    std::string GameDirectory;

    // Handlers, bound as the window's and the controls' events.
    void GetDirs();
    void UpdateCmdLine();
    void GoGoGoClick();
    void GoBackClick();
    void OpenMainForm();

    // How the game is started and the manager ended; tests put their own in.
    std::function<bool(const std::string& commandText, const std::string& workingDirectory)>
        StartGame;
    std::function<void()> EndApplication;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void ReturnToRoster();

    QStringListModel* mapNames_;
};
