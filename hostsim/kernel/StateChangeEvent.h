#pragma once

#include <kxtoolbox/StateChangeEventInterface.h>

#include <string>
#include <vector>

namespace kestrix::hostsim::kernel {

// A state-change notification of the stand-in host.
class StateChangeEvent : public toolbox::StateChangeEventInterface {
public:
    explicit StateChangeEvent(int code, std::vector<std::string> params = {});

    int getStateChange() const override { return m_code; }
    int getParamCount() const override { return static_cast<int>(m_params.size()); }
    std::string getParamString(int index) const override;

private:
    int m_code;
    std::vector<std::string> m_params;
};

} // namespace kestrix::hostsim::kernel
