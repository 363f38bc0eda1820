#include "app/forms.h"
#include "app/spoken.h"
#include "app/ui_fixture.h"
#include "launch/launch_form.h"
#include "platform/native_file.h"
#include "roster/bot_roster.h"
#include "roster/main_form.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#ifdef _WIN32
#include <windows.h>
#endif

using namespace tarvex;
using tarvex::testing::ReadBytes;
using tarvex::testing::SpokenDescription;
using tarvex::testing::SpokenName;
using tarvex::testing::UiFixture;
using tarvex::testing::WriteBytes;

namespace {

const char* kFiveBots = "bot1 \"One\" m1 1 1\r\nbot2 \"Two\" m2 2 2\r\nbot3 \"Three\" m3 3 3\r\n"
                        "bot4 \"Four\" m4 4 4\r\nbot5 \"Five\" m5 5 5";

QStringList Names() {
    QStringList names;
    for (int i = 0; i < MainForm->BotList->count(); ++i)
        names << MainForm->BotList->item(i)->text();
    return names;
}

QStringList Boxes() {
    return {MainForm->EditBotName->text(), MainForm->EditBotModel->text(),
            MainForm->EditBotTopCol->text(), MainForm->EditBotBotCol->text()};
}

bool BoxesEnabled() {
    return MainForm->EditBotName->isEnabled() && MainForm->EditBotModel->isEnabled() &&
           MainForm->EditBotTopCol->isEnabled() && MainForm->EditBotBotCol->isEnabled();
}

int Selected() {
    return MainForm->BotList->currentRow();
}

std::string Roster(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "bot" + std::to_string(i) + " \"B" + std::to_string(i) + "\" m 1 1\r\n";
    return text;
}

// The options file is there too, so its absence is not told among the
// roster window's messages.
void Start(UiFixture& ui) {
    WriteBytes(ui.botDir() / "tarvex.cfg", "");
    ui.Start();
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
  private slots:
    void startsWithTheFirstBotSelectedAndShown() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", kFiveBots);
        Start(ui);
        QCOMPARE(Names(), (QStringList{"One", "Two", "Three", "Four", "Five"}));
        QCOMPARE(Selected(), 0);
        QCOMPARE(Boxes(), (QStringList{"One", "m1", "1", "1"}));
        QVERIFY(BoxesEnabled());
        QVERIFY(ui.messages.empty());
        QVERIFY(!MainForm->isVisible());
        QCOMPARE(MainForm->windowTitle(), QString("Tarvex, Bot Manager"));
        QCOMPARE(MainForm->size(), QSize(560, 216));
        QCOMPARE(MainForm->EditBotName->maxLength(), 32);
    }

    void missingOrEmptyRosterFileLeavesTheBoxesEmptyAndDisabled() {
        for (const bool present : {false, true}) {
            UiFixture ui;
            if (present)
                WriteBytes(ui.botDir() / "bots.cfg", "// no bots here\r\n");
            Start(ui);
            QCOMPARE(MainForm->BotList->count(), 0);
            QCOMPARE(Boxes(), (QStringList{"", "", "", ""}));
            QVERIFY(!MainForm->EditBotName->isEnabled());
            QCOMPARE(ui.messages,
                     present ? std::vector<std::string>{} : std::vector<std::string>{kErr3});
        }
    }

    void tellsWhenTheFileHoldsMoreBotsThanFit() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", Roster(35));
        Start(ui);
        QCOMPARE(MainForm->BotList->count(), 31);
        QCOMPARE(ui.messages, std::vector<std::string>{kTooManyInFile});
    }

    void newBotGoesWhereTheSelectionIs() {
        struct Case {
            int select;
            QStringList names;
            int selected;
        };
        const Case cases[] = {
            {-1, {"New Bot", "One", "Two", "Three", "Four", "Five"}, 0},
            {2, {"One", "Two", "New Bot", "Three", "Four", "Five"}, 2},
            {4, {"One", "Two", "Three", "Four", "New Bot", "Five"}, 4},
        };
        for (const auto& c : cases) {
            UiFixture ui;
            WriteBytes(ui.botDir() / "bots.cfg", kFiveBots);
            Start(ui);
            MainForm->BotList->setCurrentRow(c.select);
            MainForm->NewBot();
            QCOMPARE(Names(), c.names);
            QCOMPARE(Selected(), c.selected);
            QCOMPARE(Boxes(), (QStringList{"New Bot", "gordon", "1", "1"}));
            QCOMPARE(BotRoster.entries[5].name, std::string("Five"));
        }
    }

    void newBotOnAnEmptyRosterEnablesTheBoxes() {
        UiFixture ui;
        Start(ui);
        ui.TakeMessages();
        MainForm->NewBot();
        QCOMPARE(Names(), QStringList{"New Bot"});
        QCOMPARE(Selected(), 0);
        QVERIFY(BoxesEnabled());
        QCOMPARE(Boxes(), (QStringList{"New Bot", "gordon", "1", "1"}));
    }

    void newBotStopsAt31() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", Roster(30));
        Start(ui);
        MainForm->NewBot();
        QCOMPARE(BotRoster.Count(), 31);
        QVERIFY(ui.messages.empty());
        MainForm->NewBot();
        QCOMPARE(BotRoster.Count(), 31);
        QCOMPARE(MainForm->BotList->count(), 31);
        QCOMPARE(ui.messages, std::vector<std::string>{"Too many bots!"});
    }

    void removeBot() {
        struct Case {
            const char* what;
            const char* file;
            int select;
            QStringList names;
            int selected;
            QStringList boxes;
            bool enabled;
        };
        const Case cases[] = {
            {"first",
             kFiveBots,
             0,
             {"Two", "Three", "Four", "Five"},
             0,
             {"Two", "m2", "2", "2"},
             true},
            {"middle",
             kFiveBots,
             1,
             {"One", "Three", "Four", "Five"},
             1,
             {"Three", "m3", "3", "3"},
             true},
            // The boxes keep the removed bot's text; nothing is selected.
            {"last",
             kFiveBots,
             4,
             {"One", "Two", "Three", "Four"},
             -1,
             {"Five", "m5", "5", "5"},
             true},
            {"only", "bot1 \"Solo\" s 7 8", 0, {}, -1, {"Solo", "s", "7", "8"}, false},
        };
        for (const auto& c : cases) {
            UiFixture ui;
            WriteBytes(ui.botDir() / "bots.cfg", c.file);
            Start(ui);
            MainForm->BotList->setCurrentRow(c.select);
            MainForm->RemoveBot();
            QVERIFY2(Names() == c.names, c.what);
            QVERIFY2(Selected() == c.selected, c.what);
            QVERIFY2(Boxes() == c.boxes, c.what);
            QVERIFY2(BoxesEnabled() == c.enabled, c.what);
            QVERIFY2(BotRoster.entries[static_cast<std::size_t>(BotRoster.lastIndex + 1)] ==
                         BotEntry{},
                     c.what);
            QVERIFY(ui.messages.empty());
        }
    }

    void removeOnlyBotThenSaveKeepsTheFile() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", "bot1 \"Solo\" s 7 8");
        Start(ui);
        MainForm->RemoveBot();
        MainForm->RemoveBot();
        QCOMPARE(ui.TakeMessages(), std::vector<std::string>{"No bots to delete!"});
        MainForm->SaveEntrys();
        QCOMPARE(ReadBytes(ui.botDir() / "bots.cfg"), std::string("bot1 \"Solo\" s 7 8"));
    }

    void nothingSelectedChangesNothing() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", kFiveBots);
        Start(ui);
        MainForm->BotList->setCurrentRow(-1);
        MainForm->RemoveBot();
        MainForm->MoveSelUp();
        MainForm->MoveSelDown();
        QCOMPARE(BotRoster.Count(), 5);
        QVERIFY(ui.messages.empty());
    }

    void movesKeepTheBotSelectedAndStopAtTheEnds() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg",
                   "bot1 \"A\" a 1 1\nbot2 \"B\" b 2 2\nbot3 \"C\" c 3 3");
        Start(ui);
        MainForm->MoveSelUp();
        QCOMPARE(ui.TakeMessages(), std::vector<std::string>{"Already at top!"});
        MainForm->MoveSelDown();
        QCOMPARE(Names(), (QStringList{"B", "A", "C"}));
        QCOMPARE(Selected(), 1);
        QCOMPARE(Boxes(), (QStringList{"A", "a", "1", "1"}));
        MainForm->MoveSelDown();
        QCOMPARE(Names(), (QStringList{"B", "C", "A"}));
        MainForm->MoveSelDown();
        QCOMPARE(ui.TakeMessages(), std::vector<std::string>{"Already at bottom!"});
        MainForm->MoveSelUp();
        QCOMPARE(Names(), (QStringList{"B", "A", "C"}));
        QCOMPARE(Selected(), 1);
        QVERIFY(ui.messages.empty());
    }

    // Typing a name and clicking another bot stores the name into the bot that
    // was being edited, then shows the clicked one.
    void editThenClickAnotherItem() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", kFiveBots);
        Start(ui);
        MainForm->show();
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        MainForm->EditBotName->setFocus();
        MainForm->EditBotName->selectAll();
        QTest::keyClicks(MainForm->EditBotName, "Renamed");
        auto* list = MainForm->BotList;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(2)).center());
        QCOMPARE(Names(), (QStringList{"Renamed", "Two", "Three", "Four", "Five"}));
        QCOMPARE(Selected(), 2);
        QCOMPARE(Boxes(), (QStringList{"Three", "m3", "3", "3"}));

        // A message box or another application taking the focus stores nothing.
        MainForm->EditBotName->setFocus();
        QTest::keyClicks(MainForm->EditBotName, "X");
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(MainForm->EditBotName, &away);
        QCOMPARE(BotRoster.entries[2].name, std::string("Three"));

        // Clicking "Save Changes" stores first, then writes.
        QTest::mouseClick(MainForm->BotSave, Qt::LeftButton);
        QVERIFY(ReadBytes(ui.botDir() / "bots.cfg").find("bot3 \"ThreeX\" m3 3 3") !=
                std::string::npos);
    }

    void editBoxesTakeOnlySingleByteCharacters() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", "bot1 \"A\" m 1 1");
        Start(ui);
        MainForm->EditBotName->clear();
        // Typed one key at a time, as a keyboard would send them.
        // No byte of any single-byte code page stands for the Chinese character.
        for (const QChar c : QString::fromUtf8("Zo\xc3\xab\xe4\xb8\xad!")) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(MainForm->EditBotName, &press);
        }
        QCOMPARE(MainForm->EditBotName->text(), QString::fromUtf8("Zo\xc3\xab!"));
        MainForm->SaveEntrys();
        QCOMPARE(ReadBytes(ui.botDir() / "bots.cfg"), std::string("bot1 \"Zo\xeb!\" m 1 1"));
    }

    // A byte is shown as the system's other tools show it (the euro sign for
    // 0x80 on a Western Windows, a control character in Latin-1 elsewhere)
    // and written back as it was.
    void bytesShowInTheSystemsCodePage() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", "bot1 \"\x80\xe9\" m 1 1");
        Start(ui);
#ifdef _WIN32
        const QString shown =
            GetACP() == 1252 ? QString::fromUtf8("\u20ac\u00e9") : MainForm->EditBotName->text();
#else
        const QString shown = QString::fromUtf8("\u0080\u00e9");
#endif
        QCOMPARE(MainForm->EditBotName->text(), shown);
        MainForm->EditBotName->setText(shown + shown);
        MainForm->SaveEntrys();
        QCOMPARE(ReadBytes(ui.botDir() / "bots.cfg"),
                 std::string("bot1 \"\x80\xe9\x80\xe9\" m 1 1"));
    }

    void saveWritesTheRosterExactly() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", "// mine\nbot9 \"A\"   m 1 2 trailing\n");
        Start(ui);
        MainForm->NewBot();
        MainForm->SaveEntrys();
        QCOMPARE(ReadBytes(ui.botDir() / "bots.cfg"),
                 std::string("bot1 \"New Bot\" gordon 1 1\r\nbot2 \"A\" m 1 2"));
        QVERIFY(ui.messages.empty());
    }

    void saveFailureIsReported() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", kFiveBots);
        Start(ui);
        std::filesystem::remove_all(ui.botDir());
        MainForm->SaveEntrys();
        QCOMPARE(ui.TakeMessages(), std::vector<std::string>{kErr5});
        // "Launch -=>>" goes on to the launch window all the same.
        MainForm->show();
        MainForm->AppTerminate();
        QCOMPARE(ui.TakeMessages(), std::vector<std::string>{kErr5});
        QVERIFY(!MainForm->isVisible());
        QVERIFY(LaunchForm->isVisible());
    }

    void scratchFileHoldsTheNames() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", "bot1 \"A\" m 1 1\nbot2 \"\" m 1 1");
        Start(ui);
        QCOMPARE(ReadBytes(ui.scratchFile()), std::string("A\r\n\r\n"));
        QCOMPARE(Names(), (QStringList{"A", ""}));
        MainForm->RemoveBot();
        QCOMPARE(ReadBytes(ui.scratchFile()), std::string("\r\n"));
        MainForm->RemoveBot();
        // An empty roster leaves the last names written.
        QCOMPARE(ReadBytes(ui.scratchFile()), std::string("\r\n"));
    }

    void scratchFileFailureIsToldOnceAndTheProgramGoesOn() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", kFiveBots);
#ifdef _WIN32
        // Folders where drive C's file and its fallback should be.
        const std::filesystem::path places[] = {NativePath(RosterListFilePath()),
                                                NativePath(RosterListFallbackPath())};
        for (const auto& place : places) {
            std::filesystem::remove_all(place);
            std::filesystem::create_directory(place);
        }
#else
        WriteBytes(ui.cacheDir(), "a file where the cache folder should be");
#endif
        Start(ui);
        QCOMPARE(Names().size(), 5);
        MainForm->NewBot();
        QCOMPARE(Names().size(), 6);
        QCOMPARE(ui.messages, std::vector<std::string>{kErr7});
#ifdef _WIN32
        for (const auto& place : places)
            std::filesystem::remove_all(place);
#endif
    }

    void screenReadersHearEachControlsPromptAndHint() {
        UiFixture ui;
        Start(ui);
        auto* w = MainForm;
        const std::pair<QWidget*, const char*> controls[] = {
            {w->TarvexLogo, "Click to see 'About' Dialog"},
            {w->BtnMoveUp, "/\\"},
            {w->MoveDown, "\\/"},
            {w->BotNew, "New Bot"},
            {w->BotRemove, "Remove Bot"},
            {w->BotSave, "Save Changes"},
            {w->EditBotName, "Bot Name"},
            {w->EditBotModel, "Bot Model"},
            {w->EditBotTopCol, "Top Colour"},
            {w->EditBotBotCol, "Bottom Colour"},
            {w->SetupButton, "Options -=>>"},
            {w->LaunchButton, "Launch -=>>"},
        };
        for (const auto& [control, name] : controls) {
            QCOMPARE(SpokenName(control), QString(name));
            QCOMPARE(SpokenDescription(control), control->toolTip());
        }
        QCOMPARE(SpokenDescription(w->BotNew), QString("Create a new bot at selected position"));
        QCOMPARE(SpokenDescription(w->EditBotName), QString());
        // The prompts keep their captions on screen.
        QCOMPARE(w->Label2->text(), QString("Bot Name:"));
    }

    void modelBoxOffersTheGamesModels() {
        UiFixture ui;
        WriteBytes(ui.botDir() / "bots.cfg", kFiveBots);
        const auto put = [](const std::filesystem::path& player, const char* name) {
            std::filesystem::create_directories(player / name);
            WriteBytes(player / name / (std::string(name) + ".mdl"), "");
        };
        const auto valve = ui.gameDir() / "valve" / "models" / "player";
        for (const char* name : {"gordon", "gina", "barney"})
            put(valve, name);
        put(ui.botDir() / "models" / "player", "gina");
        put(ui.botDir() / "models" / "player", "tarvex_bot");
        Start(ui);
        QVERIFY(!MainForm->EditBotModel->completer()); // nothing read before it is needed

        MainForm->show();
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        QLineEdit* box = MainForm->EditBotModel;
        box->setFocus();
        QCompleter* completer = box->completer();
        QVERIFY(completer);
        QStringList offered;
        for (int i = 0; completer->setCurrentRow(i); ++i)
            offered << completer->currentCompletion();
        QCOMPARE(offered, (QStringList{"barney", "gina", "gordon", "tarvex_bot"}));

        box->selectAll();
        QTest::keyClicks(box, "G");
        QVERIFY(completer->popup()->isVisible());
        QCOMPARE(completer->completionCount(), 2);
        QCOMPARE(box->text(), QString("G")); // kept as typed until a name is picked
        QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Return);
        QCOMPARE(box->text(), QString("gina"));

        // Any name may still be typed.
        box->selectAll();
        QTest::keyClicks(box, "my_own_model");
        MainForm->BotList->setFocus(Qt::MouseFocusReason);
        QCOMPARE(BotRoster.entries[0].model, std::string("my_own_model"));
        QCOMPARE(box->maxLength(), 32);
    }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
