#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// Raised by every operation on a nil object; operations pass it on.
class NilObjectException : public std::runtime_error {
public:
    explicit NilObjectException(const std::string& what = "nil object")
        : std::runtime_error("NilObjectException: " + what)
    {
    }
};

template <class T>
T& Deref(T* object, const char* what = "nil object")
{
    if (object == nullptr)
        throw NilObjectException(what);
    return *object;
}

} // namespace fw
