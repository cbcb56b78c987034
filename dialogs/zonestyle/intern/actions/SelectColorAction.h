#pragma once

#include "dialogs/zonestyle/intern/actions/StyleAction.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Asks for a colour (multi-colour settings included) and writes its index to every map.
class SelectColorAction : public StyleAction<short> {
    Q_OBJECT
public:
    SelectColorAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList,
                      const char* kw1, const char* kw2 = nullptr, const char* kw3 = nullptr);

protected:
    void execute() override;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
