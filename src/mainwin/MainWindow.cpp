// The main window: construction in the start-up order, the menus, the
// toolbar, the pages and the status bar, and the place where the commands of
// the other units are connected.
#include "mainwin/MainWindow.h"

#include "channels/ChannelsPage.h"
#include "editors/SetupDialog.h"
#include "files/ReadBackups.h"
#include "files/RecoveryFile.h"
#include "mainwin/LanguageMenu.h"
#include "mainwin/MenuPages.h"
#include "model/Profile.h"
#include "model/SettingsStore.h"
#include "ui/Messages.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

namespace {

constexpr int CommentTypingLimit = 50;

// Typing may not make the comment longer than 50 characters, but a longer
// comment that came from a data file stays whole and can still be shortened.
class CommentValidator : public QValidator
{
  public:
    explicit CommentValidator(QObject* parent) : QValidator(parent) {}

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
class ChangedValuesOnly : public ConfigStore
{
  public:
    explicit ChangedValuesOnly(ConfigStore& store) : store_(store) {}

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

MainWindow::MainWindow(const Options& options, QWidget* parent) : QMainWindow(parent)
{
    showSplash_ = options.showSplash;
    commandLineFile_ = options.commandLineFile;
    dataFolder_ = options.dataFolder.isEmpty()
                      ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                      : options.dataFolder;
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
    menuPages_ = new MenuPages(menu1Page_, menu2Page_, document_);
    CreateStatusBar();

    // Start-up order: an empty image and paste buffer, the caption, the
    // profile, the market defaults; then the grids for the version and the
    // views. The document starts from that image with no history.
    captionBase_ = Msg::ApplicationTitle;
    RadioImage image;
    LoadTheProfile(options, image);
    image.LoadDefaultVfoAndCall();
    image.LoadInformationChannels();
    image.LoadDefaultMenu();
    document_.Replace(std::move(image), QStringLiteral("Untitled"), QString());
    ShowCaption();
    SetupMemoryAndDtmfGrids();
    SetupVfoAndCallGrids();
    SetMarketFonts();
    RefreshAllViews();
    ConnectDocument();

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
    DescribeForScreenReaders();
}

void MainWindow::PlaceWindow()
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

void MainWindow::SaveWindowPlace()
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
    ChangedValuesOnly store(*store_);
    WriteWindowPlace(store, place);
}

MainWindow::~MainWindow() = default;

void MainWindow::LoadTheProfile(const Options& options, RadioImage& image)
{
    const QString workingDirectory =
        options.workingDirectory.isEmpty() ? QDir::currentPath() : options.workingDirectory;
    // The setup dialog exists while the profile is read and is shown at most
    // once, only when no radio version is stored yet.
    SetupDialog setup(this);
    const VersionChooser chooseVersion = [&]() {
        if (options.showSetup)
            options.showSetup(setup);
        else
            setup.exec();
        return setup.ChoiceIndex();
    };
    ChangedValuesOnly store(*store_);
    const ProfileSettings settings =
        LoadProfile(store, image, QDir::toNativeSeparators(workingDirectory).toStdString(), chooseVersion);
    initialFolder_ = QString::fromStdString(settings.path);
    portName_ = QString::fromStdString(settings.commPort);
    for (int port = 1; port <= static_cast<int>(portActions_.size()); ++port)
        portActions_[static_cast<std::size_t>(port - 1)]->setChecked(port == settings.checkedPort);
}

void MainWindow::CreateActions()
{
    newAction_ = NewAction(this, tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    openAction_ = NewAction(this, tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    saveAction_ = NewAction(this, tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAsAction_ = NewAction(this, tr("Save &As..."));
    printAction_ = NewAction(this, tr("&Print..."));
    exitAction_ = NewAction(this, tr("E&xit"));

    cutAction_ = NewAction(this, tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    copyAction_ = NewAction(this, tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    pasteAction_ = NewAction(this, tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    deleteAction_ = NewAction(this, tr("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    sortAction_ = NewAction(this, tr("Memory channel &Sort..."));
    setFieldAction_ = NewAction(this, tr("Set &Field for Selection..."));
    undoAction_ = document_.UndoStack().createUndoAction(this, tr("&Undo"));
    undoAction_->setShortcuts(QKeySequence::Undo);
    redoAction_ = document_.UndoStack().createRedoAction(this, tr("&Redo"));
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // On the window as well as in the Edit menu, so that the shortcuts work
    // while the menu pages disable the Edit menu. A focused text box takes
    // Ctrl+Z for its own typing first (its shortcut override).
    addAction(undoAction_);
    addAction(redoAction_);

    readAllAction_ = NewAction(this, tr("&All"));
    readMemoryAction_ = NewAction(this, tr("&Memory"));
    readMenuAction_ = NewAction(this, tr("M&enu"));
    writeAllAction_ = NewAction(this, tr("&All"));
    writeMemoryAction_ = NewAction(this, tr("&Memory"));
    writeMenuAction_ = NewAction(this, tr("M&enu"));
    for (int port = 1; port <= static_cast<int>(portActions_.size()); ++port) {
        // "Com&1" .. "Com&9", "Com1&0"
        const QString text = port < 10 ? QStringLiteral("Com&%1").arg(port) : QStringLiteral("Com1&0");
        QAction* item = NewAction(this, text);
        item->setCheckable(true);
        portActions_[static_cast<std::size_t>(port - 1)] = item;
    }

    helpTopicsAction_ = NewAction(this, tr("&Help Topics"));
    aboutAction_ = NewAction(this, tr("&About..."));

    memoryCutAction_ = NewAction(this, tr("Cu&t"));
    memoryCopyAction_ = NewAction(this, tr("&Copy"));
    memoryPasteAction_ = NewAction(this, tr("&Paste"));
    memoryDeleteAction_ = NewAction(this, tr("&Delete"));
    lockOutAction_ = NewAction(this, tr("&Lock Out"));
    vfoCopyAction_ = NewAction(this, tr("&Copy"));
    vfoPasteAction_ = NewAction(this, tr("&Paste"));
    callCopyAction_ = NewAction(this, tr("&Copy"));
    callPasteAction_ = NewAction(this, tr("&Paste"));
    dtmfCutAction_ = NewAction(this, tr("Cu&t"));
    dtmfCopyAction_ = NewAction(this, tr("&Copy"));
    dtmfPasteAction_ = NewAction(this, tr("&Paste"));
    dtmfDeleteAction_ = NewAction(this, tr("&Delete"));

    NewButton = NewAction(this, tr("New"));
    OpenButton = NewAction(this, tr("Open"));
    SaveButton = NewAction(this, tr("Save"));
    PrintButton = NewAction(this, tr("Print"));
    ReadButton = NewAction(this, tr("Read"));
    readAllButtonAction_ = NewAction(this, tr("All"));
    readMemoryButtonAction_ = NewAction(this, tr("Memory"));
    readMenuButtonAction_ = NewAction(this, tr("Menu"));
    WriteButton = NewAction(this, tr("Write"));
    writeAllButtonAction_ = NewAction(this, tr("All"));
    writeMemoryButtonAction_ = NewAction(this, tr("Memory"));
    writeMenuButtonAction_ = NewAction(this, tr("Menu"));
    CutButton = NewAction(this, tr("Cut"));
    CopyButton = NewAction(this, tr("Copy"));
    PasteButton = NewAction(this, tr("Paste"));
    UndoButton = NewAction(this, tr("Undo"));
    RedoButton = NewAction(this, tr("Redo"));
    for (QAction* button : {NewButton, OpenButton, SaveButton, PrintButton, ReadButton, WriteButton,
                            CutButton, CopyButton, PasteButton})
        button->setToolTip(button->text());
}

void MainWindow::CreateMenus()
{
    QMenuBar* bar = menuBar();
    fileMenu_ = bar->addMenu(tr("&File"));
    fileMenu_->addActions({newAction_, openAction_, saveAction_, saveAsAction_});
    fileMenu_->addSeparator();
    fileMenu_->addAction(printAction_);
    fileMenu_->addSeparator();
    fileMenu_->addAction(exitAction_);

    editMenu_ = bar->addMenu(tr("&Edit"));
    editMenu_->addActions({undoAction_, redoAction_});
    editMenu_->addSeparator();
    editMenu_->addActions({cutAction_, copyAction_, pasteAction_, deleteAction_});
    editMenu_->addSeparator();
    editMenu_->addAction(sortAction_);
    editMenu_->addAction(setFieldAction_);

    radioMenu_ = bar->addMenu(tr("&Radio"));
    readMenu_ = radioMenu_->addMenu(tr("&Read"));
    readMenu_->addActions({readAllAction_, readMemoryAction_, readMenuAction_});
    writeMenu_ = radioMenu_->addMenu(tr("&Write"));
    writeMenu_->addActions({writeAllAction_, writeMemoryAction_, writeMenuAction_});
    radioMenu_->addSeparator();
    portMenu_ = radioMenu_->addMenu(tr("&Port Select"));
    for (QAction* item : portActions_)
        portMenu_->addAction(item);

    helpMenu_ = bar->addMenu(tr("&Help"));
    helpMenu_->addAction(helpTopicsAction_);
    helpMenu_->addSeparator();
    helpMenu_->addAction(aboutAction_);
    AddProgramLanguageMenu(helpMenu_, aboutAction_, *store_, this);

    memoryPopup_ = new QMenu(this);
    memoryPopup_->addActions({memoryCutAction_, memoryCopyAction_, memoryPasteAction_, memoryDeleteAction_});
    memoryPopup_->addSeparator();
    memoryPopup_->addAction(lockOutAction_);
    vfoPopup_ = new QMenu(this);
    vfoPopup_->addActions({vfoCopyAction_, vfoPasteAction_});
    callPopup_ = new QMenu(this);
    callPopup_->addActions({callCopyAction_, callPasteAction_});
    dtmfPopup_ = new QMenu(this);
    dtmfPopup_->addActions({dtmfCutAction_, dtmfCopyAction_, dtmfPasteAction_, dtmfDeleteAction_});
}

void MainWindow::CreateToolBar()
{
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar_->addActions({NewButton, OpenButton, SaveButton});
    toolBar_->addSeparator();
    toolBar_->addAction(PrintButton);
    toolBar_->addSeparator();
    auto addDropDown = [this](QAction* button, std::initializer_list<QAction*> entries) {
        auto* menu = new QMenu(this);
        menu->addActions(QList<QAction*>(entries));
        button->setMenu(menu);
        toolBar_->addAction(button);
        if (auto* tool = qobject_cast<QToolButton*>(toolBar_->widgetForAction(button)))
            tool->setPopupMode(QToolButton::MenuButtonPopup);
    };
    addDropDown(ReadButton, {readAllButtonAction_, readMemoryButtonAction_, readMenuButtonAction_});
    addDropDown(WriteButton, {writeAllButtonAction_, writeMemoryButtonAction_, writeMenuButtonAction_});
    toolBar_->addSeparator();
    toolBar_->addActions({CutButton, CopyButton, PasteButton});
    toolBar_->addSeparator();
    toolBar_->addActions({UndoButton, RedoButton});
}

void MainWindow::CreatePages()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(3);

    pages_ = new QTabWidget(central);
    memoryPage_ = new QWidget;
    menu1Page_ = new QWidget;
    menu2Page_ = new QWidget;
    pages_->addTab(memoryPage_, tr("Memor&y"));
    pages_->addTab(menu1Page_, tr("Menu &1"));
    pages_->addTab(menu2Page_, tr("Menu &2"));
    channelsPage_ = new ChannelsPage(document_);
    pages_->addTab(channelsPage_, tr("Cha&nnels"));
    layout->addWidget(pages_);

    auto makeGrid = [](QGroupBox* box, int columns) {
        auto* grid = new ChannelGrid(columns, box);
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
        // Tab goes on to the next control, as the eye reads the page; the
        // arrow keys move within the grid.
        grid->setTabKeyNavigation(false);
        // The box follows its grid's height, from the first rows to all of them.
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(4, 2, 4, 4);
        boxLayout->setSizeConstraint(QLayout::SetMinAndMaxSize);
        boxLayout->addWidget(grid);
        return grid;
    };
    memoryGroup_ = new QGroupBox(tr("&Memory Channel"), memoryPage_);
    vfoGroup_ = new QGroupBox(tr("&VFO"), memoryPage_);
    callGroup_ = new QGroupBox(tr("&CALL Channel"), memoryPage_);
    dtmfGroup_ = new QGroupBox(tr("&DTMF Memory"), memoryPage_);
    memoryGrid_ = makeGrid(memoryGroup_, 4);
    vfoGrid_ = makeGrid(vfoGroup_, 3);
    callGrid_ = makeGrid(callGroup_, 3);
    dtmfGrid_ = makeGrid(dtmfGroup_, 3);
    // The headings stand one blank in from the column's edge.
    const auto heading = [](const QString& text) { return QLatin1Char(' ') + text; };
    //: grid heading, short: the memory channel's number
    const QString channel = tr("ch.");
    //: grid heading, short: receive (and transmit) frequency
    const QString rxTxFrequency = tr("Rx(Tx) Freq.");
    //: grid heading, short: frequency
    const QString frequency = tr("Freq.");
    memoryGrid_->setHorizontalHeaderLabels(
        {QString(), heading(channel), heading(rxTxFrequency), heading(tr("Name"))});
    vfoGrid_->setHorizontalHeaderLabels({QString(), heading(tr("Band")), heading(frequency)});
    callGrid_->setHorizontalHeaderLabels({QString(), heading(tr("Band")), heading(rxTxFrequency)});
    //: grid heading, short: the DTMF memory's number
    dtmfGrid_->setHorizontalHeaderLabels({QString(), heading(tr("No.")), heading(tr("DTMF Code"))});

    // A taller window shows more memory channels; beside them the VFO, CALL
    // and DTMF grids share the column until each shows all its rows.
    auto* pageLayout = new QHBoxLayout(memoryPage_);
    pageLayout->setContentsMargins(3, 3, 3, 3);
    pageLayout->addWidget(memoryGroup_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(vfoGroup_, 1);
    right->addWidget(callGroup_, 1);
    right->addWidget(dtmfGroup_, 1);
    right->addStretch(0);
    pageLayout->addLayout(right, 1);

    auto* commentRow = new QHBoxLayout;
    auto* commentLabel = new QLabel(tr("Comment"), central);
    commentEdit_ = new QLineEdit(central);
    auto* validator = new CommentValidator(commentEdit_);
    commentEdit_->setValidator(validator);
    commentValidator_ = validator;
    commentLabel->setBuddy(commentEdit_);
    commentRow->addWidget(commentLabel);
    commentRow->addWidget(commentEdit_, 1);
    layout->addLayout(commentRow);
    connect(commentEdit_, &QLineEdit::textChanged, this, [this, validator](const QString& text) {
        if (settingComment_) {
            validator->CommentSet(text);
            return;
        }
        validator->CommentEdited(text);
        document_.SetComment(text);
    });

    setCentralWidget(central);
    connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::PageChanged);
}

void MainWindow::CreateStatusBar()
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

void MainWindow::ConnectCommands()
{
    ConnectShellCommands();
    // Commands of the other units are connected below, one unit per line.
    ConnectEditCommands();
    ConnectPortSelect();
    ConnectLinkCommands();
    ConnectCsvCommands();
    ConnectFileCommands();
    ConnectSerialLog();
    ConnectBackupsAndRecovery();
    ConnectEditorCommands();
}

void MainWindow::SetPortName(const QString& name)
{
    portName_ = name;
    for (int port = 1; port <= static_cast<int>(portActions_.size()); ++port)
        portActions_[static_cast<std::size_t>(port - 1)]->setChecked(name ==
                                                                     QStringLiteral("COM%1").arg(port));
}

void MainWindow::SetFileName(const QString& name)
{
    document_.SetFileName(name);
    ShowCaption();
}

void MainWindow::ShowCaption()
{
    // "Untitled" names no file: it is said in the program's language.
    const QString shown = FileName() == QStringLiteral("Untitled") ? tr("Untitled") : FileName();
    setWindowTitle(captionBase_ + QStringLiteral(" [") + shown + QStringLiteral("]"));
    setProperty(kListingCaptionProperty,
                captionBase_ + QStringLiteral(" [") + FileName() + QStringLiteral("]"));
}

void MainWindow::ShowRadioCaption()
{
    document_.SetFileName(QStringLiteral("Untitled"));
    //: caption after a read: the data came from the radio, not from a file
    setWindowTitle(captionBase_ + QLatin1Char(' ') + tr("[Radio]"));
    setProperty(kListingCaptionProperty, captionBase_ + QStringLiteral(" [Radio]"));
}

void MainWindow::ConnectDocument()
{
    // Views follow the document: the cells of the slots a step names, the
    // whole window when the image was replaced.
    connect(&document_, &Document::RecordsChanged, this, &MainWindow::RefreshRecords);
    connect(&document_, &Document::MenuSettingChanged, menuPages_, &MenuPages::RefreshSetting);
    connect(&document_, &Document::ImageReplaced, this, [this] {
        ShowCaption();
        RefreshAllViews();
    });
    connect(&document_, &Document::CommentChanged, this, &MainWindow::ShowComment);
    connect(&document_, &Document::FileNameChanged, this, &MainWindow::ShowCaption);

    // The menu's Undo and Redo name the step; the toolbar's have short
    // texts and the step in the tip. The stack would join its prefix and the
    // step with a blank, which not every language reads so: the texts are
    // set here, once the stack has set its own.
    QUndoStack& stack = document_.UndoStack();
    const auto showButtons = [this, &stack] {
        UndoButton->setEnabled(stack.canUndo());
        RedoButton->setEnabled(stack.canRedo());
        const QString undo = stack.canUndo() ? stack.undoText() : QString();
        const QString redo = stack.canRedo() ? stack.redoText() : QString();
        undoAction_->setText(undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undo));
        redoAction_->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redo));
        UndoButton->setToolTip(undo.isEmpty() ? tr("Undo") : tr("Undo %1").arg(undo));
        RedoButton->setToolTip(redo.isEmpty() ? tr("Redo") : tr("Redo %1").arg(redo));
    };
    connect(&stack, &QUndoStack::undoTextChanged, this, showButtons);
    connect(&stack, &QUndoStack::redoTextChanged, this, showButtons);
    connect(&stack, &QUndoStack::indexChanged, this, showButtons);
    connect(&stack, &QUndoStack::cleanChanged, this, showButtons);
    // Every Undo and Redo says which step it took back (see UndoOrRedo).
    disconnect(undoAction_, &QAction::triggered, &stack, &QUndoStack::undo);
    disconnect(redoAction_, &QAction::triggered, &stack, &QUndoStack::redo);
    for (QAction* undo : {undoAction_, UndoButton})
        connect(undo, &QAction::triggered, this, [this] { UndoOrRedo(false); });
    for (QAction* redo : {redoAction_, RedoButton})
        connect(redo, &QAction::triggered, this, [this] { UndoOrRedo(true); });
    showButtons();
}

void MainWindow::ShowComment(const QString& text)
{
    // The operator's own typing is already in the box.
    if (commentEdit_->text() != text) SetCommentBox(text);
}

void MainWindow::SetCommentBox(const QString& text)
{
    settingComment_ = true;
    // The validator learns the new length before the text arrives.
    static_cast<CommentValidator*>(commentValidator_)->CommentSet(text);
    commentEdit_->setText(text);
    commentEdit_->setCursorPosition(0);
    settingComment_ = false;
}

bool MainWindow::MemoryPageActive() const
{
    return pages_->currentWidget() == memoryPage_;
}

bool MainWindow::ChannelsPageActive() const
{
    return pages_->currentWidget() == channelsPage_;
}

void MainWindow::PageChanged(int)
{
    // The Edit menu stays enabled on every page for Undo and Redo; its other
    // commands follow the page.
    editMenu_->menuAction()->setEnabled(true);
    if (!MemoryPageActive()) {
        SetStatusPanels({});
        if (!ChannelsPageActive()) {
            for (QAction* control : {cutAction_, copyAction_, pasteAction_, deleteAction_, sortAction_,
                                     setFieldAction_, CutButton, CopyButton, PasteButton})
                control->setEnabled(false);
            return;
        }
    }
    // Cut and Copy come back with the page; Paste, Cut and Delete are then
    // decided by the edit commands.
    if (UpdateEditCommandsHandler) {
        for (QAction* control : {copyAction_, sortAction_, CutButton, CopyButton})
            control->setEnabled(true);
    }
    RunUpdateEditCommands();
    if (MemoryPageActive()) UpdateStatusBar();
}

void MainWindow::RunUpdateEditCommands()
{
    if (UpdateEditCommandsHandler) UpdateEditCommandsHandler();
}
