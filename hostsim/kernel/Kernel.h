#pragma once

#include "Scene.h"
#include "StyleEngine.h"
#include "UndoStack.h"

#include <kxsdkbase/KernelApi.h>

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kestrix::hostsim::kernel {

// The live state of the stand-in host: the scene, the application lock, undo states and
// history, the busy and cursor depths, and the instrumentation. Every change of the scene
// goes through here, so that it is validated, recorded for undo, journalled and announced.
class Kernel {
public:
    static Kernel& instance();

    Kernel(const Kernel&) = delete;
    Kernel& operator=(const Kernel&) = delete;

    const Scene& scene() const { return *m_scene; }
    Frame* currentFrame() const { return m_scene->current(); }
    Frame* frame(UniqueID_t id) const { return m_scene->frame(id); }

    // Scenes -----------------------------------------------------------------------------
    // Installs a scene built aside; the undo history starts afresh (state change 10).
    void replaceScene(std::unique_ptr<Scene> scene);
    bool setCurrentPage(int page);
    bool setCurrentFrame(int frame);
    void setPickList(std::vector<PickEntry> entries);

    void lightweightPopStart();
    bool lightweightPopNext();
    void lightweightPopEnd();

    // Style values -----------------------------------------------------------------------
    GetValueReturnCode_e styleGet(const KxKernelArgList& arguments);
    SetValueReturnCode_e styleSet(const KxKernelArgList& arguments);
    // A read for the stand-in's own use (not counted).
    GetValueReturnCode_e read(const StyleRequest& request, StyleData& value) const;

    // Line maps of the current frame ------------------------------------------------------
    bool lineMapCreate();
    bool lineMapCopy(int sourceMap, int destinationMap);
    bool lineMapDelete(const KxKernelSet* maps);
    bool lineMapShift(const KxKernelSet* maps, bool toTop);
    bool lineMapSetName(const KxKernelSet* maps, const char* name);

    // Locks, undo, busy state, override cursor --------------------------------------------
    void lockStart() { ++m_lockDepth; }
    void lockFinish();
    int lockDepth() const { return m_lockDepth; }
    void undoStateBegin() { m_undo.begin(); }
    void undoStateEnd(bool commit);
    const UndoStack& undoStack() const { return m_undo; }
    bool undo();
    bool redo();
    void waitStateBegin() { ++m_waitDepth; }
    void waitStateEnd();
    int waitDepth() const { return m_waitDepth; }
    void overrideCursorPushed() { ++m_cursorDepth; }
    void overrideCursorPopped();
    int overrideCursorDepth() const { return m_cursorDepth; }

    // Notification and instrumentation ------------------------------------------------------
    void notify(int code, std::vector<std::string> params = {});
    quint64 styleReadCount() const { return m_readCount; }
    quint64 styleWriteCount() const { return m_writeCount; }
    void resetStyleCounts();
    const QStringList& journal() const { return m_journal; }
    void clearJournal() { m_journal.clear(); }
    void setJournalListener(std::function<void(const QString&)> listener) { m_journalListener = std::move(listener); }
    void setSceneListener(std::function<void()> listener) { m_sceneListener = std::move(listener); }
    void setHistoryListener(std::function<void()> listener) { m_historyListener = std::move(listener); }

    // "1,2,3" for small sets, runs such as "1-50000,50002" for sets of more than 100 members.
    static QString formatMembers(const std::vector<int>& members);

private:
    Kernel();

    void record(std::unique_ptr<SceneChange> change);
    void appendJournal(const QString& line);
    QString journalLine(const StyleRequest& request, const StyleWritePlan& plan) const;
    // Validated members of a kernel set of line maps of the frame; false when any is not a map.
    static bool lineMapMembers(const Frame& frame, const KxKernelSet* maps, std::vector<int>& members);
    void sceneChanged();
    void historyChanged();

    std::unique_ptr<Scene> m_scene;
    UndoStack m_undo;
    int m_lockDepth = 0;
    int m_waitDepth = 0;
    int m_cursorDepth = 0;
    quint64 m_readCount = 0;
    quint64 m_writeCount = 0;
    QStringList m_journal;
    std::function<void(const QString&)> m_journalListener;
    std::function<void()> m_sceneListener;
    std::function<void()> m_historyListener;

    struct PopState {
        int page = 0;
        int frame = 0;
        int next = 0;
    };
    std::vector<PopState> m_pops;
};

} // namespace kestrix::hostsim::kernel
