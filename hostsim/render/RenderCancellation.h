#pragma once

#include <atomic>

namespace kestrix::hostsim::render {

// Lets a drawing on a worker thread stop early once its picture is no longer wanted (a newer
// state of the frame is to be drawn). While an object lives, the painters of its thread ask
// `requested()` between maps and zones; what they have drawn by then is thrown away.
class RenderCancellation {
public:
    explicit RenderCancellation(const std::atomic<bool>& cancelled);
    RenderCancellation(const RenderCancellation&) = delete;
    RenderCancellation& operator=(const RenderCancellation&) = delete;
    ~RenderCancellation();

    // Whether the drawing running on this thread is no longer wanted; false outside one.
    static bool requested();

private:
    const std::atomic<bool>* m_previous;
};

} // namespace kestrix::hostsim::render
