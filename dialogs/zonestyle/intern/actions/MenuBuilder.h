#pragma once

#include "dialogs/zonestyle/intern/actions/StyleKeywords.h"
#include "dialogs/zonestyle/intern/models/Choice.h"

#include <QList>
#include <QModelIndexList>

class QAction;

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {
struct SizeLimits;
}

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// The menus that many columns share. Each returns a new list of new actions on `cells`,
// which the caller deletes.
class MenuBuilder {
public:
    // "Yes" and "No" for a setting that is on or off.
    static QList<QAction*>* yesNo(const QModelIndexList& cells, const StyleKeywords& keywords);
    // One entry per choice, in order, each writing the choice's value.
    static QList<QAction*>* choices(const QModelIndexList& cells, const models::Choices& choices,
                                    const StyleKeywords& keywords);
    // The five presets of a size, a separator and "Enter...".
    static QList<QAction*>* sizes(const QModelIndexList& cells, const models::SizeLimits& limits,
                                  const StyleKeywords& keywords);
    // A separator entry.
    static void appendSeparator(QList<QAction*>& menu);
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
