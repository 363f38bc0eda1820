#include "app/forms.h"
#include "app/spoken.h"
#include "app/ui_fixture.h"
#include "options/default_options.h"
#include "options/options_file.h"
#include "options/spin_edit.h"
#include "options/tarvex_config.h"
#include "roster/bot_roster.h"
#include "roster/main_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <climits>

using namespace tarvex;
using tarvex::testing::kDefaultFile;
using tarvex::testing::ReadBytes;
using tarvex::testing::SpokenDescription;
using tarvex::testing::SpokenName;
using tarvex::testing::UiFixture;
using tarvex::testing::WriteBytes;

namespace {

// Every control away from its initial state, in the written form, so a load
// followed by a save must give back the very same bytes. The two texts longer
// than their typing limit must survive whole.
const std::string kEditedFile = "// Tarvex config file created by Tarvex, Bot Manager\r\n"
                                "nobotcfg 0\r\n"
                                "botcfgfile bots.cfg\r\n"
                                "// General Bot Options\r\n"
                                "bot_thinkspeed 0.125\r\n"
                                "botusefov 1\r\n"
                                "botfov 120\r\n"
                                "botspeed -1\r\n"
                                "botaccuracy 55\r\n"
                                "bothearing 0\r\n"
                                "botpain 0\r\n"
                                "bot_gauss 0\r\n"
                                "bot_tripmines 0\r\n"
                                "bot_crowbar 1\r\n"
                                "waypoints 0\r\n"
                                "bot_viewdelay 0\r\n"
                                "bot_angleupdate 0\r\n"
                                "// Bot Chat Options\r\n"
                                "botchat 0\r\n"
                                "chatfile my_talk.cfg\r\n"
                                "chatfreq_died 12.5\r\n"
                                "chatfreq_killed 0.25\r\n"
                                "// Co-op options\r\n"
                                "coop_scikill 2\r\n"
                                "coop_killmeth 3\r\n"
                                "// Other Options\r\n"
                                "speedup 1\r\n"
                                "botmsec 7\r\n"
                                "msec_min 1\r\n"
                                "msec_max 99\r\n"
                                "nostartexec 1\r\n"
                                "sv_cheats 1\r\n"
                                "team 1\r\n"
                                "bot_num -3\r\n"
                                "echo Tarvex configured.";

std::filesystem::path OptionsFile(const UiFixture& ui) {
    return ui.botDir() / "tarvex.cfg";
}

QList<QWidget*> ChatControls() {
    auto* w = TarvexConfig;
    return {w->CFGChatfile, w->CFGfreqdied, w->CFGfreqkills, w->Label11, w->Label12, w->Label13};
}

bool AllEnabled(const QList<QWidget*>& controls, bool enabled) {
    for (QWidget* control : controls)
        if (control->isEnabled() != enabled)
            return false;
    return true;
}

// Starts the windows with a roster in place, so the only messages are this
// window's own.
void Start(UiFixture& ui) {
    if (std::filesystem::exists(ui.botDir()))
        WriteBytes(ui.botDir() / "bots.cfg", "bot1 \"A\" gordon 1 1");
    ui.Start();
}

void OpenOptions() {
    MainForm->show();
    MainForm->SetupButton->click();
    QVERIFY(TarvexConfig->isVisible());
    QVERIFY(!MainForm->isVisible());
}

void VerifyBackAtRoster() {
    QVERIFY(!TarvexConfig->isVisible());
    QVERIFY(MainForm->isVisible());
}

// Types into a box as the user does, replacing what is there.
void TypeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

bool HintShows(QWidget* control) {
    QToolTip::hideText();
    const QPoint at(2, 2);
    QHelpEvent event(QEvent::ToolTip, at, control->mapToGlobal(at));
    QCoreApplication::sendEvent(control, &event);
    const bool shown = QToolTip::isVisible() && QToolTip::text() == control->toolTip();
    QToolTip::hideText();
    return shown;
}

} // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void withoutAFileTheDefaultsAreShownAndSaved() {
        UiFixture ui;
        Start(ui);
        QCOMPARE(ui.TakeMessages(), std::vector<std::string>{kErr4});
        auto* w = TarvexConfig;
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarvex Configuation Options"));
        QCOMPARE(w->CFGAAText->text(), QStringLiteral("Bots aiming accuracy: 10"));
        const QString path = QString::fromStdString((ui.botDir() / "Tarvex.cfg").string());
        QCOMPARE(w->CFGConfigFile->text(), path);
        QCOMPARE(w->CFGConfigFile->toolTip(), path);
        QVERIFY(AllEnabled(ChatControls(), true));
        QVERIFY(!w->CFGCoop->isEnabled() && !w->CFGCoop->isChecked());
        QCOMPARE(w->CFGCoopKillWho->currentIndex(), -1);
        QCOMPARE(w->CFGCoopKillMeth->currentIndex(), -1);
        QVERIFY(!w->CFGCoopKillWho->isEnabled() && !w->CFGCoopKillMeth->isEnabled());

        OpenOptions();
        w->CFGSave->click();
        VerifyBackAtRoster();
        QCOMPARE(ReadBytes(OptionsFile(ui)), kDefaultFile);
        QVERIFY(ui.messages.empty());
    }

    void loadingThenSavingGivesTheFileBack() {
        UiFixture ui;
        WriteBytes(OptionsFile(ui), kEditedFile);
        Start(ui);
        QVERIFY(ui.messages.empty());
        auto* w = TarvexConfig;
        QCOMPARE(w->CFGThinkSpeed->text(), QStringLiteral("0.125"));
        QCOMPARE(w->CFGNavType->currentText(), QStringLiteral("Minimal"));
        QCOMPARE(w->CFGBotstospawn->Value(), -3);
        QVERIFY(AllEnabled(ChatControls(), false));

        OpenOptions();
        w->CFGSave->click();
        VerifyBackAtRoster();
        QCOMPARE(ReadBytes(OptionsFile(ui)), kEditedFile);
    }

    void accuracyFromTheFile_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("position");
        QTest::newRow("in range") << "55" << 55;
        QTest::newRow("above") << "500" << 160;
        QTest::newRow("below") << "-3" << 0;
    }
    void accuracyFromTheFile() {
        QFETCH(QString, value);
        QFETCH(int, position);
        UiFixture ui;
        WriteBytes(OptionsFile(ui), "botaccuracy " + value.toStdString());
        Start(ui);
        QCOMPARE(TarvexConfig->CFGBotAccuracy->value(), position);
        QCOMPARE(TarvexConfig->CFGAAText->text(),
                 QStringLiteral("Bots aiming accuracy: %1").arg(position));
        QCOMPARE(SpokenName(TarvexConfig->CFGBotAccuracy), TarvexConfig->CFGAAText->text());
    }

    void movingTheSliderRenamesItsTitle() {
        UiFixture ui;
        Start(ui);
        auto* w = TarvexConfig;
        QTest::keyClick(w->CFGBotAccuracy, Qt::Key_Right);
        QCOMPARE(w->CFGAAText->text(), QStringLiteral("Bots aiming accuracy: 11"));
        QCOMPARE(SpokenName(w->CFGBotAccuracy), QStringLiteral("Bots aiming accuracy: 11"));
        QTest::keyClick(w->CFGBotAccuracy, Qt::Key_End);
        QCOMPARE(w->CFGAAText->text(), QStringLiteral("Bots aiming accuracy: 160"));
        QCOMPARE(SpokenName(w->CFGBotAccuracy), QStringLiteral("Bots aiming accuracy: 160"));
        QCOMPARE(w->CFGAAText->width(), w->CFGAAText->sizeHint().width());
    }

    void chatRuleFollowsTheChatBox() {
        UiFixture ui;
        WriteBytes(OptionsFile(ui), "botchat 0\nchatfile mine.cfg");
        Start(ui);
        auto* w = TarvexConfig;
        QVERIFY(!w->CFGBotTalk->isChecked());
        QVERIFY(AllEnabled(ChatControls(), false));
        OpenOptions();
        w->CFGBotTalk->click();
        QVERIFY(AllEnabled(ChatControls(), true));
        w->CFGBotTalk->click();
        QVERIFY(AllEnabled(ChatControls(), false));
        QCOMPARE(w->CFGChatfile->currentText(), QStringLiteral("mine.cfg"));

        w->CFGSave->click();
        const std::string saved = ReadBytes(OptionsFile(ui));
        QVERIFY(saved.find("\r\nbotchat 0\r\nchatfile mine.cfg\r\n") != std::string::npos);
    }

    void ignoreAndCloseKeepTheEdits() {
        UiFixture ui;
        WriteBytes(OptionsFile(ui), "bot_num 2");
        Start(ui);
        auto* w = TarvexConfig;
        OpenOptions();
        TypeOver(w->CFGBotFov, QStringLiteral("100"));
        w->CFGTeamplay->click();
        w->CFGIgnore->click();
        VerifyBackAtRoster();

        OpenOptions();
        QCOMPARE(w->CFGBotFov->text(), QStringLiteral("100"));
        QVERIFY(w->CFGTeamplay->isChecked());
        w->close();
        VerifyBackAtRoster();
        QCOMPARE(ReadBytes(OptionsFile(ui)), std::string("bot_num 2"));
    }

    void refusedSavesKeepTheWindowAndTheFile() {
        UiFixture ui;
        WriteBytes(OptionsFile(ui), "speedup 3");
        Start(ui);
        auto* w = TarvexConfig;
        QCOMPARE(w->CFGNavType->currentText(), QString());
        OpenOptions();
        for (const QString& nav : {QString(), QStringLiteral("Fast"), QStringLiteral("full")}) {
            w->CFGNavType->setEditText(nav);
            w->CFGSave->click();
            QCOMPARE(ui.TakeMessages(), std::vector<std::string>{kErr1});
            QVERIFY(w->isVisible());
            QCOMPARE(ReadBytes(OptionsFile(ui)), std::string("speedup 3"));
        }
        w->CFGNavType->setCurrentIndex(0);
        QCOMPARE(w->CFGNavType->currentText(), QStringLiteral("Full"));
        w->CFGSave->click();
        VerifyBackAtRoster();
        QVERIFY(ui.messages.empty());
        QVERIFY(ReadBytes(OptionsFile(ui)).find("\r\nspeedup 0\r\n") != std::string::npos);
    }

    void missingBotDirectoryIsToldOnSave() {
        UiFixture ui;
        std::filesystem::remove_all(ui.botDir());
        Start(ui);
        QCOMPARE(ui.TakeMessages(), (std::vector<std::string>{kErr3, kErr4}));
        OpenOptions();
        TarvexConfig->CFGSave->click();
        QCOMPARE(ui.TakeMessages(), std::vector<std::string>{kErr2});
        QVERIFY(TarvexConfig->isVisible());
        QVERIFY(!std::filesystem::exists(ui.botDir()));
        TarvexConfig->CFGIgnore->click();
        VerifyBackAtRoster();
    }

    void typedTexts() {
        UiFixture ui;
        WriteBytes(OptionsFile(ui), "chatfreq_died 12.5");
        Start(ui);
        auto* w = TarvexConfig;
        OpenOptions();

        // The limit holds for typing only; a longer text from the file can
        // be shortened but not lengthened.
        TypeOver(w->CFGThinkSpeed, QStringLiteral("0.1234"));
        QCOMPARE(w->CFGThinkSpeed->text(), QStringLiteral("0.1"));
        TypeOver(w->CFGfreqkills, QStringLiteral("0.1234"));
        QCOMPARE(w->CFGfreqkills->text(), QStringLiteral("0.1234"));
        w->CFGfreqdied->setFocus();
        w->CFGfreqdied->end(false);
        QTest::keyClicks(w->CFGfreqdied, QStringLiteral("9"));
        QCOMPARE(w->CFGfreqdied->text(), QStringLiteral("12.5"));
        QTest::keyClick(w->CFGfreqdied, Qt::Key_Backspace);
        QCOMPARE(w->CFGfreqdied->text(), QStringLiteral("12."));
        w->CFGThinkSpeed->selectAll();
        w->CFGThinkSpeed->insert(QStringLiteral("98765")); // a paste is cut to fit
        QCOMPARE(w->CFGThinkSpeed->text(), QStringLiteral("987"));

        // Nothing that would not survive a single-byte file line goes in.
        for (const QString& bad :
             {QStringLiteral("1\n2"), QString(QChar(0x4E2D)), QStringLiteral("a") + QChar(u'\0')}) {
            w->CFGBotFov->setText(QStringLiteral("90"));
            w->CFGBotFov->insert(bad);
            QCOMPARE(w->CFGBotFov->text(), QStringLiteral("90"));
            w->CFGChatfile->lineEdit()->insert(bad);
            QCOMPARE(w->CFGChatfile->currentText(), QStringLiteral("talk.cfg"));
        }
        w->CFGBotFov->insert(QString(QChar(0xE9)));
        QCOMPARE(w->CFGBotFov->text(), QStringLiteral("90") + QChar(0xE9));
        w->CFGSave->click();
        QVERIFY(ReadBytes(OptionsFile(ui)).find("\r\nbotfov 90\xE9\r\n") != std::string::npos);
    }

    void spinEditSteps() {
        UiFixture ui;
        Start(ui);
        TCSpinEdit* spin = TarvexConfig->CFGBotstospawn;
        OpenOptions();
        spin->downButton()->click();
        QCOMPARE(spin->editor()->text(), QStringLiteral("-1"));
        QTest::keyClick(spin->editor(), Qt::Key_Up);
        QTest::keyClick(spin->editor(), Qt::Key_Up);
        QCOMPARE(spin->Value(), 1);

        spin->SetValue(INT_MAX);
        spin->upButton()->click();
        QCOMPARE(spin->Value(), INT_MAX);
        spin->SetValue(INT_MIN);
        spin->downButton()->click();
        QCOMPARE(spin->Value(), INT_MIN);

        TypeOver(spin->editor(), QStringLiteral("1x2"));
        QCOMPARE(spin->editor()->text(), QStringLiteral("12"));
        TypeOver(spin->editor(), QStringLiteral("99999999999"));
        QCOMPARE(spin->editor()->text(), QStringLiteral("999999999"));
        TypeOver(spin->editor(), QStringLiteral("-"));
        QCOMPARE(spin->editor()->text(), QStringLiteral("-"));
        TarvexConfig->CFGSave->click();
        QCOMPARE(spin->editor()->text(), QStringLiteral("0"));
        QVERIFY(ReadBytes(OptionsFile(ui)).find("\r\nbot_num 0\r\n") != std::string::npos);
    }

    void hintsShowExceptOnMsecMax() {
        UiFixture ui;
        Start(ui);
        OpenOptions();
        QVERIFY(HintShows(TarvexConfig->CFGMsecMin));
        QVERIFY(HintShows(TarvexConfig->CFGConfigFile));
        QVERIFY(!HintShows(TarvexConfig->CFGMsecMax));
    }

    void openedItHasItsDesignedFontsAndSizedCaptions() {
        UiFixture ui;
        Start(ui);
        OpenOptions();
        QCOMPARE(TarvexConfig->CFGCoopKillMeth->font().pixelSize(), 7);
        for (const QLabel* label : {TarvexConfig->Label1, TarvexConfig->Label19})
            QCOMPARE(label->size(), label->sizeHint());
    }

    void screenReadersHearEachControlsPromptAndHint() {
        UiFixture ui;
        Start(ui);
        auto* w = TarvexConfig;
        TCSpinEdit* spin = w->CFGBotstospawn;
        const std::pair<QWidget*, const char*> controls[] = {
            {w->CFGBotHearing, "Bot Hearing, On/Off."},
            {w->CFGBotPain, "Bot Pain, On/Off."},
            {w->CFGBotCrowbar, "Crowbar-only mode On/Off."},
            {w->CFGBotAccuracy, "Bots aiming accuracy: 10"},
            {w->CFGBotTalk, "Enable bot chatting"},
            {w->CFGCheating, "Enable Cheating"},
            {w->CFGTeamplay, "Enable Teamplay"},
            {w->CFGChatfile, "Chat File"},
            {w->CFGSave, "Save Changes"},
            {w->CFGIgnore, "Ignore Changes"},
            {w->CFGNavType, "Navigation type"},
            {w->CFGUseWPs, "Use Waypoints"},
            {w->CFGGaussJump, "Bots gauss jump, On/Off"},
            {w->CFGTripmines, "Bots use tripmines, On/Off"},
            {w->CFGBotDelay, "Think delay, On/Off"},
            {spin, "Amount of bots to spawn"},
            {w->CFGAngleFrame, "Update angle, On/Off"},
            {w->CFGfreqdied, "Chat frequency, died"},
            {w->CFGfreqkills, "Chat frequency, kills"},
            {w->CFGThinkSpeed, "Bot Think-Speed"},
            {w->CFGBotSpeed, "Bots running speed"},
            {w->CFGBotFov, "Bot Field of View"},
            {w->CFGMsec, "Physics update speed"},
            {w->CFGMsecMin, "MSEC Minimum"},
            {w->CFGMsecMax, "MSEC Maximum"},
            {w->CFGUse4AllMaps, "Use these settings for all maps."},
            {w->CFGCoopKillMeth, "How bots kill non enimies"},
            {w->CFGCoop, "Enable Co-op"},
            {w->CFGCoopKillWho, "How bots treat non-enemies"},
            {spin->upButton(), "Up"},
            {spin->downButton(), "Down"},
        };
        for (const auto& [control, name] : controls) {
            QCOMPARE(SpokenName(control), QString(name));
            QCOMPARE(SpokenDescription(control), control->toolTip());
        }
        // The spin edit's field takes the focus, so it is the one announced.
        QCOMPARE(SpokenName(spin->editor()), QStringLiteral("Amount of bots to spawn"));
        QCOMPARE(SpokenDescription(spin->editor()), spin->toolTip());
        QVERIFY(!spin->toolTip().isEmpty());
        // A hint that never shows still describes its box.
        QCOMPARE(SpokenDescription(w->CFGMsecMax),
                 QStringLiteral("Maximum value physics update speed can reach. (When automated)"));
        QCOMPARE(w->Label12->text(), QStringLiteral("Chat frequency, died........"));
    }
};

QTEST_MAIN(OptionsWindowTest)
#include "options_window_test.moc"
