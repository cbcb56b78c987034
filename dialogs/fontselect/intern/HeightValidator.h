#pragma once

#include <QDoubleValidator>
#include <QLocale>

namespace kestrix::sdk::ui::dialogs::fontselect::intern {

// Accepts a height as the list of sizes writes it (C locale) or as the user writes numbers,
// and never reads a separator as a thousands separator: "12.5" is twelve and a half for every
// user, "12,5" too for a German one. The text stays as typed.
class HeightValidator : public QValidator {
    Q_OBJECT
public:
    HeightValidator(const QLocale& userLocale, QObject* parent);

    State validate(QString& input, int& position) const override;

    // Reads a height the way the validator accepts it; false for text that is no finite number.
    static bool read(const QString& text, const QLocale& userLocale, double& height);

private:
    QDoubleValidator m_listed;
    QDoubleValidator m_users;
};

} // namespace kestrix::sdk::ui::dialogs::fontselect::intern
