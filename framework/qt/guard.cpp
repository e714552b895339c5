#include "guard.h"

#include <QCoreApplication>

namespace fwqt {

namespace {
std::exception_ptr& Kept()
{
    static std::exception_ptr kept;
    return kept;
}
} // namespace

void KeepException(std::exception_ptr error) noexcept
{
    // Later ones are usually consequences of the first.
    if (!Kept())
        Kept() = std::move(error);
    QCoreApplication::exit(1);
}

std::exception_ptr TakeException() noexcept
{
    return std::exchange(Kept(), nullptr);
}

} // namespace fwqt
