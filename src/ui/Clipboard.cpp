// The channel clipboard on the system clipboard.
#include "ui/Clipboard.h"

#include "channels/ChannelColumns.h"
#include "rules/PasteRules.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void PutRecordOnClipboard(std::string_view record)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const std::string payload = ClipboardPayload(record);
    auto* data = new QMimeData;
    data->setData(ClipboardFormat, QByteArray(payload.data(), static_cast<qsizetype>(payload.size())));
    clipboard->setMimeData(data);
}

std::optional<std::string> ClipboardPayloadBytes()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(ClipboardFormat)) return std::nullopt;
    const QByteArray bytes = data->data(ClipboardFormat);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void PutRecordsOnClipboard(const std::vector<std::string>& records)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const std::string first = ClipboardPayload(records.empty() ? std::string_view() : records.front());
    const std::string all = MultiRecordPayload(records);
    auto* data = new QMimeData;
    data->setData(ClipboardFormat, QByteArray(first.data(), static_cast<qsizetype>(first.size())));
    data->setData(MultiClipboardFormat, QByteArray(all.data(), static_cast<qsizetype>(all.size())));
    clipboard->setMimeData(data);
}

std::optional<std::string> MultiClipboardPayloadBytes()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(MultiClipboardFormat)) return std::nullopt;
    const QByteArray bytes = data->data(MultiClipboardFormat);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
