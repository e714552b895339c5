#pragma once

// Services that reach outside the program: the tick counter, the system's
// handler for links and the screens. Tests replace them.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fw {

// 60 per second, from a monotonic clock that reads 1 at the process start.
std::int32_t Ticks();
// nullptr restores the real clock.
void SetTickSource(std::function<std::int32_t()> source);

// Hands a mailto or web link to the system; the result is not reported.
void ShowURL(const std::string& url);
void SetURLHandler(std::function<void(const std::string&)> handler);
bool HasURLHandler();

// The part of a screen that windows may use (panels and docks left out), in
// the coordinates of Window::Left and Top.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
// As the view reports them; none while no view does.
std::vector<ScreenArea> AvailableScreens();
void SetScreenSource(std::function<std::vector<ScreenArea>()> source);

} // namespace fw
