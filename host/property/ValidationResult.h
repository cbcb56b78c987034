#pragma once

#include <string>
#include <utility>

namespace kestrix {

class ValidationResult {
public:
    ValidationResult() = default;
    ValidationResult(bool valid, std::string errorString) : m_valid(valid), m_errorString(std::move(errorString)) {}

    bool isValid() const { return m_valid; }
    const std::string& errorString() const { return m_errorString; }

private:
    bool m_valid = true;
    std::string m_errorString;
};

} // namespace kestrix
