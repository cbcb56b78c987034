#include <kxsdkcommon/ScopedWaitCursor.h>

#include <hostsim/kernel/Kernel.h>

#include <QCursor>
#include <QGuiApplication>

namespace kestrix::sdk {

namespace {
// The cursor belongs to a graphical application; without one only the depth is counted.
bool hasGuiApplication()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}
} // namespace

ScopedWaitCursor::ScopedWaitCursor()
{
    if (hasGuiApplication())
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    hostsim::kernel::Kernel::instance().overrideCursorPushed();
}

ScopedWaitCursor::~ScopedWaitCursor()
{
    hostsim::kernel::Kernel::instance().overrideCursorPopped();
    if (hasGuiApplication())
        QGuiApplication::restoreOverrideCursor();
}

} // namespace kestrix::sdk
