// The channel table's model over the document's memory slots.
#include "channels/ChannelTableModel.h"

#include "channels/ChannelTexts.h"
#include "document/Document.h"
#include "model/Records.h"
#include "ui/Messages.h"
#include "ui/QtText.h"

#include <algorithm>

namespace {

QString Latin(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsCheckColumn(ChannelColumn column)
{
    return column == ChannelColumn::Reverse || column == ChannelColumn::Lockout;
}

// The columns whose values include words of the program's language.
bool IsWordColumn(ChannelColumn column)
{
    return column == ChannelColumn::Shift || column == ChannelColumn::ToneMode;
}

} // namespace

ChannelTableModel::ChannelTableModel(Document& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document)
{
    connect(&document_, &Document::RecordsChanged, this, &ChannelTableModel::RecordsChanged);
    connect(&document_, &Document::ImageReplaced, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

ChannelColumn ChannelTableModel::ColumnOf(const QModelIndex& index)
{
    return static_cast<ChannelColumn>(index.column());
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : MemoryCount;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ChannelColumnCount;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    const int slot = index.row();
    const ChannelColumn column = ColumnOf(index);
    const RadioImage& image = document_.Image();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (IsCheckColumn(column)) return QString();
        const std::string text = ChannelCellText(image, slot, column);
        if (column == ChannelColumn::Name) return MarketToQString(text, image.MarketLetter());
        if (role == Qt::EditRole && text.empty()) {
            if (column == ChannelColumn::Shift) return Latin(std::string(SimplexText));
            if (column == ChannelColumn::ToneMode) return Latin(std::string(NoToneText));
        }
        // The edit takes the English word, the cell shows it translated.
        if (role == Qt::DisplayRole && IsWordColumn(column)) return ChannelValueText(text);
        return Latin(text);
    }
    case Qt::AccessibleTextRole: {
        // What a screen reader says: the text, the box's state, or "empty".
        if (IsCheckColumn(column) && !image.GetMemoryRecord(slot).empty()) {
            //: Spoken state of a Reverse or Lock out box: "012, Lock out, off"
            const QString off = tr("off");
            //: Spoken state of a Reverse or Lock out box: "012, Lock out, on"
            const QString on = tr("on");
            return ChannelCellText(image, slot, column).empty() ? off : on;
        }
        const QString shown = data(index, Qt::DisplayRole).toString().trimmed();
        //: Spoken for a cell that shows nothing
        return shown.isEmpty() ? tr("empty") : shown;
    }
    case Qt::CheckStateRole:
        if (!IsCheckColumn(column) || image.GetMemoryRecord(slot).empty()) return {};
        return ChannelCellText(image, slot, column).empty() ? Qt::Unchecked : Qt::Checked;
    case SortRole:
        if (column == ChannelColumn::Channel) return slot;
        if (column == ChannelColumn::Receive) return RecordFrequencyHz(image.GetMemoryRecord(slot));
        if (column == ChannelColumn::Name)
            return MarketToQString(ChannelCellText(image, slot, column), image.MarketLetter());
        if (IsWordColumn(column)) return ChannelValueText(ChannelCellText(image, slot, column));
        return Latin(ChannelCellText(image, slot, column));
    case Qt::ToolTipRole:
        // Why the box is off where a channel has no lock out.
        if (column == ChannelColumn::Lockout && !image.GetMemoryRecord(slot).empty() &&
            !ChannelCellEditable(image, slot, column))
            return CellRefusalWords(CellRefusal::NoLockout);
        return {};
    case Qt::TextAlignmentRole:
        if (column == ChannelColumn::Receive || column == ChannelColumn::OffsetOrTx)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // Rows are headed by their channel label for assistive technology (the
    // table shows no row headings).
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= MemoryCount) return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return QString::fromStdString(MemoryLabel(section));
        return {};
    }
    if (section < 0 || section >= ChannelColumnCount) return {};
    const QString whole = ChannelColumnTitleText(static_cast<ChannelColumn>(section));
    const QString& shown = headings_[static_cast<std::size_t>(section)];
    // The tip shows the whole of a heading its column cuts short.
    if (role == Qt::DisplayRole) return shown.isEmpty() ? whole : shown;
    // A screen reader says the whole title, not the heading cut short.
    if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) return whole;
    if (role == Qt::AccessibleDescriptionRole) return ColumnDescription(static_cast<ChannelColumn>(section));
    return {};
}

QString ChannelTableModel::ColumnDescription(ChannelColumn column)
{
    switch (column) {
    case ChannelColumn::Channel:
        return tr("Channel number; Enter opens the memory editor");
    case ChannelColumn::Receive:
        return tr("Receive frequency in megahertz");
    case ChannelColumn::Shift:
        return tr("Transmit shift: plus, minus, simplex or split");
    case ChannelColumn::OffsetOrTx:
        return tr("Offset of the transmit frequency, or the transmit frequency of a split channel, in "
                  "megahertz");
    case ChannelColumn::ToneMode:
        return tr("Tone, CTCSS (continuous tone-coded squelch) or DCS (digital-coded squelch)");
    case ChannelColumn::Tone:
        return tr("Tone frequency in hertz, or the DCS code");
    case ChannelColumn::Mode:
        return tr("Modulation");
    case ChannelColumn::Step:
        return tr("Tuning step");
    case ChannelColumn::Reverse:
        return tr("Rev: receive on the transmit frequency and transmit on the receive frequency");
    case ChannelColumn::Lockout:
        return tr("Locked out channels are skipped by scanning");
    case ChannelColumn::Name:
        return tr("Memory channel name");
    case ChannelColumn::Count:
        break;
    }
    return {};
}

void ChannelTableModel::SetHeading(int section, const QString& shown)
{
    if (section < 0 || section >= ChannelColumnCount || headings_[static_cast<std::size_t>(section)] == shown)
        return;
    headings_[static_cast<std::size_t>(section)] = shown;
    emit headerDataChanged(Qt::Horizontal, section, section);
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const ChannelColumn column = ColumnOf(index);
    if (!ChannelCellEditable(document_.Image(), index.row(), column)) return flags;
    return flags | (IsCheckColumn(column) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid()) return false;
    const int slot = index.row();
    const ChannelColumn column = ColumnOf(index);
    const RadioImage& image = document_.Image();
    CellValue cell{column, {}};
    if (role == Qt::CheckStateRole && IsCheckColumn(column)) {
        cell.text = value.value<Qt::CheckState>() == Qt::Checked ? CheckedText : UncheckedText;
    } else if (role == Qt::EditRole && !IsCheckColumn(column)) {
        if (column == ChannelColumn::Name && value.typeId() == QMetaType::QByteArray) {
            const QByteArray bytes = value.toByteArray();
            cell.text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        } else if (column == ChannelColumn::Name) {
            const std::optional<std::string> bytes = QStringToMarket(value.toString(), image.MarketLetter());
            if (!bytes) {
                ShowMessage(MessageKind::Information, Msg::InvalidCharacter);
                return false;
            }
            cell.text = *bytes;
        } else {
            cell.text = value.toString().trimmed().toStdString();
        }
    } else {
        return false;
    }

    const CellEditResult result = EditChannelCells(image, slot, {cell});
    switch (result.refusal) {
    case CellRefusal::None:
        break;
    case CellRefusal::InvalidFrequency:
        ShowMessage(MessageKind::Information, Msg::InvalidFrequency);
        return false;
    case CellRefusal::InvalidOffset:
        ShowMessage(MessageKind::Information, Msg::InvalidOffset);
        return false;
    case CellRefusal::InvalidCharacter:
        ShowMessage(MessageKind::Information, Msg::InvalidCharacter);
        return false;
    default:
        return false;
    }
    const EditInView inView(*this);
    if (result.record != image.GetMemoryRecord(slot))
        document_.StoreRecord(SlotKind::Memory, slot, result.record);
    if (result.rounded) ShowMessage(MessageKind::Information, Msg::FrequencyRounded);
    return true;
}

void ChannelTableModel::RecordsChanged(SlotKind kind, const QList<int>& slotNumbers)
{
    if (kind != SlotKind::Memory || slotNumbers.isEmpty()) return;
    // One signal per run of neighbouring slots.
    QList<int> rows = slotNumbers;
    std::sort(rows.begin(), rows.end());
    const int last = ChannelColumnCount - 1;
    qsizetype i = 0;
    while (i < rows.size()) {
        qsizetype j = i;
        while (j + 1 < rows.size() && rows[j + 1] <= rows[j] + 1)
            ++j;
        if (rows[i] >= 0 && rows[j] < MemoryCount) emit dataChanged(index(rows[i], 0), index(rows[j], last));
        i = j + 1;
    }
}
