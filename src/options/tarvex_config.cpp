#include "options/tarvex_config.h"

#include "app/accessibility.h"
#include "app/forms.h"
#include "app/look.h"
#include "app/message_box.h"
#include "options/spin_edit.h"
#include "platform/code_page.h"
#include "platform/directories.h"
#include "roster/main_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSlider>
#include <QValidator>
#include <utility>

using namespace tarvex;
using namespace tarvex::ui;

namespace {

// What the option texts accept as typed: single-byte characters, never a line
// feed or a zero byte (either would split or end the file's line), and, for
// the boxes with a typing limit, no more characters than the limit. A longer
// text set by the program is kept whole; typing can only shorten it.
class OptionTextValidator final : public QValidator {
  public:
    OptionTextValidator(QObject* parent, int typedLimit)
        : QValidator(parent), typedLimit_(typedLimit) {}

    // The text before the next change, so a change's inserted part is known.
    void Remember(const QString& text) { previous_ = text; }

    State validate(QString& input, int& pos) const override {
        for (const QChar c : input)
            if (!CharToByte(c.unicode()) || c == QLatin1Char('\n') || c == QChar(u'\0'))
                return Invalid;
        if (typedLimit_ == 0 || input.size() <= typedLimit_)
            return Acceptable;

        // The change replaced the middle of the previous text; keep as much of
        // the inserted part as the limit allows, as a length-limited edit does.
        const qsizetype shorter = std::min(previous_.size(), input.size());
        qsizetype head = 0;
        while (head < shorter && previous_[head] == input[head])
            ++head;
        qsizetype tail = 0;
        while (tail < shorter - head &&
               previous_[previous_.size() - 1 - tail] == input[input.size() - 1 - tail])
            ++tail;
        const qsizetype inserted = input.size() - head - tail;
        const qsizetype room = std::max<qsizetype>(0, typedLimit_ - (head + tail));
        if (inserted <= room)
            return Acceptable;
        if (room == 0 && head + tail == previous_.size())
            return Invalid; // nothing fits and nothing was removed
        input = input.left(head + room) + input.right(tail);
        pos = static_cast<int>(head + room);
        return Acceptable;
    }

  private:
    int typedLimit_;
    QString previous_;
};

OptionTextValidator* Validator(QLineEdit* edit) {
    return dynamic_cast<OptionTextValidator*>(const_cast<QValidator*>(edit->validator()));
}

void LimitOptionText(QLineEdit* edit, int typedLimit = 0) {
    auto* validator = new OptionTextValidator(edit, typedLimit);
    validator->Remember(edit->text());
    edit->setValidator(validator);
    QObject::connect(edit, &QLineEdit::textChanged, validator, &OptionTextValidator::Remember);
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption, bool checked,
                     const QString& hint, const QRect& geometry, const QFont& font,
                     const QColor& colour) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    box->setToolTip(hint);
    box->setGeometry(geometry);
    box->setFont(font);
    SetTextColour(box, colour);
    // The tick keeps the system's colour; only the caption takes the font's.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, QGuiApplication::palette().color(QPalette::Text));
    box->setPalette(palette);
    return box;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, const QString& hint,
                    const QRect& geometry, int typedLimit = 0) {
    // The text follows construction: given to the constructor, it is first
    // shaped in the application's default font, which no window here shows.
    auto* edit = new QLineEdit(parent);
    edit->setText(text);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(hint);
    edit->setGeometry(geometry);
    SetTextColour(edit, kRed);
    LimitOptionText(edit, typedLimit);
    edit->setCursorPosition(0);
    return edit;
}

// A list the user may also type into; typed texts are kept as typed, never
// completed from the list or added to it.
QComboBox* MakeEditableCombo(QWidget* parent, const char* name, const QStringList& items,
                             const QString& hint, const QRect& geometry) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->addItems(items);
    combo->setCurrentIndex(0);
    combo->setToolTip(hint);
    combo->setGeometry(geometry);
    SetTextColour(combo, kRed);
    LimitOptionText(combo->lineEdit());
    return combo;
}

QComboBox* MakeChoiceCombo(QWidget* parent, const char* name, const QStringList& items,
                           const QRect& geometry) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setGeometry(geometry);
    SetTextColour(combo, kRed);
    combo->setEnabled(false);
    return combo;
}

QPushButton* MakeRedButton(QWidget* parent, const char* name, const QString& caption,
                           const QString& hint, const QRect& geometry) {
    QPushButton* button = MakeButton(parent, name, caption, hint, geometry);
    SetTextColour(button, kRed);
    return button;
}

QFrame* MakeBevel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setGeometry(geometry);
    return frame;
}

// A heading sits across its frame's top edge and hides the line behind it.
template <typename Widget> Widget* AsHeading(Widget* widget) {
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
    return widget;
}

QString AccuracyCaption(int position) {
    return QStringLiteral("Bots aiming accuracy: ") + QString::number(position);
}

} // namespace

TTarvexConfig::TTarvexConfig() {
    SetUpWindow(this, "TarvexConfig", QStringLiteral("Tarvex Configuation Options"), 684, 386, 33,
                145);

    // The frames first, so every control and heading lies above them.
    Bevel1 = MakeBevel(this, "Bevel1", {8, 40, 433, 209});
    Bevel2 = MakeBevel(this, "Bevel2", {456, 13, 217, 113});
    Bevel3 = MakeBevel(this, "Bevel3", {456, 144, 217, 105});
    Bevel4 = MakeBevel(this, "Bevel4", {24, 160, 201, 65});
    Bevel5 = MakeBevel(this, "Bevel5", {224, 268, 217, 105});
    Bevel6 = MakeBevel(this, "Bevel6", {456, 268, 217, 105});

    const QFont prompt = SansFont(13);
    const QFont heading = SansFont(13, true);
    const QFont windowFont = SansFont(11);

    CFGConfigFile = MakeLabel(this, "CFGConfigFile", QStringLiteral("Config file:"),
                              {8, 8, 433, 16}, heading, kAqua, false);
    CFGConfigFile->setToolTip(QStringLiteral("Config file:"));
    Label6 = AsHeading(MakeLabel(this, "Label6", QStringLiteral("General Bot Options"),
                                 {24, 32, 140, 16}, heading, kLime));
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Bot Think-Speed........................"),
                       {24, 64, 173, 16}, prompt, kRed);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Bot Field of View...................."),
                       {24, 96, 159, 16}, prompt, kRed);
    Label4 = MakeLabel(this, "Label4", QStringLiteral("Bots running speed..............."),
                       {24, 128, 160, 16}, prompt, kRed);
    CFGAAText = MakeLabel(this, "CFGAAText", QStringLiteral("Bots aiming accuracy:"),
                          {32, 168, 131, 16}, prompt, kRed);
    Label9 = MakeLabel(this, "Label9", QStringLiteral("Good"), {32, 201, 26, 13}, windowFont, kRed);
    Label10 =
        MakeLabel(this, "Label10", QStringLiteral("Bad"), {192, 201, 19, 13}, windowFont, kRed);
    Label11 = MakeLabel(this, "Label11", QStringLiteral("Chat File......."), {464, 40, 73, 16},
                        prompt, kRed);
    Label12 = MakeLabel(this, "Label12", QStringLiteral("Chat frequency, died........"),
                        {464, 72, 146, 16}, prompt, kRed);
    Label13 = MakeLabel(this, "Label13", QStringLiteral("Chat frequency, kills........."),
                        {464, 96, 145, 16}, prompt, kRed);
    Label8 = AsHeading(MakeLabel(this, "Label8", QStringLiteral("Other options"),
                                 {472, 136, 93, 16}, heading, kLime));
    Label14 = MakeLabel(this, "Label14", QStringLiteral("Navigation type......."),
                        {472, 168, 115, 16}, prompt, kRed);
    Label5 = MakeLabel(this, "Label5", QStringLiteral("Amount of bots to spawn..."),
                       {8, 308, 153, 16}, prompt, kRed);
    Label7 = AsHeading(MakeLabel(this, "Label7", QStringLiteral("Advanced Options"),
                                 {240, 260, 128, 16}, heading, kLime));
    Label15 = MakeLabel(this, "Label15", QStringLiteral("Physics update speed...."),
                        {232, 288, 146, 16}, prompt, kRed);
    Label16 = MakeLabel(this, "Label16", QStringLiteral("MSEC Minimum................."),
                        {232, 320, 145, 16}, prompt, kRed);
    Label17 = MakeLabel(this, "Label17", QStringLiteral("MSEC Maximum................"),
                        {232, 344, 146, 16}, prompt, kRed);
    Label18 = MakeLabel(this, "Label18", QStringLiteral("How bots treat non-enemies:"),
                        {472, 280, 135, 13}, windowFont, kRed);
    Label18->setEnabled(false);
    Label19 = MakeLabel(this, "Label19", QStringLiteral("How bots kill non enimies:"),
                        {472, 320, 122, 13}, windowFont, kRed);
    Label19->setEnabled(false);

    CFGBotHearing = MakeCheck(this, "CFGBotHearing", QStringLiteral("Bot Hearing, On/Off."), true,
                              QStringLiteral("Bots respond to surrounding noise"),
                              {240, 48, 169, 17}, prompt, kRed);
    CFGBotPain =
        MakeCheck(this, "CFGBotPain", QStringLiteral("Bot Pain, On/Off."), true,
                  QStringLiteral("Bots respond to being hurt"), {240, 72, 169, 17}, prompt, kRed);
    CFGBotCrowbar =
        MakeCheck(this, "CFGBotCrowbar", QStringLiteral("Crowbar-only mode On/Off."), false,
                  QStringLiteral("Bots play with crowbar only"), {240, 144, 185, 17}, prompt, kRed);

    CFGBotAccuracy = new QSlider(Qt::Horizontal, this);
    CFGBotAccuracy->setObjectName(QStringLiteral("CFGBotAccuracy"));
    CFGBotAccuracy->setRange(0, 160);
    CFGBotAccuracy->setSingleStep(1);
    CFGBotAccuracy->setPageStep(2);
    CFGBotAccuracy->setValue(10);
    CFGBotAccuracy->setTickPosition(QSlider::TicksBelow);
    CFGBotAccuracy->setTickInterval(1);
    CFGBotAccuracy->setToolTip(QStringLiteral("Bots aiming ability"));
    CFGBotAccuracy->setGeometry(32, 184, 185, 19);
    // The style draws the groove and the ticks a shade darker than the
    // background, which on black would leave the ticks unseen.
    QPalette trackPalette = CFGBotAccuracy->palette();
    trackPalette.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Window));
    CFGBotAccuracy->setPalette(trackPalette);

    CFGBotTalk = AsHeading(MakeCheck(this, "CFGBotTalk", QStringLiteral("Enable bot chatting"),
                                     true, QStringLiteral("Enable/Disable bot chat"),
                                     {472, 5, 153, 17}, heading, kLime));
    CFGCheating = MakeCheck(this, "CFGCheating", QStringLiteral("Enable Cheating"), false,
                            QStringLiteral("Allows you and bots to cheat (Yes, the bot cheats!)"),
                            {472, 192, 169, 25}, prompt, kRed);
    CFGTeamplay = MakeCheck(this, "CFGTeamplay", QStringLiteral("Enable Teamplay"), false,
                            QStringLiteral("Enable teamplay"), {472, 216, 169, 25}, prompt, kRed);
    CFGChatfile = MakeEditableCombo(this, "CFGChatfile",
                                    {QStringLiteral("talk.cfg"), QStringLiteral("talk_da.cfg"),
                                     QStringLiteral("talk_de.cfg"), QStringLiteral("talk_mix.cfg"),
                                     QStringLiteral("talk_hax.cfg")},
                                    QStringLiteral("Bot chat datafile"), {536, 32, 121, 21});
    CFGSave = MakeRedButton(this, "CFGSave", QStringLiteral("Save Changes"),
                            QStringLiteral("Close dialog and save options"), {8, 352, 97, 25});
    CFGIgnore =
        MakeRedButton(this, "CFGIgnore", QStringLiteral("Ignore Changes"),
                      QStringLiteral("Close dialog without saving options"), {112, 352, 97, 25});
    CFGNavType = MakeEditableCombo(
        this, "CFGNavType",
        {QStringLiteral("Full"), QStringLiteral("Minimal"), QStringLiteral("Part")},
        QStringLiteral("Navigation type: Full, Minimal or Part"), {584, 160, 81, 21});
    CFGUseWPs = MakeCheck(this, "CFGUseWPs", QStringLiteral("Use Waypoints"), true,
                          QStringLiteral("For best navigation. Disable to increase performance"),
                          {240, 168, 145, 17}, prompt, kRed);
    CFGGaussJump = MakeCheck(this, "CFGGaussJump", QStringLiteral("Bots gauss jump, On/Off"), true,
                             QStringLiteral("Gives bots knowledge of how to gauss jump"),
                             {240, 96, 169, 17}, prompt, kRed);
    CFGTripmines = MakeCheck(this, "CFGTripmines", QStringLiteral("Bots use tripmines, On/Off"),
                             true, QStringLiteral("Gives bots knowledge of how to use tripmines"),
                             {240, 120, 177, 17}, prompt, kRed);
    CFGBotDelay = MakeCheck(this, "CFGBotDelay", QStringLiteral("Think delay, On/Off"), true,
                            QStringLiteral("Simulate slower reaction time"), {240, 192, 153, 17},
                            prompt, kRed);

    CFGBotstospawn = new TCSpinEdit(this);
    CFGBotstospawn->setObjectName(QStringLiteral("CFGBotstospawn"));
    CFGBotstospawn->setToolTip(QStringLiteral("Select the amount of bots to be spawned initially"));
    CFGBotstospawn->setFont(prompt);
    SetTextColour(CFGBotstospawn, kRed);
    CFGBotstospawn->setGeometry(160, 296, 49, 26);

    CFGAngleFrame = MakeCheck(this, "CFGAngleFrame", QStringLiteral("Update angle, On/Off"), true,
                              QStringLiteral("Update Bots angle with frame dispite thinkspeed"),
                              {240, 216, 153, 17}, prompt, kRed);
    CFGfreqdied = MakeEdit(this, "CFGfreqdied", QStringLiteral("5.0"),
                           QStringLiteral("How often bot talks after it dies. Must be between 0.1 "
                                          "and 10. (10=Every time, 0.1=Hardly ever)"),
                           {608, 64, 49, 21}, 3);
    CFGfreqkills = MakeEdit(this, "CFGfreqkills", QStringLiteral("5.0"),
                            QStringLiteral("How often bot talks after killing. Must be between "
                                           "0.1 and 10. (10=Every time, 0.1=Hardly ever)"),
                            {608, 88, 49, 21});
    CFGThinkSpeed = MakeEdit(this, "CFGThinkSpeed", QStringLiteral("0.1"),
                             QStringLiteral("Bot thinkspeed (0.1 to 1)"), {184, 56, 41, 21}, 3);
    CFGBotSpeed =
        MakeEdit(this, "CFGBotSpeed", QStringLiteral("0"),
                 QStringLiteral("Bot running speed: <0=Slower ; >0=Faster"), {184, 120, 41, 21});
    CFGBotFov = MakeEdit(this, "CFGBotFov", QStringLiteral("90"),
                         QStringLiteral("Bot field of view (1 - 360)"), {184, 88, 41, 21});
    CFGMsec = MakeEdit(this, "CFGMsec", QStringLiteral("0"),
                       QStringLiteral("Bots physics update speed, MSEC (0 specifies automatic)"),
                       {376, 280, 49, 21});
    CFGMsecMin =
        MakeEdit(this, "CFGMsecMin", QStringLiteral("10"),
                 QStringLiteral("Minimum value physics update speed can reach. (When automated)"),
                 {376, 312, 49, 21});
    CFGMsecMax =
        MakeEdit(this, "CFGMsecMax", QStringLiteral("50"),
                 QStringLiteral("Maximum value physics update speed can reach. (When automated)"),
                 {376, 336, 49, 21});
    CFGMsecMax->installEventFilter(this); // its hint is never shown
    CFGUse4AllMaps =
        MakeCheck(this, "CFGUse4AllMaps", QStringLiteral("Use these settings for all maps."), true,
                  QStringLiteral("Use specified settings for all maps. If unselected, "
                                 "settings will be applied only to first map."),
                  {8, 328, 209, 17}, prompt, kRed);
    CFGCoopKillMeth =
        MakeChoiceCombo(this, "CFGCoopKillMeth",
                        {QStringLiteral("Random murder."),
                         QStringLiteral("Crouch down, shoot upwards in face with shotgun."),
                         QStringLiteral("Back away, shoot in neck or skull with crossbow."),
                         QStringLiteral("Run up to and shoot directly into stomach with magnum."),
                         QStringLiteral("Rapid fire directly into stomach with glock."),
                         QStringLiteral("Crouch down and shoot upwards in skull with magnum.")},
                        {472, 336, 185, 21});
    // No other control uses this size; loading it waits until the window is
    // readied for showing.
    OnFirstPolish(CFGCoopKillMeth, [this] { CFGCoopKillMeth->setFont(SansFont(7)); });
    CFGCoop = AsHeading(MakeCheck(this, "CFGCoop", QStringLiteral("Enable Co-op"), false, QString(),
                                  {472, 260, 115, 17}, heading, kLime));
    CFGCoop->setEnabled(false);
    CFGCoopKillWho =
        MakeChoiceCombo(this, "CFGCoopKillWho",
                        {QStringLiteral("Bots don't kill Barneys or Scientists"),
                         QStringLiteral("Bots kill Barneys and Scientists using scripts"),
                         QStringLiteral("Bots treat Barneys and Scientists as enemies")},
                        {472, 296, 185, 21});

    const std::pair<QWidget*, QLabel*> prompted[] = {
        {CFGThinkSpeed, Label1},   {CFGBotFov, Label2},      {CFGBotSpeed, Label4},
        {CFGChatfile, Label11},    {CFGfreqdied, Label12},   {CFGfreqkills, Label13},
        {CFGNavType, Label14},     {CFGBotstospawn, Label5}, {CFGMsec, Label15},
        {CFGMsecMin, Label16},     {CFGMsecMax, Label17},    {CFGCoopKillWho, Label18},
        {CFGCoopKillMeth, Label19}};
    for (const auto& [control, label] : prompted)
        NameAfterPrompt(control, label);

    QWidget* tabOrder[] = {
        CFGBotHearing, CFGBotPain,     CFGBotCrowbar,   CFGBotAccuracy, CFGBotTalk,    CFGCheating,
        CFGTeamplay,   CFGChatfile,    CFGSave,         CFGIgnore,      CFGNavType,    CFGUseWPs,
        CFGGaussJump,  CFGTripmines,   CFGBotDelay,     CFGBotstospawn, CFGAngleFrame, CFGfreqdied,
        CFGfreqkills,  CFGThinkSpeed,  CFGBotSpeed,     CFGBotFov,      CFGMsec,       CFGMsecMin,
        CFGMsecMax,    CFGUse4AllMaps, CFGCoopKillMeth, CFGCoop,        CFGCoopKillWho};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(CFGBotAccuracy, &QSlider::valueChanged, this, [this] {
        if (!settingAccuracy_)
            UpdateAimAccText();
    });
    connect(CFGBotTalk, &QCheckBox::toggled, this, &TTarvexConfig::CFGChatClicked);
    connect(CFGCoop, &QCheckBox::toggled, this, &TTarvexConfig::CoopClicked);
    connect(CFGSave, &QPushButton::clicked, this, &TTarvexConfig::CFGSavenExit);
    connect(CFGIgnore, &QPushButton::clicked, this, &TTarvexConfig::CFGJustExit);

    LoadStuff();
}

void TTarvexConfig::LoadStuff() {
    ShowAccuracy();
    GameDirectory = CaptureGameDirectory();
    BotDirectory = FormBotDirectory(GameDirectory);
    const QString shown = PathForDisplay(JoinPath(BotDirectory, "Tarvex.cfg"));
    CFGConfigFile->setText(shown);
    CFGConfigFile->setToolTip(shown);
    ReadOptionsFile(BotDirectory, *this);
    ShowAccuracy();
}

void TTarvexConfig::ShowAccuracy() {
    CFGAAText->setText(AccuracyCaption(CFGBotAccuracy->value()));
    CFGAAText->adjustSize();
    // The slider has no caption of its own; its title, number and all, names it.
    CFGBotAccuracy->setAccessibleName(CFGAAText->text());
}

void TTarvexConfig::UpdateAimAccText() {
    ShowAccuracy();
}

void TTarvexConfig::CFGChatClicked() {
    SetChatControlsEnabled(CFGBotTalk->isChecked());
}

void TTarvexConfig::CoopClicked() {
    const bool enabled = CFGCoop->isChecked();
    for (QWidget* control :
         std::initializer_list<QWidget*>{CFGCoopKillWho, CFGCoopKillMeth, Label18, Label19})
        control->setEnabled(enabled);
}

void TTarvexConfig::CFGSavenExit() {
    switch (WriteOptionsFile(BotDirectory, *this)) {
    case 0:
        ReturnToRoster();
        break;
    case 1:
        ShowMessage(kErr1);
        break;
    default:
        ShowMessage(kErr2);
        break;
    }
}

void TTarvexConfig::CFGJustExit() {
    ReturnToRoster();
}

void TTarvexConfig::OpenMainForm() {
    MainForm->show();
}

void TTarvexConfig::ReturnToRoster() {
    hide();
    MainForm->show();
}

void TTarvexConfig::closeEvent(QCloseEvent* event) {
    OpenMainForm();
    event->accept();
}

bool TTarvexConfig::eventFilter(QObject* watched, QEvent* event) {
    if (watched == CFGMsecMax && event->type() == QEvent::ToolTip)
        return true;
    return QWidget::eventFilter(watched, event);
}

QWidget* TTarvexConfig::TextControl(OptionText control) const {
    switch (control) {
    case OptionText::CFGThinkSpeed:
        return CFGThinkSpeed;
    case OptionText::CFGBotFov:
        return CFGBotFov;
    case OptionText::CFGBotSpeed:
        return CFGBotSpeed;
    case OptionText::CFGChatfile:
        return CFGChatfile;
    case OptionText::CFGfreqdied:
        return CFGfreqdied;
    case OptionText::CFGfreqkills:
        return CFGfreqkills;
    case OptionText::CFGNavType:
        return CFGNavType;
    case OptionText::CFGMsec:
        return CFGMsec;
    case OptionText::CFGMsecMin:
        return CFGMsecMin;
    case OptionText::CFGMsecMax:
        return CFGMsecMax;
    }
    return nullptr;
}

QCheckBox* TTarvexConfig::CheckControl(OptionCheck control) const {
    switch (control) {
    case OptionCheck::CFGBotHearing:
        return CFGBotHearing;
    case OptionCheck::CFGBotPain:
        return CFGBotPain;
    case OptionCheck::CFGGaussJump:
        return CFGGaussJump;
    case OptionCheck::CFGTripmines:
        return CFGTripmines;
    case OptionCheck::CFGBotCrowbar:
        return CFGBotCrowbar;
    case OptionCheck::CFGUseWPs:
        return CFGUseWPs;
    case OptionCheck::CFGBotDelay:
        return CFGBotDelay;
    case OptionCheck::CFGAngleFrame:
        return CFGAngleFrame;
    case OptionCheck::CFGBotTalk:
        return CFGBotTalk;
    case OptionCheck::CFGCheating:
        return CFGCheating;
    case OptionCheck::CFGTeamplay:
        return CFGTeamplay;
    case OptionCheck::CFGUse4AllMaps:
        return CFGUse4AllMaps;
    }
    return nullptr;
}

std::string TTarvexConfig::Text(OptionText control) {
    QWidget* widget = TextControl(control);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return ToBytes(combo->currentText());
    return ToBytes(static_cast<QLineEdit*>(widget)->text());
}

void TTarvexConfig::SetText(OptionText control, const std::string& text) {
    const QString value = FromBytes(text);
    QWidget* widget = TextControl(control);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // The list shows the item the text names, if any; the text stands as set.
        combo->setCurrentIndex(combo->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
        combo->setEditText(value);
        return;
    }
    auto* edit = static_cast<QLineEdit*>(widget);
    // Known before the change, so a text longer than the typing limit stays whole.
    if (OptionTextValidator* validator = Validator(edit))
        validator->Remember(value);
    edit->setText(value);
    edit->setCursorPosition(0);
}

bool TTarvexConfig::Checked(OptionCheck control) {
    return CheckControl(control)->isChecked();
}

void TTarvexConfig::SetChecked(OptionCheck control, bool checked) {
    CheckControl(control)->setChecked(checked);
}

int TTarvexConfig::AccuracyPosition() {
    return CFGBotAccuracy->value();
}

void TTarvexConfig::SetAccuracyPosition(int position) {
    settingAccuracy_ = true;
    CFGBotAccuracy->setValue(position);
    settingAccuracy_ = false;
}

int TTarvexConfig::BotsToSpawn() {
    return CFGBotstospawn->Value();
}

void TTarvexConfig::SetBotsToSpawn(int value) {
    CFGBotstospawn->SetValue(value);
}

void TTarvexConfig::SetChatControlsEnabled(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{CFGChatfile, CFGfreqdied, CFGfreqkills,
                                                            Label11, Label12, Label13})
        control->setEnabled(enabled);
}

void TTarvexConfig::ShowMessage(const std::string& text) {
    tarvex::ui::ShowMessage(text);
}
