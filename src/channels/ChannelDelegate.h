// Editors of the channel table's cells: a list of what the slot's band
// offers for the shift, tone mode, tone or DCS code, mode and step; a text
// box for the frequencies and the offset; the memory editor's name box
// (the market's character filter and font) for the name. A check box that
// cannot be changed (lock out of the scan edges and priority channels,
// Reverse of a split channel) is drawn disabled.
#pragma once

#include <QStyledItemDelegate>

class ChannelDelegate : public QStyledItemDelegate
{
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
