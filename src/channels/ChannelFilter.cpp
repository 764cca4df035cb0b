// Find and filter of the channel table.
#include "channels/ChannelFilter.h"

#include "channels/ChannelTableModel.h"
#include "document/Document.h"
#include "model/FieldTexts.h"
#include "model/Records.h"
#include "ui/QtText.h"

ChannelFilter::ChannelFilter(ChannelTableModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model)
{
    setSourceModel(&model);
    setSortRole(ChannelTableModel::SortRole);
    // An edit that moves a row out of the filter keeps it in view until the
    // filter changes: the operator sees what was just typed.
    setDynamicSortFilter(false);
    // After the model's own connection: the rows are redrawn, then filtered.
    connect(&model_.Doc(), &Document::RecordsChanged, this, [this](SlotKind kind, const QList<int>&) {
        if (kind == SlotKind::Memory) ChannelsChanged();
    });
}

void ChannelFilter::ChannelsChanged()
{
    if (model_.EditingInView()) return;
    // Nothing to hide: the rows are all shown already.
    if (text_.isEmpty() && !hideEmpty_) return;
    invalidateFilter();
}

void ChannelFilter::SetFilterText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed == text_) return;
    text_ = trimmed;
    range_ = ParseFrequencyRange(text_.toStdString());
    invalidateFilter();
}

void ChannelFilter::SetHideEmpty(bool hide)
{
    if (hide == hideEmpty_) return;
    hideEmpty_ = hide;
    invalidateFilter();
}

int ChannelFilter::SlotOfRow(int row) const
{
    const QModelIndex source = mapToSource(index(row, 0));
    return source.isValid() ? source.row() : -1;
}

bool ChannelFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const RadioImage& image = model_.Doc().Image();
    const std::string& record = image.GetMemoryRecord(sourceRow);
    if (hideEmpty_ && record.empty()) return false;
    if (text_.isEmpty()) return true;
    if (range_) {
        const long long hz = RecordFrequencyHz(record);
        return hz >= range_->lowerHz && hz <= range_->upperHz;
    }
    const std::string label = MemoryLabel(sourceRow);
    if (QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()))
            .contains(text_, Qt::CaseInsensitive))
        return true;
    if (record.empty()) return false;
    const std::string frequency = FormatFrequency(RecordField(record, ChannelField::Frequency));
    if (QString::fromLatin1(frequency.data(), static_cast<qsizetype>(frequency.size())).contains(text_))
        return true;
    const std::string_view name = RecordField(record, ChannelField::Name, true);
    return !name.empty() && MarketToQString(name, image.MarketLetter()).contains(text_, Qt::CaseInsensitive);
}

bool ChannelFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    // Equal values keep the channels' order.
    const QVariant a = left.data(ChannelTableModel::SortRole);
    const QVariant b = right.data(ChannelTableModel::SortRole);
    if (a == b) return left.row() < right.row();
    if (a.typeId() == QMetaType::QString) return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
    return QVariant::compare(a, b) == QPartialOrdering::Less;
}
