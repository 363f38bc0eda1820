#include "app/forms.h"
#include "app/look.h"
#include "app/ui_fixture.h"
#include "auxiliary/chat_editor.h"
#include "auxiliary/splash_scrn.h"
#include "roster/main_form.h"

#include <QFrame>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QSet>
#include <QTest>

using tarvex::testing::UiFixture;

namespace {

void OpenFromLogo() {
    MainForm->show();
    QTest::mouseClick(MainForm->TarvexLogo, Qt::LeftButton, {}, QPoint(48, 68));
    QVERIFY(SplashScrn->isVisible());
    QVERIFY(!MainForm->isVisible());
}

int ColourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

} // namespace

class SplashScrnTest : public QObject {
    Q_OBJECT
  private slots:
    void staysHiddenAtStartUp() {
        UiFixture ui;
        ui.Start();
        QVERIFY(!SplashScrn->isVisible());
        QCOMPARE(SplashScrn->size(), QSize(375, 97));
        QCOMPARE(SplashScrn->pos(), QPoint(246, 273));
        QVERIFY(!(SplashScrn->windowFlags() & Qt::WindowMinimizeButtonHint));
        // Labels grow with their text once the window is readied for showing;
        // none may run off the window.
        SplashScrn->ensurePolished();
        for (const QLabel* label : {SplashScrn->Label1, SplashScrn->Label2, SplashScrn->Label3})
            QVERIFY2(SplashScrn->rect().contains(label->geometry()), qPrintable(label->text()));
    }

    void aClickAnywhereReturnsToTheRosterWindow_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("free surface") << "SplashScrn" << QPoint(20, 88);
        QTest::newRow("title label") << "Label1" << QPoint(5, 5);
        QTest::newRow("credit label") << "Label2" << QPoint(5, 5);
        QTest::newRow("prompt label") << "Label3" << QPoint(5, 5);
        QTest::newRow("icon panel edge") << "Panel1" << QPoint(2, 2);
        QTest::newRow("icon") << "Image1" << QPoint(20, 20);
    }
    void aClickAnywhereReturnsToTheRosterWindow() {
        QFETCH(QString, target);
        QFETCH(QPoint, at);
        UiFixture ui;
        ui.Start();
        OpenFromLogo();
        auto* widget =
            target == "SplashScrn" ? SplashScrn : SplashScrn->findChild<QWidget*>(target);
        QVERIFY(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QVERIFY(!SplashScrn->isVisible());
        QVERIFY(MainForm->isVisible());
        // Same window every time.
        OpenFromLogo();
    }

    void onlyALeftClickOverTheWindowCloses() {
        UiFixture ui;
        ui.Start();
        OpenFromLogo();
        QTest::mouseClick(SplashScrn, Qt::RightButton, {}, QPoint(20, 88));
        QVERIFY(SplashScrn->isVisible());
        // Pressed on the window, released off it: no click.
        QTest::mousePress(SplashScrn, Qt::LeftButton, {}, QPoint(20, 88));
        QTest::mouseRelease(SplashScrn, Qt::LeftButton, {}, QPoint(20, 200));
        QVERIFY(SplashScrn->isVisible());
        QVERIFY(!MainForm->isVisible());
    }

    void theCloseBoxAlsoBringsBackTheRosterWindow() {
        UiFixture ui;
        ui.Start();
        OpenFromLogo();
        QVERIFY(SplashScrn->close());
        QVERIFY(!SplashScrn->isVisible());
        QVERIFY(MainForm->isVisible());
        QVERIFY(!ChatEditor->isVisible());
    }

    void showsTheIconAtItsOwnSize() {
        UiFixture ui;
        ui.Start();
        const QPixmap icon = SplashScrn->Image1->pixmap();
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(!SplashScrn->Image1->hasScaledContents());
        QCOMPARE(SplashScrn->Image1->alignment(), Qt::AlignCenter);
        QCOMPARE(SplashScrn->Image1->parentWidget(), SplashScrn->Panel1);
    }

    void picturesHaveTheirDesignedFormats() {
        UiFixture ui;
        ui.Start();
        (void)tarvex::ui::ApplicationIcon(); // registers the embedded pictures

        const QImage icon(":/tarvex/icon.png");
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(icon.format(), QImage::Format_Indexed8);
        QVERIFY(icon.colorCount() <= 16);
        QVERIFY(ColourCount(icon) > 2);
        QVERIFY(icon.hasAlphaChannel()); // the background is see-through

        const QImage logo(":/tarvex/logo.png");
        QCOMPARE(logo.size(), QSize(198, 170));
        QVERIFY(!logo.hasAlphaChannel());
        QCOMPARE(logo.depth(), 32); // 24-bit RGB, held as 0xffRRGGBB
        QVERIFY(ColourCount(logo) > 2);

        // The program file's icon shows the same picture.
        QImageReader reader(QStringLiteral(TARVEX_RESOURCES_DIR "/tarvex.ico"));
        const QImage fromIco = reader.read();
        QVERIFY2(!fromIco.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(fromIco.size(), QSize(32, 32));
        QCOMPARE(fromIco.convertToFormat(QImage::Format_ARGB32),
                 icon.convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(SplashScrnTest)
#include "splash_scrn_test.moc"
