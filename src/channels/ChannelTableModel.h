// The channel table's model: one row per memory slot of the document (432
// rows), one column per field of the channel record. Texts come from the
// column rules; an edited cell is stored as one undoable step through the
// memory editor's rules. The model follows the document: the rows a step
// names are redrawn, a replaced image resets the table.
#pragma once

#include "channels/ChannelColumns.h"

#include <QAbstractTableModel>

#include <array>

class Document;
enum class SlotKind;

class ChannelTableModel : public QAbstractTableModel
{
    Q_OBJECT

  public:
    // What the header sort and the filter compare: the slot for the channel
    // column, the frequency in Hz for the receive column, the text otherwise.
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit ChannelTableModel(Document& document, QObject* parent = nullptr);

    Document& Doc() const { return document_; }
    static ChannelColumn ColumnOf(const QModelIndex& index);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Display role: the heading as its column shows it (SetHeading), tool
    // tip role: the whole title.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // A column's title in words, for a screen reader.
    static QString ColumnDescription(ChannelColumn column);
    // The heading a column shows, cut short to its width; empty: the title.
    void SetHeading(int section, const QString& shown);
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Edit role: the typed text (a QByteArray for the name is taken as the
    // market's bytes) or the chosen list entry; check state role: Reverse
    // and Lock out. A refused value shows the editor's message and stores
    // nothing; an unchanged record makes no step.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // While one lives, the document's changes are edits of rows in view (a
    // cell, the memory editor, Set Field, Lock Out): the filter leaves the
    // rows where they are, so the operator sees what was just changed.
    class EditInView
    {
      public:
        explicit EditInView(ChannelTableModel& model) : model_(model) { ++model_.editsInView_; }
        ~EditInView() { --model_.editsInView_; }
        EditInView(const EditInView&) = delete;
        EditInView& operator=(const EditInView&) = delete;

      private:
        ChannelTableModel& model_;
    };
    bool EditingInView() const { return editsInView_ > 0; }

  private:
    void RecordsChanged(SlotKind kind, const QList<int>& slotNumbers);

    Document& document_;
    int editsInView_ = 0;
    std::array<QString, ChannelColumnCount> headings_;
};
