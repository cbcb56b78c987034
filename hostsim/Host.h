#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace kestrix::hostsim {

// The stand-in host: an in-memory plotting kernel behind the host interface. Tests,
// benchmarks and the workbench drive it through this class; the library only sees host/.
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
    // "field3d:N", "field2d:N", "xy:N" or "polar:N": one frame with N maps.
    bool loadGeneratedScene(const QString& specification, QString* error = nullptr);
    void clearScene();

    // Pages and frames (1-based).
    int pageCount() const;
    int currentPage() const;
    bool setCurrentPage(int page);
    QList<FrameInfo> framesOfCurrentPage() const;
    int currentFrame() const;
    bool setCurrentFrame(int frame);

    // The pick list: entries of (type, number) with type 15 a zone, 21 a line map.
    void setPickList(const QList<QPair<int, int>>& entries);

    // Instrumentation.
    quint64 styleReadCount() const;
    quint64 styleWriteCount() const;
    void resetStyleCounts();
    int appLockDepth() const;
    int waitStateDepth() const;
    int undoDepth() const;
    int overrideCursorDepth() const;
    // One line per assignment, e.g. "FIELDMAP MESH COLOR objects=1,2,3 op=255 value=5".
    QStringList journal() const;
    void clearJournal();

    // The undo stack: one step per outermost undo state, or per write outside any.
    bool undo();
    bool redo();
    bool canUndo() const;
    bool canRedo() const;
    int undoStepCount() const;

signals:
    void journalAppended(const QString& line);
    void sceneChanged();

private:
    Host();
    ~Host() override;
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::hostsim
