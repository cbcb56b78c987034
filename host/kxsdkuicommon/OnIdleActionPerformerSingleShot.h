#pragma once

#include <functional>
#include <memory>

namespace kestrix::sdk::ui::common {

// Runs a function once, when the user-interface loop is next idle. Destroying the performer
// before then cancels the run; the function may destroy its own performer while it runs.
class OnIdleActionPerformerSingleShot {
public:
    explicit OnIdleActionPerformerSingleShot(std::function<void()> action);
    OnIdleActionPerformerSingleShot(const OnIdleActionPerformerSingleShot&) = delete;
    OnIdleActionPerformerSingleShot& operator=(const OnIdleActionPerformerSingleShot&) = delete;
    ~OnIdleActionPerformerSingleShot();

    bool isPending() const;

private:
    class Private;
    std::shared_ptr<Private> d;
};

} // namespace kestrix::sdk::ui::common
