#include "system.h"

#include <chrono>

namespace fw {

namespace {

std::function<std::int32_t()>& TickSource()
{
    static std::function<std::int32_t()> source;
    return source;
}

std::function<void(const std::string&)>& URLHandler()
{
    static std::function<void(const std::string&)> handler;
    return handler;
}

std::function<std::vector<ScreenArea>()>& ScreenSource()
{
    static std::function<std::vector<ScreenArea>()> source;
    return source;
}

const std::chrono::steady_clock::time_point g_processStart = std::chrono::steady_clock::now();

// One tick after the process start at the earliest: callers keep time
// stamps where 0 means none.
std::int32_t MonotonicTicks()
{
    using namespace std::chrono;
    auto elapsed = duration_cast<milliseconds>(steady_clock::now() - g_processStart).count();
    return static_cast<std::int32_t>(elapsed * 60 / 1000 + 1);
}

} // namespace

std::int32_t Ticks()
{
    return TickSource() ? TickSource()() : MonotonicTicks();
}

void SetTickSource(std::function<std::int32_t()> source) { TickSource() = std::move(source); }

void ShowURL(const std::string& url)
{
    // The view installs the desktop's handler; headless, links go nowhere.
    if (URLHandler())
        URLHandler()(url);
}

void SetURLHandler(std::function<void(const std::string&)> handler)
{
    URLHandler() = std::move(handler);
}

bool HasURLHandler() { return static_cast<bool>(URLHandler()); }

std::vector<ScreenArea> AvailableScreens()
{
    return ScreenSource() ? ScreenSource()() : std::vector<ScreenArea>{};
}

void SetScreenSource(std::function<std::vector<ScreenArea>()> source) { ScreenSource() = std::move(source); }

} // namespace fw
