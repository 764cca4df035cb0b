// The Channels page: filter, table and the commands on the selection.
#include "channels/ChannelsPage.h"

#include "channels/ChannelDelegate.h"
#include "channels/ChannelFilter.h"
#include "channels/ChannelTableModel.h"
#include "channels/ChannelTexts.h"
#include "document/Document.h"
#include "model/Records.h"
#include "rules/PasteRules.h"
#include "ui/Announcement.h"
#include "ui/Clipboard.h"
#include "ui/Messages.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <string_view>

ChannelsPage::ChannelsPage(Document& document, QWidget* parent)
    : QWidget(parent), document_(document), commands_(document)
{
    model_ = new ChannelTableModel(document_, this);
    filter_ = new ChannelFilter(*model_, this);

    filterBox_ = new QLineEdit(this);
    //: Hint in the empty Find box: what it finds
    filterBox_->setPlaceholderText(tr("Name, frequency, channel or a range such as 144-146"));
    filterBox_->setClearButtonEnabled(true);
    // The box's own clear button has no text of its own.
    for (QToolButton* clear : filterBox_->findChildren<QToolButton*>())
        clear->setAccessibleName(tr("Clear Find"));
    auto* findLabel = new QLabel(tr("&Find"), this);
    findLabel->setBuddy(filterBox_);
    count_ = new QLabel(this);
    hideEmpty_ = new QCheckBox(tr("Hide empty channels"), this);

    view_ = new QTableView(this);
    view_->setModel(filter_);
    view_->setItemDelegate(new ChannelDelegate(view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view_->setSortingEnabled(true);
    view_->sortByColumn(static_cast<int>(ChannelColumn::Channel), Qt::AscendingOrder);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab leaves the table for the next control (within an edit it still
    // goes on to the next cell); the arrow keys move within it.
    view_->setTabKeyNavigation(false);
    view_->setAccessibleName(tr("Channels"));
    view_->setAccessibleDescription(
        tr("F2 or typing edits the current cell; Enter opens the memory editor; Ctrl+Shift+S sorts by the "
           "current column; Shift+F10 or the Menu key opens the edit commands"));
    view_->installEventFilter(this);
    connect(view_->horizontalHeader(), &QHeaderView::sectionResized, this, &ChannelsPage::ElideHeadings);
    connect(view_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            &ChannelsPage::ElideHeadings);

    auto* top = new QHBoxLayout;
    top->addWidget(findLabel);
    top->addWidget(filterBox_, 1);
    top->addWidget(count_);
    top->addWidget(hideEmpty_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->addLayout(top);
    layout->addWidget(view_, 1);

    popup_ = new QMenu(this);
    //: Pop-up menu: lock the selected channels out of scanning (or back in)
    lockOutAction_ = new QAction(tr("&Lock Out"), this);
    connect(lockOutAction_, &QAction::triggered, this, &ChannelsPage::LockOutSelection);
    // A heading click is not the only way to sort: the keyboard sorts by the
    // current cell's column.
    sortByColumnAction_ = new QAction(tr("Sort by &Column"), this);
    sortByColumnAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    sortByColumnAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(sortByColumnAction_);
    connect(sortByColumnAction_, &QAction::triggered, this, &ChannelsPage::SortByCurrentColumn);
    connect(view_, &QWidget::customContextMenuRequested, this,
            [this](QPoint position) { popup_->popup(view_->viewport()->mapToGlobal(position)); });

    connect(filterBox_, &QLineEdit::textChanged, filter_, &ChannelFilter::SetFilterText);
    connect(hideEmpty_, &QCheckBox::toggled, filter_, &ChannelFilter::SetHideEmpty);
    for (const auto rowsChanged : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(filter_, rowsChanged, this, &ChannelsPage::ShowCount);
    connect(filter_, &QAbstractItemModel::modelReset, this, &ChannelsPage::ShowCount);
    connect(filter_, &QAbstractItemModel::layoutChanged, this, &ChannelsPage::ShowCount);
    ShowCount();
    auto* find = new QShortcut(QKeySequence::Find, this);
    // Anywhere in the window while the page is shown (a hidden page's
    // shortcut does not fire), the page's tab included.
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        filterBox_->setFocus(Qt::ShortcutFocusReason);
        filterBox_->selectAll();
    });
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChannelsPage::SelectionChanged);
    connect(view_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() != static_cast<int>(ChannelColumn::Channel) || !OpenEditor) return;
        const ChannelTableModel::EditInView inView(*model_);
        OpenEditor(filter_->SlotOfRow(index.row()));
    });
}

void ChannelsPage::SetMarketFont(const QFont& font)
{
    view_->setFont(font);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 4);
    // Widths from the widest text each column can show, not from measuring
    // 432 rows of cells at every start, and not from the headings: a heading
    // wider than its cells is cut short ("Offset / T...") and shown whole
    // as the heading's tip, so that every column is in view at the window's
    // first size.
    static constexpr std::array<std::string_view, ChannelColumnCount> widest = {
        "PR2", "1299.99999", "Simplex", "1299.99999", "CTCSS",   "254.1Hz",
        "WFM", "6.25kHz",    "",        "",           "WWWWWWWW"};
    const QFontMetrics cells(font);
    const QFontMetrics heading(view_->horizontalHeader()->font());
    // The check boxes of Reverse and Lock out, and a heading's first letters.
    const int box = view_->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, view_);
    constexpr int Margins = 10;
    const int shortHeading = heading.horizontalAdvance(QStringLiteral("Lock")) + Margins;
    // The words among the values may be wider in the program's language.
    auto widestWord = [&cells](std::initializer_list<std::string_view> words) {
        int width = 0;
        for (const std::string_view word : words)
            width = std::max(width, cells.horizontalAdvance(ChannelValueText(word)));
        return width;
    };
    for (int column = 0; column < ChannelColumnCount; ++column) {
        const std::string_view sample = widest[static_cast<std::size_t>(column)];
        int text = sample.empty() ? box
                                  : cells.horizontalAdvance(QString::fromLatin1(
                                        sample.data(), static_cast<qsizetype>(sample.size())));
        if (column == static_cast<int>(ChannelColumn::Shift))
            text = std::max(text, widestWord({SimplexText, SplitText}));
        if (column == static_cast<int>(ChannelColumn::ToneMode))
            text = std::max(text, widestWord({ToneWordText}));
        view_->setColumnWidth(column, std::max(text + Margins, shortHeading));
    }
    // The channel column is the one the rows are sorted by at first: its
    // heading shows whole, with the sort mark.
    QStyle* style = view_->horizontalHeader()->style();
    const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, view_->horizontalHeader());
    const int mark = style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, view_->horizontalHeader());
    view_->setColumnWidth(static_cast<int>(ChannelColumn::Channel),
                          heading.horizontalAdvance(ChannelColumnTitleText(ChannelColumn::Channel)) +
                              3 * margin + mark + 2);
    ElideHeadings();
}

void ChannelsPage::ElideHeadings()
{
    // The header draws a heading wider than its column clipped, without
    // "...": the page cuts it short itself, keeping room for the sort mark.
    QHeaderView* header = view_->horizontalHeader();
    const QFontMetrics metrics(header->font());
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int mark = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    for (int column = 0; column < ChannelColumnCount; ++column) {
        const QString title = model_->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
        int room = header->sectionSize(column) - 2 * margin;
        if (header->isSortIndicatorShown() && header->sortIndicatorSection() == column) room -= mark + margin;
        const QString shown = metrics.elidedText(title, Qt::ElideRight, room);
        model_->SetHeading(column, shown == title ? QString() : shown);
    }
}

std::vector<int> ChannelsPage::SelectedSlots() const
{
    std::vector<int> chosen;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        chosen.push_back(filter_->mapToSource(index).row());
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    return chosen;
}

void ChannelsPage::SelectSlots(int first, int last)
{
    // Neighbouring rows of the view make one range, as a Shift+click does.
    QItemSelection selection;
    int runStart = -1;
    int runEnd = -1;
    const int lastColumn = ChannelColumnCount - 1;
    auto closeRun = [&] {
        if (runStart >= 0) selection.select(filter_->index(runStart, 0), filter_->index(runEnd, lastColumn));
    };
    for (int slot = first; slot <= last; ++slot) {
        const QModelIndex index = filter_->mapFromSource(model_->index(slot, 0));
        if (!index.isValid()) continue;
        if (index.row() == runEnd + 1 && runStart >= 0) {
            runEnd = index.row();
            continue;
        }
        closeRun();
        runStart = runEnd = index.row();
    }
    closeRun();
    view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const QModelIndex current = filter_->mapFromSource(model_->index(first, 0));
    if (current.isValid()) view_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

bool ChannelsPage::HasSelection() const
{
    return view_->selectionModel()->hasSelection();
}

bool ChannelsPage::CanCutSelection() const
{
    const std::vector<int> chosen = SelectedSlots();
    return std::any_of(chosen.begin(), chosen.end(),
                       [this](int slot) { return CutRefusal(document_.Image(), slot) == CellRefusal::None; });
}

bool ChannelsPage::CanPaste() const
{
    if (!HasSelection()) return false;
    return MultiClipboardPayloadBytes().has_value() || !document_.Image().PasteBuffer().empty();
}

std::vector<std::string> ChannelsPage::ClipboardRecords() const
{
    if (const std::optional<std::string> payload = MultiClipboardPayloadBytes())
        return RecordsOfMultiPayload(*payload);
    return {document_.Image().PasteBuffer()};
}

void ChannelsPage::CopySelection()
{
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty()) return;
    std::vector<std::string> records;
    for (const int slot : chosen)
        records.push_back(document_.Image().GetMemoryRecord(slot));
    PutRecordsOnClipboard(records);
}

void ChannelsPage::CutSelection()
{
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty()) return;
    const MultiSlotOutcome outcome = commands_.Cut(chosen);
    if (!outcome.changed.empty()) PutRecordsOnClipboard(outcome.taken);
    //: The command in a report: "Cut left 2 channels as they were:"
    ShowReport(tr("Cut"), outcome);
}

std::vector<int> ChannelsPage::HiddenChannelsReplaced(int first,
                                                      const std::vector<std::string>& records) const
{
    std::vector<int> hidden;
    for (const MultiPastePlan::Placed& placed : PlanMultiPaste(document_.Image(), first, records).placed) {
        if (document_.Image().GetMemoryRecord(placed.slot).empty()) continue;
        if (!filter_->mapFromSource(model_->index(placed.slot, 0)).isValid()) hidden.push_back(placed.slot);
    }
    return hidden;
}

void ChannelsPage::PasteAtSelection()
{
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty()) return;
    const std::vector<std::string> records = ClipboardRecords();
    // The rows below the first one go to the next channels, whether the
    // filter shows them or not: a channel out of sight is replaced only
    // when the operator says so.
    const std::vector<int> hidden = HiddenChannelsReplaced(chosen.front(), records);
    if (!hidden.empty()) {
        constexpr std::size_t Named = 12;
        QStringList labels;
        for (std::size_t i = 0; i < hidden.size() && i < Named; ++i)
            labels << QString::fromStdString(MemoryLabel(hidden[i]));
        QString names = labels.join(QStringLiteral(", "));
        //: After the first 12 channel labels of a list: "011, 013, ... and 3 more"
        if (hidden.size() > Named) names += tr(" and %1 more").arg(hidden.size() - Named);
        //: %1 the labels of the channels ("011, 013, 014")
        const QString question = tr("Paste would also replace %n channel(s) that the filter hides: %1.\n"
                                    "Do you want to paste?",
                                    nullptr, static_cast<int>(hidden.size()))
                                     .arg(names);
        if (ShowMessage(MessageKind::Question, question) != MessageButton::Yes) return;
    }
    const MultiSlotOutcome outcome = commands_.Paste(chosen.front(), records);
    //: The command in a report: "Paste left 2 channels as they were:"
    ShowReport(tr("Paste"), outcome);
}

void ChannelsPage::DeleteSelection()
{
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty()) return;
    //: The command in a report: "Delete left 2 channels as they were:"
    ShowReport(tr("Delete"), commands_.Delete(chosen));
}

void ChannelsPage::LockOutSelection()
{
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty()) return;
    const ChannelTableModel::EditInView inView(*model_);
    //: The command in a report: "Lock Out left 2 channels as they were:"
    ShowReport(tr("Lock Out"), commands_.LockOut(chosen));
}

void ChannelsPage::SetFieldForSelection()
{
    if (!HasSelection()) return;
    std::optional<SetFieldChoice> choice;
    if (AskSetField) {
        choice = AskSetField();
    } else {
        SetFieldDialog dialog(this);
        if (dialog.exec() == QDialog::Accepted) choice = dialog.Choice();
    }
    if (choice) ApplySetField(*choice);
}

void ChannelsPage::ApplySetField(const SetFieldChoice& choice)
{
    const ChannelTableModel::EditInView inView(*model_);
    const MultiSlotOutcome outcome = commands_.SetFields(SelectedSlots(), choice.values, choice.what);
    //: The command in a report: "Set Field for Selection left 2 channels as they were:"
    ShowReport(tr("Set Field for Selection"), outcome);
    if (outcome.rounded) ShowMessage(MessageKind::Information, Msg::FrequencyRounded);
}

void ChannelsPage::ShowReport(const QString& command, const MultiSlotOutcome& outcome)
{
    const QString report = ChannelCommands::Report(command, outcome);
    if (!report.isEmpty()) ShowMessage(MessageKind::Information, report);
    emit SelectionChanged();
}

void ChannelsPage::ShowCount()
{
    const int shown = filter_->rowCount();
    //: How many rows the table shows (the filter's count)
    const QString text = shown == 1 ? tr("1 channel") : tr("%n channels", nullptr, shown);
    if (count_->text() == text) return;
    count_->setText(text);
    // Said where the operator is: typing in Find or ticking "Hide empty
    // channels".
    filterBox_->setAccessibleDescription(text);
    hideEmpty_->setAccessibleDescription(text);
}

void ChannelsPage::SortByCurrentColumn()
{
    QHeaderView* header = view_->horizontalHeader();
    const QModelIndex current = view_->currentIndex();
    const int column = current.isValid() ? current.column() : header->sortIndicatorSection();
    if (column < 0 || column >= ChannelColumnCount) return;
    const Qt::SortOrder order =
        header->sortIndicatorSection() == column && header->sortIndicatorOrder() == Qt::AscendingOrder
            ? Qt::DescendingOrder
            : Qt::AscendingOrder;
    view_->sortByColumn(column, order);
    if (view_->currentIndex().isValid()) view_->scrollTo(view_->currentIndex());
    const QString title = model_->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
    //: Said after a sort; %1 the column's title
    const QString ascending = tr("Sorted by %1, ascending").arg(title);
    //: Said after a sort; %1 the column's title
    const QString descending = tr("Sorted by %1, descending").arg(title);
    AnnounceToScreenReader(order == Qt::AscendingOrder ? ascending : descending, view_);
}

void ChannelsPage::ShowPopupAtCurrentCell()
{
    if (popup_->isVisible()) return;
    const QModelIndex current = view_->currentIndex();
    if (current.isValid()) view_->scrollTo(current);
    const QRect cell = current.isValid() ? view_->visualRect(current) : QRect();
    popup_->popup(view_->viewport()->mapToGlobal(cell.isValid() ? cell.bottomLeft() : QPoint(0, 0)));
}

bool ChannelsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != view_) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        ShowPopupAtCurrentCell();
        return true;
    }
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        ShowPopupAtCurrentCell();
        return true;
    }
    // Enter outside an edit opens the memory editor on the current row, as a
    // double click on its channel number does; in an edit it ends the edit.
    const QModelIndex current = view_->currentIndex();
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier &&
        current.isValid() && !view_->indexWidget(current) && OpenEditor) {
        const ChannelTableModel::EditInView inView(*model_);
        OpenEditor(filter_->SlotOfRow(current.row()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
