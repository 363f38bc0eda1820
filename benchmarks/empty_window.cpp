// The yardstick for start-up cost: Qt showing one empty window of the roster
// window's size and place, and nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tarvex, Bot Manager"));
    window.setFixedSize(560, 216);
    window.move(90, 214);
    window.show();
    return QApplication::exec();
}
