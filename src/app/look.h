#pragma once
// The look every window shares: black, fixed size, "MS Sans Serif" at the
// designed pixel heights, the application icon, single-byte texts.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPixmap;
class QPushButton;
class QWidget;

namespace tarvex::ui {

inline const QColor kRed{0xFF, 0x00, 0x00};
inline const QColor kLime{0x00, 0xFF, 0x00};
inline const QColor kAqua{0x00, 0xFF, 0xFF};

// "MS Sans Serif" where the system has it, else the nearest sans font, at a
// character height in pixels.
QFont SansFont(int pixelHeight, bool bold = false, bool italic = false);

enum class Frame {
    Single, // fixed border, system menu, minimise box, no maximise box
    Dialog, // fixed border, close box only
};

// Names the window, sets its caption, fixed client size, screen position,
// border, black background, the 11 px default font and the icon.
void SetUpWindow(QWidget* window, const char* objectName, const QString& caption, int clientWidth,
                 int clientHeight, int left, int top, Frame frame = Frame::Single);

// Colours a control's text; disabled controls keep the system's grey.
void SetTextColour(QWidget* widget, const QColor& colour);

// A label at a fixed place; `autoSize` makes it as wide as its text.
QLabel* MakeLabel(QWidget* parent, const char* objectName, const QString& text,
                  const QRect& geometry, const QFont& font, const QColor& colour,
                  bool autoSize = true);

// A push button at a fixed place; an empty hint shows no tool tip.
QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& caption,
                        const QString& hint, const QRect& geometry);

QIcon ApplicationIcon();

// One of the program's own pictures (a resource path), decoded at once.
QPixmap Picture(const QString& path);

// Runs `work` once, when the widget is first polished, just before it is first
// shown; at once if it already was. A window that stays hidden at start-up
// thus spends nothing on what only its looks need.
void OnFirstPolish(QWidget* widget, std::function<void()> work);

// The files' texts cross into Qt one byte to one character, in the system's
// ANSI code page on Windows and Latin-1 elsewhere, so every byte comes back.
QString FromBytes(const std::string& bytes);
// Characters no byte stands for are dropped; the edit boxes refuse them.
std::string ToBytes(const QString& text);

// Paths and the game's command line: UTF-8 on Windows, where the system takes
// them in wide characters; elsewhere the system's bytes, one per character so
// that a command line comes back exactly as it was built.
QString FromSystemText(const std::string& text);
std::string ToSystemText(const QString& text);
// A path only to be read by the user, in the system's own encoding.
QString PathForDisplay(const std::string& path);

// Refuses characters no byte stands for, so nothing typed is lost on save.
void LimitToSingleBytes(QLineEdit* edit);
void LimitToSingleBytes(QComboBox* combo);
// Refuses characters the system's command line cannot carry.
void LimitToSystemText(QLineEdit* edit);

} // namespace tarvex::ui
