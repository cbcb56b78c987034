#pragma once

#include "dialogs/uicontrols/ItemSubModelAbstract.h"
#include "dialogs/zonestyle/intern/models/Choice.h"

#include <kxsdkbase/KernelApi.h>
#include <signals/SignalConnectionCollection.h>

#include <QBrush>
#include <QList>
#include <QStringList>

#include <optional>

class QAction;
class QItemSelectionModel;

namespace kestrix::toolbox {
class StateChangeEventInterface;
class StyleValue;
}

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

class StyleColumnTable;

// A link of a Zone Style table: rows are the maps of one frame (row r is map r + 1), read
// from the host on every request through the frame's unique id, so that the table keeps
// describing its frame while another frame is current.
//
// Cells are never kept, but the number of rows is: views, selections and proxies rely on a
// row count that changes only when announced. The host changes its maps first and tells
// afterwards, so the table announces rows that came or went when it is refreshed.
//
// A link whose columns are settings of its maps declares them in a StyleColumnTable and gets
// every column operation from it; it then states only its enabling rules and overrides what
// is its own.
class ModelAbstract : public uicontrols::ItemSubModelAbstract {
    Q_OBJECT
public:
    explicit ModelAbstract(ModelAbstract* subModel, const StyleColumnTable* columns = nullptr);
    ~ModelAbstract() override;

    UniqueID_t frameId() const { return m_frameId; }
    ModelAbstract* subModelAbstract() const { return m_subModelAbstract; }

    // The rows as last announced.
    int rowCount(const QModelIndex& parent = QModelIndex()) const final;
    // The number of maps the frame has now, asked of the host.
    virtual int mapCount() const = 0;

    // Makes every link of the chain describe the given frame. The rows are announced by the
    // next refresh.
    void followFrame(UniqueID_t frameId);
    // Announces the rows that came or went since the last announcement (at the end of the
    // table: maps are numbered, so a deleted map shifts the ones after it up), without
    // telling anything about the cells.
    void updateRowCount();
    // Announces the rows as updateRowCount does, then that every cell may have changed (as a
    // layout change).
    void refresh();

    // Whether the cell is drawn enabled.
    virtual bool isEnabled(const QModelIndex& index) const;

    // Column dispatchers: the link that owns the column answers.
    // The caller owns the returned list and its actions; null or empty means no menu. The
    // actions act on the rows of `selection` that are still selected when chosen.
    QList<QAction*>* columnActions(QItemSelectionModel* selection, int column);
    int editorKind(int column) const;
    int editorParameter(int column) const;

    static const QBrush& staticAreaBrush();
    static const QBrush& firstGroupBrush();
    static const QBrush& secondGroupBrush();

    static QString indexText(int value);
    // A colour cell: a basic colour as a QColor, a multi-colour or RGB setting as its name,
    // nothing for anything else or a refused read.
    static QVariant colorData(const toolbox::StyleValue& value, int map);
    static QString linePatternText(int value);
    static QString fillModeText(int value);
    static QString geomShapeText(int value);
    // A symbol under kw1 kw2 ("FIELDMAP" "SCATTER"): its shape's name, or its character in
    // quotes with the font where it is not the base font.
    static QString symbolShapeText(UniqueID_t frameId, int map, const char* kw1, const char* kw2);

protected:
    Qt::ItemFlags ownFlags(const QModelIndex& index) const override;
    void* ownInternalPointer(int row, int column, const QModelIndex& parent) const override;
    int ownColumnCount(const QModelIndex& parent) const override;
    QVariant ownHeaderData(int section) const override;
    QVariant ownData(const QModelIndex& index, int role) const override;
    bool ownSetData(const QModelIndexList& indexes, const QVariant& value, int role) override;
    QBrush ownHeaderBackground(int section) const override;

    virtual QList<QAction*>* ownColumnActions(QItemSelectionModel* selection, int column);
    // By default a cell is enabled while its map is active.
    virtual bool ownIsEnabled(const QModelIndex& index) const;
    virtual bool mapIsActive(int row) const = 0;
    // Whether a plot layer of the frame ("SHOWMESH", "SHOWLINES", ...) is on.
    virtual bool layerIsOn(const char* layerKeyword) const = 0;
    // The row's map is active, the plot layer is on and the link's own show column (its
    // first) is checked: when the cells of a layer's tab are enabled.
    bool showsLayer(int row, const char* layerKeyword) const;
    // "FIELDMAP" or "LINEMAP".
    virtual const char* mapKeyword() const = 0;
    // A setting of the row's map outside this link's columns (map keyword, kw2, kw3).
    bool mapSettingIsOn(int row, const char* kw2, const char* kw3) const;
    std::optional<int> mapSetting(int row, const char* kw2, const char* kw3) const;
    const StyleColumnTable* columnTable() const { return m_columns; }
    virtual int ownEditorKind(int column) const;
    virtual int ownEditorParameter(int column) const;
    // The choices of a list or size column; by default those its kind gives.
    virtual Choices columnChoices(int column) const;

    // Reads of a declared column for the map of `row`.
    bool isChecked(int row, int column) const;
    std::optional<int> columnValue(int row, int column) const;
    // This link's cells of `column` in the rows selected in the table's `selection`.
    QModelIndexList selectedCells(const QItemSelectionModel& selection, int column) const;

    // Readers of the frame's style for one map.
    QVariant getColorData(int map, const char* kw1, const char* kw2 = nullptr, const char* kw3 = nullptr) const;
    QString getIndexRangeText(int map, const char* kw1, const char* kw2, const char* kw3) const;
    QString getSymbolShapeText(int map, const char* kw1, const char* kw2) const;

private:
    void stateChanged(const toolbox::StateChangeEventInterface& event);

    UniqueID_t m_frameId;
    ModelAbstract* m_subModelAbstract;
    const StyleColumnTable* m_columns;
    // Unknown until first asked.
    mutable int m_rowCount = -1;
    signalling::SignalConnectionCollection m_connections;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
