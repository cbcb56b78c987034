#pragma once

#include <kxtoolbox/StateChangeEventInterface.h>

#include <string>
#include <vector>

namespace kestrix::testing {

// A host notification made by a test, for codes the stand-in's operations do not produce.
class TestStateChangeEvent : public toolbox::StateChangeEventInterface {
public:
    explicit TestStateChangeEvent(int code, std::vector<std::string> params = {});

    int getStateChange() const override { return m_code; }
    int getParamCount() const override { return static_cast<int>(m_params.size()); }
    std::string getParamString(int index) const override;

    // Delivers the event through the host's observable.
    static void send(int code, std::vector<std::string> params = {});

private:
    int m_code;
    std::vector<std::string> m_params;
};

} // namespace kestrix::testing
