#include "dialogs/fontselect/intern/HeightValidator.h"

#include <algorithm>
#include <cmath>

namespace kestrix::sdk::ui::dialogs::fontselect::intern {

namespace {

QLocale withoutGroupSeparators(QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

HeightValidator::HeightValidator(const QLocale& userLocale, QObject* parent) : QValidator(parent)
{
    m_listed.setLocale(withoutGroupSeparators(QLocale::c()));
    m_users.setLocale(withoutGroupSeparators(userLocale));
}

QValidator::State HeightValidator::validate(QString& input, int& position) const
{
    // Each reading gets a copy: neither may change what the user typed.
    QString listed = input;
    int listedPosition = position;
    QString users = input;
    int usersPosition = position;
    return std::max(m_listed.validate(listed, listedPosition), m_users.validate(users, usersPosition));
}

bool HeightValidator::read(const QString& text, const QLocale& userLocale, double& height)
{
    const QString trimmed = text.trimmed();
    bool parsed = false;
    height = withoutGroupSeparators(QLocale::c()).toDouble(trimmed, &parsed);
    if (!parsed)
        height = withoutGroupSeparators(userLocale).toDouble(trimmed, &parsed);
    return parsed && std::isfinite(height);
}

} // namespace kestrix::sdk::ui::dialogs::fontselect::intern
