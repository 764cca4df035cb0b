// The main window: construction in the start-up order, the menus, the
// toolbar, the pages and the status bar, and the place where the commands of
// the other units are connected.
#include "mainwin/Main.h"

#include "editors/Setup.h"
#include "files/CsvCommands.h"
#include "files/FileCommands.h"
#include "mainwin/MenuPages.h"
#include "mainwin/Messages.h"
#include "mainwin/WindowPlacement.h"
#include "model/Profile.h"
#include "model/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

namespace {

constexpr int CommentTypingLimit = 50;

// Typing may not make the comment longer than 50 characters, but a longer
// comment that came from a data file stays whole and can still be shortened.
class TCommentValidator : public QValidator
{
  public:
    explicit TCommentValidator(QObject* parent) : QValidator(parent) {}

    State validate(QString& input, int& position) const override
    {
        if (input.size() <= limit_) return Acceptable;
        // What was just typed or pasted ends at the cursor: keep as much of
        // its beginning as fits, so that a long paste brings its first
        // characters and one more typed character is refused.
        const qsizetype excess = input.size() - limit_;
        if (position < excess) return Invalid;
        input.remove(position - excess, excess);
        position -= static_cast<int>(excess);
        return Acceptable;
    }

    // A comment set by the program may be longer than typing allows.
    void CommentSet(const QString& text) { limit_ = std::max<qsizetype>(CommentTypingLimit, text.size()); }
    // Once shortened, a long comment may not grow again past its new length.
    void CommentEdited(const QString& text)
    {
        limit_ = std::max<qsizetype>(CommentTypingLimit, std::min(limit_, text.size()));
    }

  private:
    qsizetype limit_ = CommentTypingLimit;
};

// The profile load writes every value back, most of them unchanged on every
// start after the first. The per-user store writes its file through on each
// value, so an unchanged value is not written again: the stored text is
// already what the load would write.
class TChangedValuesOnly : public ConfigStore
{
  public:
    explicit TChangedValuesOnly(ConfigStore& store) : store_(store) {}

    std::string Read(const std::string& name) override { return store_.Read(name); }
    void Write(const std::string& name, const std::string& value) override
    {
        if (value.empty() || store_.Read(name) != value) store_.Write(name, value);
    }

  private:
    ConfigStore& store_;
};

QAction* NewAction(QObject* parent, const QString& text, const QKeySequence& shortcut = {})
{
    auto* action = new QAction(text, parent);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    // A command whose unit is not built yet stays disabled; its unit enables it.
    action->setEnabled(false);
    return action;
}

} // namespace

TMainForm::TMainForm(const Options& options, QWidget* parent) : QMainWindow(parent)
{
    showSplash_ = options.showSplash;
    commandLineFile_ = options.commandLineFile;
    if (options.store) {
        store_ = options.store;
    } else {
        ownStore_ = std::make_unique<QSettingsConfigStore>();
        store_ = ownStore_.get();
    }

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreatePages();
    MenuPages = new TMenuPages(TabSheet2, TabSheet3, image_, [this] { SetDataChanged(true); });
    CreateStatusBar();

    // Start-up order: an empty image and paste buffer, the caption, the
    // profile, the grids for the version, the market defaults, the views.
    image_ = RadioImage{};
    captionBase_ = Msg::ApplicationTitle;
    SetFileName(QStringLiteral("Untitled"));
    LoadTheProfile(options);
    SetupMemoryAndDtmfGrids();
    SetupVfoAndCallGrids();
    image_.LoadDefaultVfoAndCall();
    SetMarketFonts();
    image_.LoadInformationChannels();
    image_.LoadDefaultMenu();
    RefreshAllViews();
    SetDataChanged(false);

    // Help topics are looked up beside the executable, then where an
    // installed program keeps them.
    helpFolder_ = options.helpFolder;
    if (helpFolder_.isEmpty()) {
        const QDir exeDir(QCoreApplication::applicationDirPath());
        helpFolder_ = exeDir.absoluteFilePath(QStringLiteral("help"));
        if (!QDir(helpFolder_).exists())
            helpFolder_ = QDir::cleanPath(exeDir.absoluteFilePath(QStringLiteral("../share/tslq/help")));
    }

    AssignHelpContexts();
    ConnectCommands();
    PlaceWindow();
    ConnectGrids();
}

void TMainForm::PlaceWindow()
{
    // The first size is the one the pages need; the window may grow from there.
    resize(sizeHint());
    const std::optional<WindowPlace> place = ReadWindowPlace(*store_);
    if (!place) {
        CentreOnScreen(this);
        centreWhenShown_ = true;
        return;
    }
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    if (IsPlaceOnScreens(place->geometry, screens)) {
        resize(place->geometry.size());
        move(place->geometry.topLeft());
    } else {
        // Its screen is gone: the remembered size, centred where it fits.
        const QScreen* primary = QGuiApplication::primaryScreen();
        resize(primary ? place->geometry.size().boundedTo(primary->availableGeometry().size())
                       : place->geometry.size());
        CentreOnScreen(this);
        centreWhenShown_ = true;
    }
    if (place->maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainForm::SaveWindowPlace()
{
    WindowPlace place;
    place.maximized = isMaximized();
    if (place.maximized) {
        // The place to come back to from maximised, with the frame's corner
        // as for a normal window.
        const QPoint frameOffset = geometry().topLeft() - pos();
        place.geometry = QRect(normalGeometry().topLeft() - frameOffset, normalGeometry().size());
    } else {
        place.geometry = QRect(pos(), size());
    }
    TChangedValuesOnly store(*store_);
    WriteWindowPlace(store, place);
}

TMainForm::~TMainForm() = default;

void TMainForm::LoadTheProfile(const Options& options)
{
    const QString workingDirectory =
        options.workingDirectory.isEmpty() ? QDir::currentPath() : options.workingDirectory;
    // The setup dialog exists while the profile is read and is shown at most
    // once, only when no radio version is stored yet.
    TSetupForm setup(this);
    const VersionChooser chooseVersion = [&]() {
        if (options.showSetup)
            options.showSetup(setup);
        else
            setup.exec();
        return setup.ChoiceIndex();
    };
    TChangedValuesOnly store(*store_);
    const ProfileSettings settings =
        LoadProfile(store, image_, QDir::toNativeSeparators(workingDirectory).toStdString(), chooseVersion);
    initialFolder_ = QString::fromStdString(settings.path);
    portName_ = QString::fromStdString(settings.commPort);
    for (int port = 1; port <= static_cast<int>(Com.size()); ++port)
        Com[static_cast<std::size_t>(port - 1)]->setChecked(port == settings.checkedPort);
}

void TMainForm::CreateActions()
{
    New1 = NewAction(this, QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    Open1 = NewAction(this, QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    Save1 = NewAction(this, QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    Save2 = NewAction(this, QStringLiteral("Save &As..."));
    Print1 = NewAction(this, QStringLiteral("&Print..."));
    Exit1 = NewAction(this, QStringLiteral("E&xit"));

    Cut1 = NewAction(this, QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    Copy1 = NewAction(this, QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    Paste1 = NewAction(this, QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    Delete1 = NewAction(this, QStringLiteral("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    MemorySort1 = NewAction(this, QStringLiteral("Memory channel &Sort..."));

    ReadAll1 = NewAction(this, QStringLiteral("&All"));
    ReadMemory1 = NewAction(this, QStringLiteral("&Memory"));
    ReadMenu1 = NewAction(this, QStringLiteral("M&enu"));
    WriteAll1 = NewAction(this, QStringLiteral("&All"));
    WriteMemory1 = NewAction(this, QStringLiteral("&Memory"));
    WriteMenu1 = NewAction(this, QStringLiteral("M&enu"));
    for (int port = 1; port <= static_cast<int>(Com.size()); ++port) {
        // "Com&1" .. "Com&9", "Com1&0"
        const QString text = port < 10 ? QStringLiteral("Com&%1").arg(port) : QStringLiteral("Com1&0");
        QAction* item = NewAction(this, text);
        item->setCheckable(true);
        Com[static_cast<std::size_t>(port - 1)] = item;
    }

    Help2 = NewAction(this, QStringLiteral("&Help Topics"));
    About1 = NewAction(this, QStringLiteral("&About..."));

    Cut2 = NewAction(this, QStringLiteral("Cu&t"));
    Copy2 = NewAction(this, QStringLiteral("&Copy"));
    Paste2 = NewAction(this, QStringLiteral("&Paste"));
    Delete2 = NewAction(this, QStringLiteral("&Delete"));
    Lockout2 = NewAction(this, QStringLiteral("&Lock Out"));
    Copy3 = NewAction(this, QStringLiteral("&Copy"));
    Paste3 = NewAction(this, QStringLiteral("&Paste"));
    Copy4 = NewAction(this, QStringLiteral("&Copy"));
    Paste4 = NewAction(this, QStringLiteral("&Paste"));
    Cut5 = NewAction(this, QStringLiteral("Cu&t"));
    Copy5 = NewAction(this, QStringLiteral("&Copy"));
    Paste5 = NewAction(this, QStringLiteral("&Paste"));
    Delete5 = NewAction(this, QStringLiteral("&Delete"));

    NewButton = NewAction(this, QStringLiteral("New"));
    OpenButton = NewAction(this, QStringLiteral("Open"));
    SaveButton = NewAction(this, QStringLiteral("Save"));
    PrintButton = NewAction(this, QStringLiteral("Print"));
    ReadButton = NewAction(this, QStringLiteral("Read"));
    ReadAll2 = NewAction(this, QStringLiteral("All"));
    ReadMemory2 = NewAction(this, QStringLiteral("Memory"));
    ReadMenu2 = NewAction(this, QStringLiteral("Menu"));
    WriteButton = NewAction(this, QStringLiteral("Write"));
    WriteAll2 = NewAction(this, QStringLiteral("All"));
    WriteMemory2 = NewAction(this, QStringLiteral("Memory"));
    WriteMenu2 = NewAction(this, QStringLiteral("Menu"));
    CutButton = NewAction(this, QStringLiteral("Cut"));
    CopyButton = NewAction(this, QStringLiteral("Copy"));
    PasteButton = NewAction(this, QStringLiteral("Paste"));
    for (QAction* button : {NewButton, OpenButton, SaveButton, PrintButton, ReadButton, WriteButton,
                            CutButton, CopyButton, PasteButton})
        button->setToolTip(button->text());
}

void TMainForm::CreateMenus()
{
    QMenuBar* bar = menuBar();
    File1 = bar->addMenu(QStringLiteral("&File"));
    File1->addActions({New1, Open1, Save1, Save2});
    File1->addSeparator();
    File1->addAction(Print1);
    File1->addSeparator();
    File1->addAction(Exit1);

    Edit1 = bar->addMenu(QStringLiteral("&Edit"));
    Edit1->addActions({Cut1, Copy1, Paste1, Delete1});
    Edit1->addSeparator();
    Edit1->addAction(MemorySort1);

    Radio1 = bar->addMenu(QStringLiteral("&Radio"));
    Read1 = Radio1->addMenu(QStringLiteral("&Read"));
    Read1->addActions({ReadAll1, ReadMemory1, ReadMenu1});
    Write1 = Radio1->addMenu(QStringLiteral("&Write"));
    Write1->addActions({WriteAll1, WriteMemory1, WriteMenu1});
    Radio1->addSeparator();
    PortSelect1 = Radio1->addMenu(QStringLiteral("&Port Select"));
    for (QAction* item : Com)
        PortSelect1->addAction(item);

    Help1 = bar->addMenu(QStringLiteral("&Help"));
    Help1->addAction(Help2);
    Help1->addSeparator();
    Help1->addAction(About1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->addActions({Cut2, Copy2, Paste2, Delete2});
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Lockout2);
    PopupMenu2 = new QMenu(this);
    PopupMenu2->addActions({Copy3, Paste3});
    PopupMenu3 = new QMenu(this);
    PopupMenu3->addActions({Copy4, Paste4});
    PopupMenu4 = new QMenu(this);
    PopupMenu4->addActions({Cut5, Copy5, Paste5, Delete5});
}

void TMainForm::CreateToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("Toolbar"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->addActions({NewButton, OpenButton, SaveButton});
    ToolBar1->addSeparator();
    ToolBar1->addAction(PrintButton);
    ToolBar1->addSeparator();
    auto addDropDown = [this](QAction* button, std::initializer_list<QAction*> entries) {
        auto* menu = new QMenu(this);
        menu->addActions(QList<QAction*>(entries));
        button->setMenu(menu);
        ToolBar1->addAction(button);
        if (auto* tool = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(button)))
            tool->setPopupMode(QToolButton::MenuButtonPopup);
    };
    addDropDown(ReadButton, {ReadAll2, ReadMemory2, ReadMenu2});
    addDropDown(WriteButton, {WriteAll2, WriteMemory2, WriteMenu2});
    ToolBar1->addSeparator();
    ToolBar1->addActions({CutButton, CopyButton, PasteButton});
}

void TMainForm::CreatePages()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(3);

    PageControl1 = new QTabWidget(central);
    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    TabSheet3 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("Memor&y"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Menu &1"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Menu &2"));
    layout->addWidget(PageControl1);

    auto makeGrid = [](QGroupBox* box, int columns) {
        auto* grid = new TChannelGrid(columns, box);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setWordWrap(false);
        grid->setCornerButtonEnabled(false);
        grid->verticalHeader()->hide();
        grid->horizontalHeader()->setStretchLastSection(true);
        grid->horizontalHeader()->setSectionsClickable(false);
        grid->horizontalHeader()->setHighlightSections(false);
        grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        // The box follows its grid's height, from the first rows to all of them.
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(4, 2, 4, 4);
        boxLayout->setSizeConstraint(QLayout::SetMinAndMaxSize);
        boxLayout->addWidget(grid);
        return grid;
    };
    GroupBox1 = new QGroupBox(QStringLiteral("&Memory Channel"), TabSheet1);
    GroupBox2 = new QGroupBox(QStringLiteral("&VFO"), TabSheet1);
    GroupBox3 = new QGroupBox(QStringLiteral("&CALL Channel"), TabSheet1);
    GroupBox4 = new QGroupBox(QStringLiteral("&DTMF Memory"), TabSheet1);
    StringGrid1 = makeGrid(GroupBox1, 4);
    StringGrid2 = makeGrid(GroupBox2, 3);
    StringGrid3 = makeGrid(GroupBox3, 3);
    StringGrid4 = makeGrid(GroupBox4, 3);
    StringGrid1->setHorizontalHeaderLabels(
        {QString(), QStringLiteral(" ch."), QStringLiteral(" Rx(Tx) Freq."), QStringLiteral(" Name")});
    StringGrid2->setHorizontalHeaderLabels({QString(), QStringLiteral(" Band"), QStringLiteral(" Freq.")});
    StringGrid3->setHorizontalHeaderLabels(
        {QString(), QStringLiteral(" Band"), QStringLiteral(" Rx(Tx) Freq.")});
    StringGrid4->setHorizontalHeaderLabels({QString(), QStringLiteral(" No."), QStringLiteral(" DTMF Code")});

    // A taller window shows more memory channels; beside them the VFO, CALL
    // and DTMF grids share the column until each shows all its rows.
    auto* pageLayout = new QHBoxLayout(TabSheet1);
    pageLayout->setContentsMargins(3, 3, 3, 3);
    pageLayout->addWidget(GroupBox1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(GroupBox2, 1);
    right->addWidget(GroupBox3, 1);
    right->addWidget(GroupBox4, 1);
    right->addStretch(0);
    pageLayout->addLayout(right, 1);

    auto* commentRow = new QHBoxLayout;
    auto* commentLabel = new QLabel(QStringLiteral("Comment"), central);
    Edit_Comment = new QLineEdit(central);
    auto* validator = new TCommentValidator(Edit_Comment);
    Edit_Comment->setValidator(validator);
    commentValidator_ = validator;
    commentLabel->setBuddy(Edit_Comment);
    commentRow->addWidget(commentLabel);
    commentRow->addWidget(Edit_Comment, 1);
    layout->addLayout(commentRow);
    connect(Edit_Comment, &QLineEdit::textChanged, this, [this, validator](const QString& text) {
        if (settingComment_) {
            validator->CommentSet(text);
            return;
        }
        validator->CommentEdited(text);
        SetDataChanged(true);
    });

    setCentralWidget(central);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TMainForm::PageControl1Change);
}

void TMainForm::CreateStatusBar()
{
    // The panels' widths follow the market's font (SetMarketFonts).
    QStatusBar* bar = statusBar();
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i == 1) panel->setAlignment(Qt::AlignCenter);
        bar->addWidget(panel, i + 1 == statusPanels_.size() ? 1 : 0);
        statusPanels_[i] = panel;
    }
}

void TMainForm::ConnectCommands()
{
    ConnectShellCommands();
    // Commands of the other units are connected below, one unit per line.
    ConnectEditCommands();
    ConnectPortSelect();
    ConnectLinkCommands();
    ConnectCsvCommands(*this);
    ConnectFileCommands(*this);
    ConnectEditorCommands();
}

void TMainForm::SetPortName(const QString& name)
{
    portName_ = name;
    for (int port = 1; port <= static_cast<int>(Com.size()); ++port)
        Com[static_cast<std::size_t>(port - 1)]->setChecked(name == QStringLiteral("COM%1").arg(port));
}

void TMainForm::SetFileName(const QString& name)
{
    fileName_ = name;
    ShowCaption();
}

void TMainForm::ShowCaption()
{
    setWindowTitle(captionBase_ + QStringLiteral(" [") + fileName_ + QStringLiteral("]"));
}

void TMainForm::ShowRadioCaption()
{
    fileName_ = QStringLiteral("Untitled");
    setWindowTitle(captionBase_ + QStringLiteral(" [Radio]"));
}

QString TMainForm::Comment() const
{
    return Edit_Comment->text();
}

void TMainForm::SetComment(const QString& text)
{
    settingComment_ = true;
    // The validator learns the new length before the text arrives.
    static_cast<TCommentValidator*>(commentValidator_)->CommentSet(text);
    Edit_Comment->setText(text);
    Edit_Comment->setCursorPosition(0);
    settingComment_ = false;
}

bool TMainForm::MemoryPageActive() const
{
    return PageControl1->currentWidget() == TabSheet1;
}

void TMainForm::PageControl1Change(int)
{
    if (!MemoryPageActive()) {
        Edit1->menuAction()->setEnabled(false);
        CutButton->setEnabled(false);
        CopyButton->setEnabled(false);
        PasteButton->setEnabled(false);
        SetStatusPanels({});
        return;
    }
    Edit1->menuAction()->setEnabled(true);
    // Cut and Copy come back with the page; Paste, Cut and Delete are then
    // decided by the edit commands.
    if (UpdateEditCommandsHandler) {
        CutButton->setEnabled(true);
        CopyButton->setEnabled(true);
    }
    RunUpdateEditCommands();
    UpdateStatusBar();
}

void TMainForm::RunUpdateEditCommands()
{
    if (UpdateEditCommandsHandler) UpdateEditCommandsHandler();
}
