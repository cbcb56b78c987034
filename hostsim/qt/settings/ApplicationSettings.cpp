#include <common_settings/ApplicationSettings.h>

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace kestrix::settings {

namespace {

QString settingsFilePath()
{
    const QString fromEnvironment = qEnvironmentVariable("KESTRIX_SETTINGS");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/kestrix/settings.ini");
}

} // namespace

class ApplicationSettings::Private {
public:
    explicit Private(const QString& path)
        : settings(path, QSettings::IniFormat)
    {
    }

    QSettings settings;
};

ApplicationSettings& ApplicationSettings::getInstance()
{
    static ApplicationSettings instance;
    return instance;
}

ApplicationSettings::ApplicationSettings()
    : d(std::make_unique<Private>(settingsFilePath()))
{
}

ApplicationSettings::~ApplicationSettings() = default;

bool ApplicationSettings::keyExists(const std::string& key) const
{
    return d->settings.contains(QString::fromStdString(key));
}

std::string ApplicationSettings::getStringValue(const std::string& key) const
{
    return d->settings.value(QString::fromStdString(key)).toString().toStdString();
}

void ApplicationSettings::setStringValue(const std::string& key, const std::string& value)
{
    d->settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
    d->settings.sync();
}

std::string ApplicationSettings::fileName() const
{
    return QDir::toNativeSeparators(d->settings.fileName()).toStdString();
}

} // namespace kestrix::settings
