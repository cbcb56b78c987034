#pragma once

namespace kestrix::hostsim::kernel {

// One reversible modification of the scene; an undo step is a sequence of them.
class SceneChange {
public:
    virtual ~SceneChange() = default;
    virtual void undo() = 0;
    virtual void redo() = 0;
};

} // namespace kestrix::hostsim::kernel
