#include "dialogs/fontselect/intern/TextShapeStyle.h"

#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxtoolbox/StringList.h>

namespace kestrix::sdk::ui::dialogs::fontselect::intern {

namespace {

constexpr int DialogSettingsUndoCategory = 11;

} // namespace

TextShapeStyle::TextShapeStyle(const toolbox::StringList& keywords, int objectIndex)
    : m_path(keywords),
      m_objectIndex(objectIndex)
{
}

toolbox::CheckedStyleValue TextShapeStyle::setting(const char* keyword) const
{
    return toolbox::CheckedStyleValue(m_path, "TEXTSHAPE", keyword);
}

std::string TextShapeStyle::storedFamily() const
{
    std::string family;
    setting("FONTFAMILY").get(family, m_objectIndex, -1);
    return family;
}

TextHeight TextShapeStyle::storedHeight() const
{
    Units_e units = Units_Invalid;
    if (!toolbox::StyleValue::returnCodeOk(setting("SIZEUNITS").get(units, m_objectIndex, -1))
        || !TextHeight::isValidUnits(units))
        return TextHeight(Units_Point);
    TextHeight height(units);
    double stored = 0.0;
    if (toolbox::StyleValue::returnCodeOk(setting("HEIGHT").get(stored, m_objectIndex, -1))
        && height.isValidHeight(stored))
        height.setHeight(stored);
    return height;
}

void TextShapeStyle::write(const std::string& family, const TextHeight& height) const
{
    AppLock lock(ImplicitMacroRecording_Off);
    UndoStateGuard undoStep(DialogSettingsUndoCategory);
    setting("FONTFAMILY").set(family, nullptr, m_objectIndex, -1);
    setting("SIZEUNITS").set(height.units(), nullptr, m_objectIndex, -1);
    setting("HEIGHT").set(height.height(), nullptr, m_objectIndex, -1);
}

} // namespace kestrix::sdk::ui::dialogs::fontselect::intern
