#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace kestrix::hostsim {

// The stand-in host: an in-memory plotting kernel behind the host interface. Tests,
// benchmarks and the workbench drive it through this class; the library only sees host/.
//
// The kernel starts with the demo scene. Every scene change (load, generation, clear)
// resets the application settings (EXPORTSETUP, PRINTSETUP, INTERFACE, BASICSIZE) to their
// defaults, clears the undo history and the pick list, and announces state change 10 and,
// when the new scene has a current frame, state change 51. The scene format is described in
// docs/scene-format.md.
class Host : public QObject {
    Q_OBJECT
public:
    struct FrameInfo {
        QString name;
        int plotType = 0;
        quint64 uniqueId = 0;
        int zoneCount = 0;
        int variableCount = 0;
        int fieldMapCount = 0;
        int lineMapCount = 0;
    };

    static Host& instance();

    // Scenes. A refused scene leaves the previous one loaded and names the place and the problem.
    bool loadSceneFile(const QString& path, QString* error = nullptr);
    bool loadSceneJson(const QByteArray& json, QString* error = nullptr);
    void loadDemoScene();
    // "field3d:N", "field2d:N", "xy:N" or "polar:N": one frame with N maps. Field scenes have
    // one zone per map; line scenes one zone ("zone k") per map. Zone names (field scenes) and
    // map names (line scenes) alternate "inlet 1", "outlet 2", "inlet 3", ..., and field maps
    // carry the group number 1 (inlet) or 2 (outlet).
    bool loadGeneratedScene(const QString& description, QString* error = nullptr);
    // No pages and no frames.
    void clearScene();

    // Pages and frames (1-based). Changing the current page or frame announces state change 51.
    int pageCount() const;
    int currentPage() const;
    bool setCurrentPage(int page);
    QList<FrameInfo> framesOfCurrentPage() const;
    int currentFrame() const;
    bool setCurrentFrame(int frame);

    // The pick list: entries of (type, number) with type 15 a zone, 21 a line map.
    void setPickList(const QList<QPair<int, int>>& entries);

    // A style value for inspection, not counted as a read: an int (booleans, enumerations,
    // colours, numbers), a double, a QString, or for the sets of active maps a QVariantList
    // of map numbers; invalid when the kernel refuses the read. Per-map values take the map
    // as `offset1`; `frameId` 0 means the current frame.
    QVariant styleValue(const QStringList& path, int offset1 = -1, int offset2 = -1, quint64 frameId = 0) const;

    // Instrumentation. Read and write counts count every low-level style access, refused
    // ones included.
    quint64 styleReadCount() const;
    quint64 styleWriteCount() const;
    void resetStyleCounts();
    int appLockDepth() const;
    int waitStateDepth() const;
    int undoDepth() const;
    int overrideCursorDepth() const;
    // One line per accepted assignment (style writes and line-map renames), also when the
    // value was already set:
    //   "<keywords>[ objects=<members>][ offset1=N][ offset2=N] op=<op> value=<value>"
    // e.g. "FIELDMAP MESH COLOR objects=1,2,3 op=255 value=5". Members are listed one by one
    // for up to 100 members and as runs beyond ("objects=1-50000,50002"); a per-map write
    // that names no object shows "objects=all". Values: integers (booleans as 0/1) in
    // decimal, floating-point values in shortest form ("0.4"), texts in double quotes, sets
    // of maps like objects.
    QStringList journal() const;
    void clearJournal();

    // The undo stack: one step per outermost undo state, or per write outside any.
    bool undo();
    bool redo();
    bool canUndo() const;
    bool canRedo() const;
    int undoStepCount() const;
    int redoStepCount() const;

    // Why the last picture export (VexUtilExport) failed; empty after a success.
    QString lastExportError() const;

    // Fault injection: the next `count` operations of a kind fail as a real host's may, until
    // they are used up or cleared. A failed style read returns GetValue_Invalid and gives no
    // value; a failed style write returns SetValue_InternalMemoryError and changes nothing; a
    // failed set allocation (VexUtilSetAlloc, VexUtilSetCopy) returns no set; a failed picture
    // export (VexUtilExport) or print (the printing manager's print) returns false with a
    // reason. Loading a scene does not clear them.
    enum class Fault { StyleRead, StyleWrite, SetAllocation, Export, Print };
    void failNext(Fault fault, int count);
    int pendingFailures(Fault fault) const;
    void clearFailures();

signals:
    void journalAppended(const QString& line);
    // The scene was replaced or the current page or frame changed.
    void sceneChanged();
    // The undo history may have changed: a step was added, undone or redone, or the history
    // was cleared.
    void historyChanged();

private:
    Host();
    ~Host() override;
};

} // namespace kestrix::hostsim
