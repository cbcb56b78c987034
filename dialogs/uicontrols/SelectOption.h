#pragma once

#include <QMetaType>

namespace kestrix::sdk::ui::dialogs::uicontrols {

// What a name pattern from the filter row is to be matched against.
enum SelectOption_s {
    SelectOption_Cleared = 0,
    SelectOption_MatchNames = 1,
    SelectOption_MatchGroups = 2
};

} // namespace kestrix::sdk::ui::dialogs::uicontrols

Q_DECLARE_METATYPE(kestrix::sdk::ui::dialogs::uicontrols::SelectOption_s)
