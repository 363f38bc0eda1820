// The yardsticks for start-up cost: Qt showing one empty window of the roster
// window's size and place, and nothing else; with --text, the same window
// showing one line of text, which is what loading any font costs.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tarvex, Bot Manager"));
    window.setFixedSize(560, 216);
    window.move(90, 214);
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        (new QLabel(QStringLiteral("Tarvex, Bot Manager"), &window))->move(8, 8);
    window.show();
    return QApplication::exec();
}
