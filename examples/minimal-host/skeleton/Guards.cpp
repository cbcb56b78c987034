// The host's guards: the application lock and undo states of the kernel API
// (kxsdkbase/KernelApi.h, which kxsdkcommon/AppLock.h and UndoStateGuard.h call), the wait
// cursor (kxsdkcommon/ScopedWaitCursor.h) and the busy state
// (kxsdkintegrationmanager/WaitState.h). What each must do is in docs/integration.md, "The host
// contract". A host without data has nothing to lock, to undo or to be busy with, so only the
// cursor does something.

#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/ScopedWaitCursor.h>
#include <kxsdkintegrationmanager/WaitState.h>

#include <QCursor>
#include <QGuiApplication>

void VexUtilLockStart(ImplicitMacroRecording_e) {}

void VexUtilLockFinish() {}

void VexUtilUndoStateBegin(int) {}

void VexUtilUndoStateEnd(bool, bool) {}

namespace kestrix::sdk {

ScopedWaitCursor::ScopedWaitCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

ScopedWaitCursor::~ScopedWaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

namespace integration {

WaitState::WaitState() = default;

WaitState::~WaitState() = default;

} // namespace integration

} // namespace kestrix::sdk
