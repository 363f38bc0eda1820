#include "app/forms.h"
#include "app/ui_fixture.h"
#include "auxiliary/chat_editor.h"
#include "auxiliary/splash_scrn.h"
#include "roster/main_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using tarvex::testing::UiFixture;

class ChatEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void existsHiddenWithItsInitialContents() {
        UiFixture ui;
        ui.Start();
        QVERIFY(ChatEditor);
        QVERIFY(!ChatEditor->isVisible());
        QCOMPARE(ChatEditor->windowTitle(), QString("Bot Chat Editor"));
        QCOMPARE(ChatEditor->size(), QSize(457, 186));
        QCOMPARE(ChatEditor->pos(), QPoint(262, 289));

        QCOMPARE(ChatEditor->BCEMessages->count(), 0);
        QVERIFY(!ChatEditor->BCEEditWhat->isEditable());
        QCOMPARE(ChatEditor->BCEEditWhat->count(), 2);
        QCOMPARE(ChatEditor->BCEEditWhat->itemText(0), QString("After killing"));
        QCOMPARE(ChatEditor->BCEEditWhat->itemText(1), QString("After dying"));
        QCOMPARE(ChatEditor->BCEEditWhat->currentIndex(), -1);
        QCOMPARE(ChatEditor->Edit1->text(), QString("Edit1"));
        QCOMPARE(ChatEditor->GroupBox1->title(), QString("Load/Save chat file"));
        QCOMPARE(ChatEditor->BCELoadedFile->text(), QString("Loaded file:"));
        QCOMPARE(ChatEditor->BCELoadedFile->geometry(), QRect(8, 24, 265, 16));

        const std::pair<QPushButton*, QString> buttons[] = {
            {ChatEditor->BCEAddLine, "<<< Add"},  {ChatEditor->BCERemLine, "Remove >>>"},
            {ChatEditor->BCEFileLoad, "Load..."}, {ChatEditor->BCEFileSave, "Save as..."},
            {ChatEditor->BCESave, "Save."},
        };
        for (const auto& [button, caption] : buttons)
            QCOMPARE(button->text(), caption);
        for (QWidget* child : {static_cast<QWidget*>(ChatEditor->BCELoadedFile),
                               static_cast<QWidget*>(ChatEditor->BCEFileLoad),
                               static_cast<QWidget*>(ChatEditor->BCEFileSave),
                               static_cast<QWidget*>(ChatEditor->BCESave)})
            QCOMPARE(child->parentWidget(), ChatEditor->GroupBox1);
    }

    void tabOrderFollowsTheLayout() {
        UiFixture ui;
        ui.Start();
        const QWidget* expected[] = {ChatEditor->BCEMessages, ChatEditor->BCEEditWhat,
                                     ChatEditor->Edit1,       ChatEditor->BCEAddLine,
                                     ChatEditor->BCERemLine,  ChatEditor->BCEFileLoad,
                                     ChatEditor->BCEFileSave, ChatEditor->BCESave};
        // The chain as Tab walks it: only controls that take the focus by Tab.
        QList<const QWidget*> walked{expected[0]};
        for (QWidget* w = expected[0]->nextInFocusChain();
             w != expected[0] && walked.size() < qsizetype(std::size(expected));
             w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                walked << w;
        QCOMPARE(walked, QList<const QWidget*>(std::begin(expected), std::end(expected)));
    }

    void theEditBoxTakesOnlySingleByteCharacters() {
        UiFixture ui;
        ui.Start();
        ChatEditor->Edit1->clear();
        for (const QChar c : QString::fromUtf8("a\u00e9\u4e2db"))
            QTest::sendKeyEvent(QTest::Click, ChatEditor->Edit1, Qt::Key_unknown, QString(c), {});
        QCOMPARE(ChatEditor->Edit1->text(), QString::fromUtf8("a\u00e9b"));
    }

    void noNavigationOfTheOtherWindowsShowsIt() {
        UiFixture ui;
        tarvex::testing::WriteBytes(ui.botDir() / "bots.cfg", "bot1 \"One\" gordon 1 1\r\n");
        ui.Start();
        MainForm->show();
        QVERIFY(!ChatEditor->isVisible());

        QTest::mouseClick(MainForm->SetupButton, Qt::LeftButton);
        QVERIFY(!MainForm->isVisible());
        QVERIFY(!ChatEditor->isVisible());

        MainForm->show();
        QTest::mouseClick(MainForm->LaunchButton, Qt::LeftButton);
        QVERIFY(!MainForm->isVisible());
        QVERIFY(!ChatEditor->isVisible());

        MainForm->show();
        QTest::mouseClick(MainForm->TarvexLogo, Qt::LeftButton);
        QVERIFY(SplashScrn->isVisible());
        QVERIFY(!ChatEditor->isVisible());
        QTest::mouseClick(SplashScrn, Qt::LeftButton, {}, QPoint(20, 88));
        QVERIFY(MainForm->isVisible());
        QVERIFY(!ChatEditor->isVisible());
        QTest::mouseClick(MainForm->TarvexLogo, Qt::LeftButton);
        SplashScrn->close();
        QVERIFY(MainForm->isVisible());
        QVERIFY(!ChatEditor->isVisible());
    }
};

QTEST_MAIN(ChatEditorTest)
#include "chat_editor_test.moc"
