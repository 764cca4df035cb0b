// Cell editors of the channel table.
#include "channels/ChannelDelegate.h"

#include "channels/ChannelTableModel.h"
#include "channels/ChannelTexts.h"
#include "document/Document.h"
#include "editors/EditorWidgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSortFilterProxyModel>

namespace {

// The table's own model behind whatever proxy the view shows.
std::pair<const ChannelTableModel*, QModelIndex> SourceOf(const QModelIndex& index)
{
    QModelIndex source = index;
    const QAbstractItemModel* model = index.model();
    while (const auto* proxy = qobject_cast<const QSortFilterProxyModel*>(model)) {
        source = proxy->mapToSource(source);
        model = proxy->sourceModel();
    }
    return {qobject_cast<const ChannelTableModel*>(model), source};
}

} // namespace

QWidget* ChannelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    const auto [model, source] = SourceOf(index);
    if (!model) return QStyledItemDelegate::createEditor(parent, option, index);
    const RadioImage& image = model->Doc().Image();
    const ChannelColumn column = ChannelTableModel::ColumnOf(source);
    if (column == ChannelColumn::Name) {
        auto* edit = new NameEdit(parent);
        edit->SetMarket(image.MarketLetter());
        edit->setFont(option.font);
        return edit;
    }
    const std::vector<std::string> options = ChannelColumnOptions(image, source.row(), column);
    if (!options.empty()) {
        auto* list = new QComboBox(parent);
        // Shown in the program's language, each entry keeps the English
        // value that the edit takes.
        for (const std::string& text : options)
            list->addItem(ChannelValueText(text),
                          QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
        list->setMaxVisibleItems(16);
        // A choice from the list is the edit: no second click elsewhere.
        auto* self = const_cast<ChannelDelegate*>(this);
        connect(list, &QComboBox::activated, self, [self, list] {
            emit self->commitData(list);
            emit self->closeEditor(list);
        });
        return list;
    }
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(11);
    return edit;
}

void ChannelDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const auto [model, source] = SourceOf(index);
    if (auto* name = qobject_cast<NameEdit*>(editor); name && model) {
        name->SetNameBytes(ChannelCellText(model->Doc().Image(), source.row(), ChannelColumn::Name));
        return;
    }
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentIndex(std::max(0, list->findData(index.data(Qt::EditRole).toString())));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void ChannelDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* name = qobject_cast<NameEdit*>(editor)) {
        const std::string bytes = name->NameBytes();
        model->setData(index, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), Qt::EditRole);
        return;
    }
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, list->currentData().toString(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

void ChannelDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // The row stays selectable by a click on the box: only the box is off.
    if (option->features.testFlag(QStyleOptionViewItem::HasCheckIndicator) &&
        !index.flags().testFlag(Qt::ItemIsUserCheckable)) {
        option->state &= ~QStyle::State_Enabled;
        // Styles draw the box in the colours of the palette's group.
        option->palette.setCurrentColorGroup(QPalette::Disabled);
    }
}
