#pragma once

#include "dialogs/uicontrols/ItemSubModelAbstract.h"

#include <kxsdkbase/KernelApi.h>
#include <signals/SignalConnectionCollection.h>

#include <QBrush>
#include <QList>
#include <QStringList>

class QAction;
class QItemSelectionModel;

namespace kestrix::toolbox {
class StateChangeEventInterface;
}

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// A link of a Zone Style table: rows are the maps of one frame (row r is map r + 1), read
// from the host on every request through the frame's unique id, so that the table keeps
// describing its frame while another frame is current.
class ModelAbstract : public uicontrols::ItemSubModelAbstract {
    Q_OBJECT
public:
    explicit ModelAbstract(ModelAbstract* subModel);
    ~ModelAbstract() override;

    UniqueID_t frameId() const { return m_frameId; }
    ModelAbstract* subModelAbstract() const { return m_subModelAbstract; }

    // Whether the cell is drawn enabled.
    virtual bool isEnabled(const QModelIndex& index) const;

    // Column dispatchers: the link that owns the column answers.
    // The caller owns the returned list and its actions; null or empty means no menu.
    QList<QAction*>* columnActions(QItemSelectionModel* selection, int column);
    int editorKind(int column) const;
    int editorParameter(int column) const;

    static const QBrush& staticAreaBrush();
    static const QBrush& firstGroupBrush();
    static const QBrush& secondGroupBrush();

    static QString indexText(int value);
    static QString linePatternText(int value);
    static QString fillModeText(int value);
    static QString geomShapeText(int value);

protected:
    Qt::ItemFlags ownFlags(const QModelIndex& index) const override;
    void* ownInternalPointer(int row, int column, const QModelIndex& parent) const override;

    virtual QList<QAction*>* ownColumnActions(QItemSelectionModel* selection, int column) = 0;
    virtual bool ownIsEnabled(const QModelIndex& index) const = 0;
    virtual int ownEditorKind(int column) const;
    virtual int ownEditorParameter(int column) const;

    // Readers of the frame's style for one map.
    QVariant getColorData(int map, const char* kw1, const char* kw2 = nullptr, const char* kw3 = nullptr) const;
    QString getIndexRangeText(int map, const char* kw1, const char* kw2, const char* kw3) const;
    QString getSymbolShapeText(int map, const char* kw1, const char* kw2) const;
    QStringList getVariableNameList() const;
    QStringList getZoneNameList() const;

private:
    void stateChanged(const toolbox::StateChangeEventInterface& event);

    UniqueID_t m_frameId;
    ModelAbstract* m_subModelAbstract;
    signalling::SignalConnectionCollection m_connections;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
