#include "RenderCancellation.h"

namespace kestrix::hostsim::render {

namespace {

thread_local const std::atomic<bool>* t_cancelled = nullptr;

} // namespace

RenderCancellation::RenderCancellation(const std::atomic<bool>& cancelled) : m_previous(t_cancelled)
{
    t_cancelled = &cancelled;
}

RenderCancellation::~RenderCancellation()
{
    t_cancelled = m_previous;
}

bool RenderCancellation::requested()
{
    return t_cancelled && t_cancelled->load(std::memory_order_relaxed);
}

} // namespace kestrix::hostsim::render
