#include "dialogs/valueformat/intern/NumberFormatSettings.h"

#include <algorithm>
#include <iterator>

namespace kestrix::sdk::ui::dialogs::valueformat::intern {

NumberFormatSettings changedSettings(const NumberFormatSettings& current, const NumberFormatSettings& asRead)
{
    NumberFormatSettings changed;
    std::copy_if(current.begin(), current.end(), std::back_inserter(changed),
                 [&asRead](const NumberFormatSetting& setting) {
                     return std::find(asRead.begin(), asRead.end(), setting) == asRead.end();
                 });
    return changed;
}

} // namespace kestrix::sdk::ui::dialogs::valueformat::intern
