#pragma once

#include "dialogs/zonestyle/intern/actions/StyleKeywords.h"
#include "dialogs/zonestyle/intern/models/StyleColumn.h"

#include <kxsdkbase/KernelApi.h>
#include <kxtoolbox/FrameStyleValue.h>

#include <QList>
#include <QModelIndexList>

#include <optional>
#include <vector>

class QAction;

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The columns of one link of a style table, each a setting under the link's map and layer
// keywords ("FIELDMAP" "MESH"). Knows for every kind of column how a cell reads, how an edit
// writes, which flags it has and which menu it offers; the links declare their columns and
// keep only their enabling rules and what is theirs alone.
class StyleColumnTable {
public:
    StyleColumnTable(const char* mapKeyword, const char* layerKeyword, std::vector<StyleColumn> columns);

    int count() const { return static_cast<int>(m_columns.size()); }
    const StyleColumn& column(int column) const { return m_columns.at(static_cast<size_t>(column)); }
    // The full path of a column's setting.
    actions::StyleKeywords keywords(int column) const;
    toolbox::FrameStyleValue style(UniqueID_t frameId, int column) const;

    std::optional<int> integer(UniqueID_t frameId, int column, int map) const;
    std::optional<double> number(UniqueID_t frameId, int column, int map) const;
    bool isChecked(UniqueID_t frameId, int column, int map) const;

    // The choices a column offers by its kind: an enumeration's entries, a size's presets, the
    // frame's enabled variables or zones.
    Choices choices(UniqueID_t frameId, int column) const;
    Qt::ItemFlags flags(int column) const;
    QVariant data(UniqueID_t frameId, int column, int map, int role, const Choices& choices) const;
    // Writes an edit of `cells` (all of `column`); false when the edit names no value.
    bool write(const QModelIndexList& cells, int column, const QVariant& value, int role,
               const Choices& choices) const;
    // The menu of the column for `cells`, the caller's to delete; null when the column has
    // none or acts at once (a colour opens its chooser).
    QList<QAction*>* menu(const QModelIndexList& cells, int column, const Choices& choices) const;

private:
    QVariant sizeText(UniqueID_t frameId, int column, int map) const;
    QVariant threeValueText(UniqueID_t frameId, int column, int map) const;
    QVariant valueText(UniqueID_t frameId, int column, int map, int value, const Choices& choices) const;
    QVariant skipText(UniqueID_t frameId, int column, int map) const;
    actions::StyleKeywords characterSwitch(int column) const;
    QList<QAction*>* skipMenu(const QModelIndexList& cells, int column) const;
    bool writeSize(const QModelIndexList& cells, int column, const QVariant& value, const Choices& choices) const;

    const char* layerOf(int column) const;

    const char* m_mapKeyword;
    const char* m_layerKeyword;
    std::vector<StyleColumn> m_columns;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
