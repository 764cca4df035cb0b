// QSettings-backed configuration store of the radio profile.
#include "model/SettingsStore.h"

#include <QSettings>
#include <QString>
#include <QStringList>

QSettingsConfigStore::QSettingsConfigStore()
    : owned_(std::make_unique<QSettings>(QStringLiteral("VANTREL"), QStringLiteral("TSL-QX"))),
      settings_(owned_.get())
{
}

QSettingsConfigStore::QSettingsConfigStore(QSettings& settings) : settings_(&settings) {}

QSettingsConfigStore::~QSettingsConfigStore() = default;

std::string QSettingsConfigStore::Read(const std::string& name)
{
    const QVariant value = settings_->value(QString::fromStdString(name));
    // A hand-edited settings file may hold a band limit without quotes, which
    // the file format reads back as a list: it is still the same text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toUtf8().toStdString();
    if (!value.canConvert<QString>()) return {};
    return value.toString().toUtf8().toStdString();
}

void QSettingsConfigStore::Write(const std::string& name, const std::string& value)
{
    settings_->setValue(QString::fromStdString(name),
                        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    // Written at once, as the profile expects: a later crash keeps the value.
    settings_->sync();
}
