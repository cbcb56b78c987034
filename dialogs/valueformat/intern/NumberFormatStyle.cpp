#include "dialogs/valueformat/intern/NumberFormatStyle.h"

#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxtoolbox/StringList.h>

#include <type_traits>
#include <variant>

namespace kestrix::sdk::ui::dialogs::valueformat::intern {

namespace {

constexpr int DialogSettingsUndoCategory = 11;

toolbox::StringList withNumberFormat(const toolbox::StringList& keywords)
{
    toolbox::StringList path(keywords);
    path.append("NUMFORMAT");
    return path;
}

} // namespace

NumberFormatStyle::NumberFormatStyle(const toolbox::StringList& keywords, int objectIndex, int objectIndex2)
    : m_numberFormat(withNumberFormat(keywords)),
      m_objectIndex(objectIndex),
      m_objectIndex2(objectIndex2)
{
}

NumberFormat_e NumberFormatStyle::format() const
{
    NumberFormat_e format = NumberFormat_Invalid;
    setting("FORMATTING").get(format, m_objectIndex, m_objectIndex2);
    return format;
}

std::optional<long> NumberFormatStyle::integer(const char* keyword) const
{
    LgIndex_t value = 0;
    if (!toolbox::StyleValue::returnCodeOk(setting(keyword).getInteger(value, m_objectIndex, m_objectIndex2)))
        return std::nullopt;
    return value;
}

std::optional<bool> NumberFormatStyle::flag(const char* keyword) const
{
    bool value = false;
    if (!toolbox::StyleValue::returnCodeOk(setting(keyword).get(value, m_objectIndex, m_objectIndex2)))
        return std::nullopt;
    return value;
}

std::optional<std::string> NumberFormatStyle::text(const char* keyword) const
{
    std::string value;
    if (!toolbox::StyleValue::returnCodeOk(setting(keyword).get(value, m_objectIndex, m_objectIndex2)))
        return std::nullopt;
    return value;
}

void NumberFormatStyle::write(const NumberFormatSettings& settings) const
{
    const AppLock lock(ImplicitMacroRecording_Off);
    const UndoStateGuard undoStep(DialogSettingsUndoCategory);
    for (const NumberFormatSetting& each : settings) {
        const toolbox::CheckedStyleValue style = setting(each.keyword);
        std::visit(
            [this, &style](const auto& value) {
                using Value = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<Value, long>)
                    style.setInteger(value, nullptr, m_objectIndex, m_objectIndex2);
                else
                    style.set(value, nullptr, m_objectIndex, m_objectIndex2);
            },
            each.value);
    }
}

toolbox::CheckedStyleValue NumberFormatStyle::setting(const std::string& keyword) const
{
    return toolbox::CheckedStyleValue(m_numberFormat, keyword.c_str());
}

} // namespace kestrix::sdk::ui::dialogs::valueformat::intern
