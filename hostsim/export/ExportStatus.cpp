#include "ExportStatus.h"

namespace kestrix::hostsim::exporting {

namespace {

struct State {
    QString lastError;
    QString unreported;
};

State& state()
{
    static State instance;
    return instance;
}

} // namespace

void ExportStatus::recordSuccess()
{
    state() = State();
}

void ExportStatus::recordFailure(const QString& message)
{
    state().lastError = message;
    state().unreported = message;
}

QString ExportStatus::lastError()
{
    return state().lastError;
}

QString ExportStatus::takeUnreported()
{
    QString message;
    message.swap(state().unreported);
    return message;
}

} // namespace kestrix::hostsim::exporting
