#pragma once

#include <memory>
#include <string>

namespace kestrix::settings {

// The host's application settings: an INI file in the user's configuration directory, or
// the file that the environment variable KESTRIX_SETTINGS names.
class ApplicationSettings {
public:
    static ApplicationSettings& getInstance();

    bool keyExists(const std::string& key) const;
    std::string getStringValue(const std::string& key) const;
    void setStringValue(const std::string& key, const std::string& value);
    std::string fileName() const;

    ApplicationSettings(const ApplicationSettings&) = delete;
    ApplicationSettings& operator=(const ApplicationSettings&) = delete;

private:
    ApplicationSettings();
    ~ApplicationSettings();
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::settings
