#pragma once

#include <exception>
#include <string>
#include <utility>

namespace kestrix {

class ExceptionBase : public std::exception {
public:
    explicit ExceptionBase(std::string message) : m_message(std::move(message)) {}
    const char* what() const noexcept override { return m_message.c_str(); }
    const std::string& message() const { return m_message; }

private:
    std::string m_message;
};

class InvalidArgumentException : public ExceptionBase {
public:
    using ExceptionBase::ExceptionBase;
};

class InvalidPropertyValueException : public ExceptionBase {
public:
    using ExceptionBase::ExceptionBase;
};

} // namespace kestrix
