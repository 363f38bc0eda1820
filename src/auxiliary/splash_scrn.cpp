#include "auxiliary/splash_scrn.h"

#include "app/forms.h"
#include "app/look.h"
#include "roster/main_form.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>

using namespace tarvex::ui;

TSplashScrn::TSplashScrn() {
    SetUpWindow(this, "SplashScrn", QStringLiteral("Welcome to Tarvex, Bot Manager"), 375, 97, 246,
                273, Frame::Dialog);
    SetTextColour(this, kRed);

    // Labels and the icon leave mouse events to the window, so a click on them
    // closes it just as a click on the free surface does.
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Tarvex Bot Manager, v0.4"),
                       {112, 24, 211, 20}, SansFont(16, true), kRed);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Made by the Tarvex Bot Manager team"),
                       {80, 48, 281, 16}, SansFont(13, true), kRed);
    Label3 = MakeLabel(this, "Label3", QStringLiteral("Click to continue"), {256, 80, 121, 16},
                       SansFont(13, true, true), kLime);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 16, 57, 57);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    QPalette face = Panel1->palette();
    face.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Button));
    Panel1->setPalette(face);
    Panel1->setAutoFillBackground(true);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 41, 41);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setScaledContents(false);
    Image1->setPixmap(ApplicationIcon().pixmap(32, 32));
}

void TSplashScrn::CloseSplash() {
    hide();
    MainForm->show();
}

void TSplashScrn::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a left-button release over the window; dragging off it first
    // cancels, as with a button.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        CloseSplash();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void TSplashScrn::closeEvent(QCloseEvent* event) {
    // Closing through the close box must not leave the program running with
    // no window at all.
    MainForm->show();
    event->accept();
}
