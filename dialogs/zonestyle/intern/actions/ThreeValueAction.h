#pragma once

#include "dialogs/zonestyle/intern/actions/StyleAction.h"
#include "dialogs/zonestyle/intern/actions/StyleKeywords.h"

#include <array>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Writes three integers that share a path and differ in the last keyword (an index skip
// "I", "J", "K"; a range "MIN", "MAX", "SKIP"), as one undo step.
class ThreeValueAction : public StyleAction<int> {
    Q_OBJECT
public:
    using Values = std::array<int, 3>;
    using Keys = std::array<const char*, 3>;

    ThreeValueAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList,
                     const Values& values, const Keys& keys, const StyleKeywords& keywords);

protected:
    void execute() override;

private:
    Values m_values;
    Keys m_keys;
    StyleKeywords m_keywords;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
