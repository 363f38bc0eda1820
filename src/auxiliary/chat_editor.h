#pragma once
// The chat editor window: laid out for the bots' kill and death lines and a
// chat file, but without behaviour; it is created hidden and never shown.

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TChatEditor : public QWidget {
    Q_OBJECT
  public:
    TChatEditor();

    QListWidget* BCEMessages;
    QComboBox* BCEEditWhat;
    QLineEdit* Edit1;
    QPushButton* BCEAddLine;
    QPushButton* BCERemLine;
    QGroupBox* GroupBox1;
    QLabel* BCELoadedFile;
    QPushButton* BCEFileLoad;
    QPushButton* BCEFileSave;
    QPushButton* BCESave;
};
