// The four channel grids of the main window: their layout for the radio
// version, the refresh from the image, the status bar of the selected row and
// the focus handling that decides the active grid.
#include "mainwin/MainWindow.h"
#include "model/ShownTexts.h"

#include "channels/ChannelsPage.h"
#include "mainwin/MenuPages.h"
#include "model/FieldTexts.h"
#include "model/TextCodec.h"
#include "model/Translatable.h"
#include "rules/EntryKeys.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace {

// Column widths and visible rows of the grids.
constexpr std::array<int, 4> MemoryColumns = {10, 27, 89, 98};
constexpr std::array<int, 4> VfoColumns = {10, 73, 73, 0};
constexpr std::array<int, 4> CallColumns = {10, 74, 103, 0};
constexpr std::array<int, 4> DtmfColumns = {10, 23, 155, 0};
constexpr int MemoryVisibleRows = 15;
constexpr int VfoVisibleRows = 4;
constexpr int CallVisibleRows = 3;
constexpr int DtmfVisibleRows = 5;

// Font names the radio's own program asks for, and what this platform has.
const QString WesternFontName = QStringLiteral("Times New Roman");
const QString JapaneseFontName =
    QStringLiteral(u"\uFF2D\uFF33\u3000\uFF30\u660E\u671D"); // MS P Mincho in full width
constexpr int MarketFontPointSize = 10;

void InstallFontSubstitutions()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QFont::insertSubstitutions(WesternFontName, {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                                 QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(JapaneseFontName, {QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho"),
                                                  QStringLiteral("Noto Serif CJK JP")});
}

QString ToQString(std::string_view bytes, char market)
{
    return QString::fromStdU16String(MarketToUtf16(bytes, market));
}

QString Latin(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Writes a cell only when its text differs: a refresh of a full image then
// touches only what changed.
void SetCell(QTableWidget* grid, int row, int column, const QString& text)
{
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new ChannelGridItem(text);
        // The fixed column is selected with its row, so that a row is shown
        // selected whichever of its cells the keyboard or mouse lands on; the
        // grid draws that column without highlight.
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grid->setItem(row, column, item);
    } else if (item->text() != text) {
        item->setText(text);
    }
}

// Grid rows count the heading as row 0; the table's own rows start below it.
int TableRow(int gridRow)
{
    return gridRow - 1;
}

} // namespace

QTableWidget* MainWindow::Grid(GridId id) const
{
    switch (id) {
    case GridId::Memory:
        return memoryGrid_;
    case GridId::Vfo:
        return vfoGrid_;
    case GridId::Call:
        return callGrid_;
    case GridId::Dtmf:
        return dtmfGrid_;
    case GridId::None:
        break;
    }
    return nullptr;
}

GridId MainWindow::GridOf(const QObject* object) const
{
    for (GridId id : {GridId::Memory, GridId::Vfo, GridId::Call, GridId::Dtmf}) {
        const QTableWidget* grid = Grid(id);
        if (object == grid || object == grid->viewport()) return id;
    }
    return GridId::None;
}

int MainWindow::SelectedRow(GridId id) const
{
    const QTableWidget* grid = Grid(id);
    if (!grid || grid->currentRow() < 0) return 0;
    return grid->currentRow() + 1;
}

void MainWindow::SelectRow(GridId id, int row)
{
    QTableWidget* grid = Grid(id);
    if (!grid || row < 1 || row > grid->rowCount()) return;
    grid->setCurrentCell(TableRow(row), 1);
}

QString MainWindow::GridCell(GridId id, int column, int row) const
{
    const QTableWidget* grid = Grid(id);
    if (!grid || row < 1) return {};
    const QTableWidgetItem* item = grid->item(TableRow(row), column);
    return item ? item->text() : QString();
}

int MainWindow::VfoBandOfRow(int row) const
{
    return BandOfVfoLabel(GridCell(GridId::Vfo, 1, row).toStdString());
}

int MainWindow::CallIndexOfRow(int row) const
{
    return BandOfCallLabel(GridCell(GridId::Call, 1, row).toStdString());
}

void MainWindow::SizeGrid(ChannelGrid* grid, const std::array<int, 4>& widths, int visibleRows)
{
    // The radio's own program gave the widths for the usual 96 dpi font; a
    // larger desktop font widens them in proportion. The label column and the
    // headings are widened where this platform's font needs more room, so
    // that no label or heading is cut.
    const double scale = std::max(1.0, grid->logicalDpiY() / 96.0);
    std::array<int, 4> fitted{};
    for (std::size_t column = 0; column < fitted.size(); ++column)
        fitted[column] = static_cast<int>(std::lround(widths[column] * scale));
    const QFontMetrics metrics(grid->font());
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (const QTableWidgetItem* label = grid->item(row, 1))
            fitted[1] = std::max(fitted[1], metrics.horizontalAdvance(label->text()) + 8);
    }
    const QHeaderView* header = grid->horizontalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    // The heading takes the grid's font, though a font just given to the grid
    // may not have reached it yet.
    const QFontMetrics headingMetrics(grid->font());
    for (int column = 0; column < grid->columnCount(); ++column) {
        if (const QTableWidgetItem* heading = grid->horizontalHeaderItem(column)) {
            int& width = fitted[static_cast<std::size_t>(column)];
            width = std::max(width, headingMetrics.horizontalAdvance(heading->text()) + 2 * margin);
        }
    }
    for (int column = 0; column < grid->columnCount(); ++column)
        grid->setColumnWidth(column, fitted[static_cast<std::size_t>(column)]);
    // The memory grid takes the height a taller window gives; the others
    // grow until they show all their rows.
    grid->SetHeightInRows(visibleRows, grid->fontMetrics().height() + 3, grid == memoryGrid_);
    int width = 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width();
    for (int w : fitted)
        width += w;
    grid->setMinimumWidth(width);
}

void MainWindow::SetupMemoryAndDtmfGrids()
{
    memoryGrid_->setRowCount(MemoryCount);
    for (int index = 0; index < MemoryCount; ++index) {
        SetCell(memoryGrid_, index, 0, QString());
        SetCell(memoryGrid_, index, 1, QString::fromStdString(MemoryLabel(index)));
        SetCell(memoryGrid_, index, 2, QString());
        SetCell(memoryGrid_, index, 3, QString());
    }
    dtmfGrid_->setRowCount(DtmfCount);
    for (int index = 0; index < DtmfCount; ++index) {
        SetCell(dtmfGrid_, index, 0, QString());
        SetCell(dtmfGrid_, index, 1, QString::number(index));
        SetCell(dtmfGrid_, index, 2, QString());
    }
    memoryGrid_->UseColumnAsRowHeadings(1);
    dtmfGrid_->UseColumnAsRowHeadings(1);
    SizeGrid(memoryGrid_, MemoryColumns, MemoryVisibleRows);
    SizeGrid(dtmfGrid_, DtmfColumns, DtmfVisibleRows);
}

void MainWindow::SetupVfoAndCallGrids()
{
    const char market = Market();
    const std::string& model = Image().Model();
    QStringList vfoLabels;
    for (int band = 0; band < BandCount; ++band) {
        if (BandExists(band, market, model)) vfoLabels << Latin(VfoBandLabel(band, market));
    }
    QStringList callLabels;
    for (int index = 0; index < CallCount; ++index) {
        if (BandExists(index, market, model)) callLabels << Latin(CallBandLabel(index, market));
    }
    auto fill = [](QTableWidget* grid, const QStringList& labels) {
        grid->clearContents();
        grid->setRowCount(static_cast<int>(labels.size()));
        for (int row = 0; row < labels.size(); ++row) {
            SetCell(grid, row, 0, QString());
            SetCell(grid, row, 1, labels[row]);
            SetCell(grid, row, 2, QString());
        }
    };
    fill(vfoGrid_, vfoLabels);
    fill(callGrid_, callLabels);
    vfoGrid_->UseColumnAsRowHeadings(1);
    callGrid_->UseColumnAsRowHeadings(1);
    SizeGrid(vfoGrid_, VfoColumns, VfoVisibleRows);
    SizeGrid(callGrid_, CallColumns, CallVisibleRows);
    menuPages_->ApplyVersion();
}

void MainWindow::SetMarketFonts()
{
    InstallFontSubstitutions();
    QFont font(Market() == 'J' ? JapaneseFontName : WesternFontName, MarketFontPointSize);
    memoryGrid_->setFont(font);
    statusBar()->setFont(font);
    for (QLabel* panel : statusPanels_)
        panel->setFont(font);
    commentEdit_->setFont(font);
    menuPages_->Edit_Pom->setFont(font);
    channelsPage_->SetMarketFont(font);
    SizeGrid(memoryGrid_, MemoryColumns, MemoryVisibleRows);
    SizeStatusPanels();
}

void MainWindow::SizeStatusPanels()
{
    // Each panel is as wide as the widest text it can show in the market's
    // font; the last one takes the rest of the bar.
    const char market = Market();
    // Names are measured with the widest letters and signs a name can hold.
    std::string nameBytes;
    for (const char byte : std::string_view("WM@%\xC6\x8C"))
        if (IsNameByte(static_cast<unsigned char>(byte), market)) nameBytes += byte;
    const std::array<std::vector<std::string>, 4> samples = StatusPanelSamples(nameBytes);
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        QLabel* panel = statusPanels_[i];
        const QFontMetrics metrics(panel->font());
        QString widest;
        int widestAdvance = -1;
        for (const std::string& sample : samples[i]) {
            const QString text = ShownStatusText(ToQString(sample, market));
            const int advance = metrics.horizontalAdvance(text);
            if (advance > widestAdvance) {
                widestAdvance = advance;
                widest = text;
            }
        }
        // The label adds its frame and indent to the text: let it say how
        // wide it needs to be for that text.
        const QString shown = panel->text();
        panel->setText(widest);
        const int width = panel->sizeHint().width() + 2;
        panel->setText(shown);
        if (i + 1 < statusPanels_.size())
            panel->setFixedWidth(width);
        else
            panel->setMinimumWidth(width);
    }
}

void MainWindow::ClearGridCells()
{
    for (int row = 0; row < memoryGrid_->rowCount(); ++row) {
        SetCell(memoryGrid_, row, 0, QString());
        SetCell(memoryGrid_, row, 2, QString());
        SetCell(memoryGrid_, row, 3, QString());
    }
    for (QTableWidget* grid : {vfoGrid_, callGrid_, dtmfGrid_}) {
        for (int row = 0; row < grid->rowCount(); ++row)
            SetCell(grid, row, 2, QString());
    }
}

namespace {

// A VFO or CALL row's frequency; nothing when the record is empty, so that an
// empty record never shifts the rows below it onto another band.
QString RowFrequency(std::string_view record)
{
    const std::string_view frequency = RecordField(record, ChannelField::Frequency);
    return frequency.size() > 1 ? Latin(FormatFrequency(frequency)) : QString();
}

} // namespace

void MainWindow::ShowMemoryRow(int index)
{
    const std::string_view record = Image().GetMemoryRecord(index);
    if (record.empty()) {
        SetCell(memoryGrid_, index, 0, QString());
        SetCell(memoryGrid_, index, 2, QString());
        SetCell(memoryGrid_, index, 3, QString());
        return;
    }
    SetCell(memoryGrid_, index, 0, Latin(LockoutMark(RecordField(record, ChannelField::Lockout))));
    SetCell(memoryGrid_, index, 2, Latin(FormatFrequency(RecordField(record, ChannelField::Frequency))));
    SetCell(memoryGrid_, index, 3, ToQString(RecordField(record, ChannelField::Name, true), Market()));
}

void MainWindow::RefreshAllViews()
{
    for (int index = 0; index < MemoryCount; ++index)
        ShowMemoryRow(index);
    // Each VFO and CALL row shows the record of its own label's band.
    for (int row = 1; row <= vfoGrid_->rowCount(); ++row)
        SetCell(vfoGrid_, TableRow(row), 2, RowFrequency(Image().GetVfoRecord(VfoBandOfRow(row))));
    for (int row = 1; row <= callGrid_->rowCount(); ++row)
        SetCell(callGrid_, TableRow(row), 2, RowFrequency(Image().GetCallRecord(CallIndexOfRow(row))));
    for (int index = 0; index < DtmfCount; ++index)
        SetCell(dtmfGrid_, index, 2, ToQString(RecordField(Image().GetDtmfRecord(index), 1), Market()));

    UpdateStatusBar();
    menuPages_->RefreshFromImage();
}

void MainWindow::RefreshRecords(SlotKind kind, const QList<int>& slotNumbers)
{
    switch (kind) {
    case SlotKind::Memory:
        for (int index : slotNumbers)
            if (index >= 0 && index < MemoryCount) ShowMemoryRow(index);
        break;
    case SlotKind::Vfo:
        for (int row = 1; row <= vfoGrid_->rowCount(); ++row)
            if (slotNumbers.contains(VfoBandOfRow(row)))
                SetCell(vfoGrid_, TableRow(row), 2, RowFrequency(Image().GetVfoRecord(VfoBandOfRow(row))));
        break;
    case SlotKind::Call:
        for (int row = 1; row <= callGrid_->rowCount(); ++row)
            if (slotNumbers.contains(CallIndexOfRow(row)))
                SetCell(callGrid_, TableRow(row), 2,
                        RowFrequency(Image().GetCallRecord(CallIndexOfRow(row))));
        break;
    case SlotKind::Dtmf:
        for (int index : slotNumbers)
            if (index >= 0 && index < DtmfCount)
                SetCell(dtmfGrid_, index, 2,
                        ToQString(RecordField(Image().GetDtmfRecord(index), 1), Market()));
        break;
    case SlotKind::ProgramVfo: // shown in the status bar only
    case SlotKind::MenuSetting:
        break;
    }
    UpdateStatusBar();
}

void MainWindow::SetStatusPanels(const std::array<QString, 4>& texts)
{
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        if (statusPanels_[i]->text() != texts[i]) statusPanels_[i]->setText(texts[i]);
    }
}

QString MainWindow::StatusPanelText(int panel) const
{
    if (panel < 0 || panel >= static_cast<int>(statusPanels_.size())) return {};
    return statusPanels_[static_cast<std::size_t>(panel)]->text();
}

StatusTexts MainWindow::RowStatusTexts(GridId id, int row) const
{
    StatusTexts texts;
    if (row < 1 || row > (Grid(id) ? Grid(id)->rowCount() : 0)) return texts;
    switch (id) {
    case GridId::Memory:
        texts = ChannelStatusTexts(Image().GetMemoryRecord(row - 1));
        break;
    case GridId::Vfo: {
        const int band = VfoBandOfRow(row);
        texts =
            ChannelStatusTexts(Image().GetVfoRecord(band),
                               band < ProgramVfoCount ? Image().GetProgramVfoRecord(band) : std::string());
        break;
    }
    case GridId::Call:
        texts = ChannelStatusTexts(Image().GetCallRecord(CallIndexOfRow(row)));
        break;
    case GridId::Dtmf:
        texts.panel[0] = DtmfStatusText(Image().GetDtmfRecord(row - 1));
        break;
    case GridId::None:
        break;
    }
    return texts;
}

void MainWindow::UpdateStatusBar()
{
    if (!MemoryPageActive()) return;
    const int row = SelectedRow(activeGrid_);
    if (activeGrid_ == GridId::None || row < 1) {
        SetStatusPanels({});
        return;
    }
    const char market = Market();
    const StatusTexts texts = RowStatusTexts(activeGrid_, row);
    std::array<QString, 4> shown;
    for (std::size_t i = 0; i < shown.size(); ++i)
        shown[i] = ShownStatusText(ToQString(texts.panel[i], market));
    SetStatusPanels(shown);
}

void MainWindow::SetGroupCaptionBold(GridId id, bool bold)
{
    QGroupBox* boxes[] = {nullptr, memoryGroup_, vfoGroup_, callGroup_, dtmfGroup_};
    QGroupBox* box = boxes[static_cast<int>(id)];
    if (!box) return;
    // Only the caption turns bold; the grid inside keeps its own font.
    QFont captionFont = box->font();
    captionFont.setBold(bold);
    box->setFont(captionFont);
    QTableWidget* grid = Grid(id);
    QFont gridFont = grid->font();
    gridFont.setBold(false);
    grid->setFont(gridFont);
}

void MainWindow::GridEnter(GridId id)
{
    if (activeGrid_ != id && activeGrid_ != GridId::None) SetGroupCaptionBold(activeGrid_, false);
    activeGrid_ = id;
    SetGroupCaptionBold(id, true);
    RunUpdateEditCommands();
    UpdateStatusBar();
}

void MainWindow::GridExit(GridId id)
{
    if (activeGrid_ == id) activeGrid_ = GridId::None;
    SetGroupCaptionBold(id, false);
    RunUpdateEditCommands();
    UpdateStatusBar();
}

void MainWindow::GridRowChanged(GridId id)
{
    if (Grid(id)->hasFocus() || activeGrid_ == id) GridEnter(id);
}

void MainWindow::OpenGridEditor(GridId id)
{
    if (SelectedRow(id) < 1) return;
    if (const auto& editor = GridEditorHandler[static_cast<std::size_t>(id)]) editor();
}

void MainWindow::ConnectGrids()
{
    QMenu* popups[] = {nullptr, memoryPopup_, vfoPopup_, callPopup_, dtmfPopup_};
    for (GridId id : {GridId::Memory, GridId::Vfo, GridId::Call, GridId::Dtmf}) {
        QTableWidget* grid = Grid(id);
        grid->installEventFilter(this);
        connect(grid, &QTableWidget::currentCellChanged, this,
                [this, id](int row, int, int previousRow, int) {
                    if (row != previousRow) GridRowChanged(id);
                });
        connect(grid, &QTableWidget::cellClicked, this, [this, id]() { GridEnter(id); });
        connect(grid, &QTableWidget::cellDoubleClicked, this, [this, id]() { OpenGridEditor(id); });
        QMenu* popup = popups[static_cast<int>(id)];
        connect(grid, &QWidget::customContextMenuRequested, this, [grid, popup](const QPoint& position) {
            popup->popup(grid->viewport()->mapToGlobal(position));
        });
    }
}

bool MainWindow::GridEvent(GridId id, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        GridEnter(id);
        break;
    case QEvent::FocusOut: {
        // A pop-up menu or another window taking the focus for a while does
        // not leave the grid: its commands still act on it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) GridExit(id);
        break;
    }
    case QEvent::ContextMenu:
        // The Menu key: the pop-up menu at the current cell, not at the mouse.
        if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
            ShowGridPopup(id);
            return true;
        }
        break;
    case QEvent::KeyPress: {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        const Qt::KeyboardModifiers modifiers = keyEvent->modifiers() & ~Qt::KeypadModifier;
        // F2 edits, as it does in a table elsewhere.
        if (key == Qt::Key_Return || key == Qt::Key_Enter ||
            (key == Qt::Key_F2 && modifiers == Qt::NoModifier)) {
            OpenGridEditor(id);
            return true;
        }
        if (key == Qt::Key_Menu || (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
            ShowGridPopup(id);
            return true;
        }
        // Delete alone does in a grid what Ctrl+Del does, where Delete is offered.
        if (key == Qt::Key_Delete && modifiers == Qt::NoModifier) {
            if (deleteAction_->isEnabled()) deleteAction_->trigger();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}
