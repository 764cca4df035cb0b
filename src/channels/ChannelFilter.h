// Find and filter of the channel table: the rows whose channel label,
// receive frequency or name hold the typed text (letters in any case), or
// whose receive frequency lies in a typed range such as "144-146"; and
// "Hide empty channels". Sorting by a heading sorts these rows only: the
// channels keep their numbers. Every change of the channels (paste, cut,
// delete, undo, redo, import, sort, read) applies the filter again, except
// an edit of rows in view (ChannelTableModel::EditInView): those rows stay
// until the next change or filter.
#pragma once

#include "channels/ChannelColumns.h"

#include <QSortFilterProxyModel>

#include <optional>

class ChannelTableModel;

class ChannelFilter : public QSortFilterProxyModel
{
    Q_OBJECT

  public:
    explicit ChannelFilter(ChannelTableModel& model, QObject* parent = nullptr);

    void SetFilterText(const QString& text);
    const QString& FilterText() const { return text_; }
    void SetHideEmpty(bool hide);
    bool HideEmpty() const { return hideEmpty_; }

    // Memory slot of a row of the filtered view; -1 for none.
    int SlotOfRow(int row) const;

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    void ChannelsChanged();

    ChannelTableModel& model_;
    QString text_;
    std::optional<FrequencyRange> range_;
    bool hideEmpty_ = false;
};
