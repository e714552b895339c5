#pragma once

// Qt must never see a C++ exception. Every call from Qt into the core runs
// through Guard: the first exception is kept and the event loop is told to
// exit with status 1; the loop's Exec rethrows it once exec() has returned.

#include <exception>
#include <utility>

namespace fwqt {

void KeepException(std::exception_ptr error) noexcept;
// The kept exception, or nullptr; it is forgotten.
std::exception_ptr TakeException() noexcept;

// Returns false when the call threw.
template <class F>
bool Guard(F&& call) noexcept
{
    try {
        std::forward<F>(call)();
        return true;
    } catch (...) {
        KeepException(std::current_exception());
        return false;
    }
}

} // namespace fwqt
