#include "roster/main_form.h"

#include "app/accessibility.h"
#include "app/forms.h"
#include "app/look.h"
#include "app/message_box.h"
#include "auxiliary/splash_scrn.h"
#include "launch/launch_form.h"
#include "launch/map_list.h"
#include "options/tarvex_config.h"
#include "platform/directories.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCompleter>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>

using namespace tarvex;
using namespace tarvex::ui;

namespace {

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    edit->setMaxLength(static_cast<int>(kFieldLength));
    edit->setFont(SansFont(13));
    SetTextColour(edit, kRed);
    LimitToSingleBytes(edit);
    edit->setEnabled(false);
    return edit;
}

BotEntry& Entry(int index) {
    return BotRoster.entries[static_cast<std::size_t>(index)];
}

} // namespace

TMainForm::TMainForm() {
    SetUpWindow(this, "MainForm", QString::fromLatin1(kApplicationTitle), 560, 216, 90, 214);

    BotList = new QListWidget(this);
    BotList->setObjectName(QStringLiteral("BotList"));
    BotList->setGeometry(8, 8, 185, 201);
    BotList->setSelectionMode(QAbstractItemView::SingleSelection);
    BotList->setUniformItemSizes(true);
    BotList->setContextMenuPolicy(Qt::CustomContextMenu);

    TarvexLogo = new QLabel(this);
    TarvexLogo->setObjectName(QStringLiteral("TarvexLogo"));
    TarvexLogo->setGeometry(200, 8, 97, 137);
    TarvexLogo->setPixmap(Picture(QStringLiteral(":/tarvex/logo.png")));
    TarvexLogo->setScaledContents(true);
    TarvexLogo->setToolTip(QStringLiteral("Click to see 'About' Dialog"));
    TarvexLogo->setAccessibleName(TarvexLogo->toolTip()); // a picture has no text to speak
    TarvexLogo->installEventFilter(this);

    BtnMoveUp = MakeButton(this, "BtnMoveUp", QStringLiteral("/\\"),
                           QStringLiteral("Move selected item up one position"), {200, 8, 17, 17});
    BtnMoveUp->setFont(SansFont(11, true));
    MoveDown =
        MakeButton(this, "MoveDown", QStringLiteral("\\/"),
                   QStringLiteral("Move selected item down one position"), {200, 24, 17, 17});
    MoveDown->setFont(SansFont(11, true));
    BotNew =
        MakeButton(this, "BotNew", QStringLiteral("New Bot"),
                   QStringLiteral("Create a new bot at selected position"), {200, 152, 97, 17});
    BotRemove = MakeButton(this, "BotRemove", QStringLiteral("Remove Bot"),
                           QStringLiteral("Remove the selected bot"), {200, 168, 97, 17});
    BotSave = MakeButton(this, "BotSave", QStringLiteral("Save Changes"),
                         QStringLiteral("Save changes made to file"), {200, 192, 97, 17});

    GroupBox1 = new QGroupBox(QStringLiteral("Bot Edit"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(304, 8, 249, 145);
    GroupBox1->setFont(SansFont(13, true));
    SetTextColour(GroupBox1, kLime);

    const QFont prompt = SansFont(13);
    Label2 =
        MakeLabel(GroupBox1, "Label2", QStringLiteral("Bot Name:"), {8, 24, 63, 16}, prompt, kRed);
    Label3 =
        MakeLabel(GroupBox1, "Label3", QStringLiteral("Bot Model:"), {8, 56, 64, 16}, prompt, kRed);
    Label4 = MakeLabel(GroupBox1, "Label4", QStringLiteral("Top Colour:"), {8, 88, 70, 16}, prompt,
                       kRed);
    Label5 = MakeLabel(GroupBox1, "Label5", QStringLiteral("Bottom Colour:"), {8, 120, 87, 16},
                       prompt, kRed);
    EditBotName = MakeEdit(GroupBox1, "EditBotName", {80, 16, 161, 24});
    EditBotModel = MakeEdit(GroupBox1, "EditBotModel", {80, 48, 161, 24});
    EditBotTopCol = MakeEdit(GroupBox1, "EditBotTopCol", {88, 80, 153, 24});
    EditBotBotCol = MakeEdit(GroupBox1, "EditBotBotCol", {104, 112, 137, 24});
    NameAfterPrompt(EditBotName, Label2);
    NameAfterPrompt(EditBotModel, Label3);
    NameAfterPrompt(EditBotTopCol, Label4);
    NameAfterPrompt(EditBotBotCol, Label5);

    SetupButton = MakeButton(this, "SetupButton", QStringLiteral("Options -=>>"),
                             QStringLiteral("General Tarvex Options"), {440, 160, 113, 25});
    LaunchButton =
        MakeButton(this, "LaunchButton", QStringLiteral("Launch -=>>"),
                   QStringLiteral("Save changes then launch Half-Life"), {440, 184, 113, 25});

    NewRemMenu = new QMenu(this);
    NewRemMenu->setObjectName(QStringLiteral("NewRemMenu"));
    DelBotEntry = NewRemMenu->addAction(QStringLiteral("New Bot Entry"));
    DelBotEntry->setObjectName(QStringLiteral("DelBotEntry"));
    RemoveselectedEntry1 = NewRemMenu->addAction(QStringLiteral("Remove selected Entry"));
    RemoveselectedEntry1->setObjectName(QStringLiteral("RemoveselectedEntry1"));

    QWidget* tabOrder[] = {BotList,      BotRemove,     BotNew,        EditBotName,
                           EditBotModel, EditBotTopCol, EditBotBotCol, BotSave,
                           BtnMoveUp,    MoveDown,      SetupButton,   LaunchButton};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(BotList, &QListWidget::currentRowChanged, this, [this] {
        if (!selecting_)
            EditSelected();
    });
    connect(BotList, &QListWidget::itemClicked, this, [this] { EditSelected(); });
    connect(BotList, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        NewRemMenu->popup(BotList->viewport()->mapToGlobal(pos));
    });
    connect(BtnMoveUp, &QPushButton::clicked, this, &TMainForm::MoveSelUp);
    connect(MoveDown, &QPushButton::clicked, this, &TMainForm::MoveSelDown);
    connect(BotNew, &QPushButton::clicked, this, &TMainForm::NewBot);
    connect(BotRemove, &QPushButton::clicked, this, &TMainForm::RemoveBot);
    connect(BotSave, &QPushButton::clicked, this, &TMainForm::SaveEntrys);
    connect(SetupButton, &QPushButton::clicked, this, &TMainForm::OpenOptionsForm);
    connect(LaunchButton, &QPushButton::clicked, this, &TMainForm::AppTerminate);
    connect(DelBotEntry, &QAction::triggered, this, &TMainForm::NewBot);
    connect(RemoveselectedEntry1, &QAction::triggered, this, &TMainForm::RemoveBot);
    for (QLineEdit* edit : {EditBotName, EditBotModel, EditBotTopCol, EditBotBotCol})
        edit->installEventFilter(this);

    StartUpCode();
}

void TMainForm::StartUpCode() {
    GameDirectory = CaptureGameDirectory();
    BotDirectory = FormBotDirectory(GameDirectory);
    LoadRoster(BotDirectory, BotRoster, *this);
    RefreshBotList();
    ShowEntry(0);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TarvexLogo) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                TarvexLogo->rect().contains(mouse->position().toPoint()))
                OpenSplash();
        }
        return false;
    }
    // Reading the game's models costs a few milliseconds in a big installation,
    // which start-up need not pay for a box that may never be used.
    if (watched == EditBotModel && event->type() == QEvent::FocusIn && !ModelCompleter)
        OfferModels();
    if (event->type() == QEvent::FocusOut) {
        // Only a move to another control counts as leaving the box; a message box
        // or another application taking the focus does not.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            UpadateArray();
    }
    return false;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

void TMainForm::ShowMessage(const std::string& text) {
    tarvex::ui::ShowMessage(text);
}

void TMainForm::RosterLoaded() {
    RefreshBotList();
    SelectItem(0);
    ShowEntry(0);
    EnableEditBoxes(true);
}

void TMainForm::OfferModels() {
    // Once a run, like the maps: models are not installed while the manager runs.
    QStringList models;
    for (const std::string& name : ListPlayerModels(GameDirectory))
        models.append(FromSystemText(name));
    ModelCompleter = new QCompleter(models, this);
    ModelCompleter->setObjectName(QStringLiteral("ModelCompleter"));
    ModelCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    EditBotModel->setCompleter(ModelCompleter);
}

void TMainForm::SelectItem(int index) {
    selecting_ = true;
    BotList->setCurrentRow(index >= 0 && index < BotList->count() ? index : -1);
    selecting_ = false;
}

void TMainForm::EnableEditBoxes(bool enabled) {
    for (QLineEdit* edit : {EditBotName, EditBotModel, EditBotTopCol, EditBotBotCol})
        edit->setEnabled(enabled);
}

void TMainForm::RefreshBotList() {
    if (BotRoster.lastIndex == -1) {
        selecting_ = true;
        BotList->clear();
        selecting_ = false;
        EnableEditBoxes(false);
        return;
    }
    const int remembered = BotList->currentRow();
    // The scratch file is still written for whoever reads it, but the list is
    // filled from the roster itself, so a failed write costs nothing.
    const bool written = WriteRosterListFile(BotRoster);

    selecting_ = true;
    const int count = BotRoster.Count();
    while (BotList->count() > count)
        delete BotList->takeItem(BotList->count() - 1);
    for (int i = 0; i < count; ++i) {
        const QString name = FromBytes(Entry(i).name);
        if (i < BotList->count()) {
            BotList->item(i)->setText(name);
        } else {
            auto* item = new QListWidgetItem(name, BotList);
            item->setSizeHint(QSize(0, 13));
        }
    }
    selecting_ = false;
    SelectItem(remembered);

    if (!written && !scratchFailureShown_) {
        scratchFailureShown_ = true;
        ShowMessage(kErr7);
    }
}

void TMainForm::ShowEntry(int index) {
    if (index < 0 || index >= kRosterCapacity)
        return;
    const BotEntry& entry = Entry(index);
    EditBotName->setText(FromBytes(entry.name));
    EditBotModel->setText(FromBytes(entry.model));
    EditBotTopCol->setText(FromBytes(entry.topColour));
    EditBotBotCol->setText(FromBytes(entry.bottomColour));
}

void TMainForm::StoreEditedEntry() {
    const int index = BotList->currentRow();
    if (index < 0 || index > BotRoster.lastIndex)
        return;
    auto text = [](const QLineEdit* edit) { return ToBytes(edit->text()).substr(0, kFieldLength); };
    BotEntry& entry = Entry(index);
    entry.name = text(EditBotName);
    entry.model = text(EditBotModel);
    entry.topColour = text(EditBotTopCol);
    entry.bottomColour = text(EditBotBotCol);
}

void TMainForm::EditSelected() {
    const int index = BotList->currentRow();
    if (index != -1)
        ShowEntry(index);
}

void TMainForm::UpadateArray() {
    StoreEditedEntry();
    RefreshBotList();
}

void TMainForm::SaveEntrys() {
    StoreEditedEntry();
    RefreshBotList();
    SaveRoster(BotDirectory, BotRoster, *this);
}

void TMainForm::NewBot() {
    if (BotRoster.lastIndex == kRosterCapacity - 1) {
        ShowMessage("Too many bots!");
        return;
    }
    int p = BotList->currentRow();
    if (p == -1)
        p = 0;
    for (int i = BotRoster.lastIndex; i >= p; --i)
        Entry(i + 1) = Entry(i);
    EnableEditBoxes(true);
    ++BotRoster.lastIndex;
    SelectItem(p);
    Entry(p) = kNewBotEntry;
    RefreshBotList();
    SelectItem(p);
    ShowEntry(p);
}

void TMainForm::RemoveBot() {
    if (BotRoster.lastIndex == -1) {
        ShowMessage("No bots to delete!");
        return;
    }
    const int p = BotList->currentRow();
    if (p == -1)
        return;
    for (int i = p + 1; i <= BotRoster.lastIndex; ++i)
        Entry(i - 1) = Entry(i);
    Entry(BotRoster.lastIndex) = BotEntry{};
    --BotRoster.lastIndex;
    RefreshBotList();
    SelectItem(p);
    if (BotList->currentRow() != -1)
        ShowEntry(BotList->currentRow());
}

void TMainForm::MoveSelected(int step) {
    if (BotRoster.lastIndex == -1)
        return;
    const int p = BotList->currentRow();
    if (p == -1)
        return;
    if (step < 0 && p == 0) {
        ShowMessage("Already at top!");
        return;
    }
    if (step > 0 && p == BotRoster.lastIndex) {
        ShowMessage("Already at bottom!");
        return;
    }
    std::swap(Entry(p), Entry(p + step));
    RefreshBotList();
    SelectItem(p + step);
    ShowEntry(p + step);
}

void TMainForm::MoveSelUp() {
    MoveSelected(-1);
}

void TMainForm::MoveSelDown() {
    MoveSelected(+1);
}

void TMainForm::OpenOptionsForm() {
    hide();
    TarvexConfig->show();
    TarvexConfig->repaint();
}

void TMainForm::AppTerminate() {
    SaveRoster(BotDirectory, BotRoster, *this);
    hide();
    LaunchForm->show();
}

void TMainForm::OpenSplash() {
    hide();
    SplashScrn->show();
}
