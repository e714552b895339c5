#pragma once

// Services that reach outside the program: the tick counter and the system's
// handler for links. Tests replace both.

#include <cstdint>
#include <functional>
#include <string>

namespace fw {

// 60 per second, from a monotonic clock that reads 1 at the process start.
std::int32_t Ticks();
// nullptr restores the real clock.
void SetTickSource(std::function<std::int32_t()> source);

// Hands a mailto or web link to the system; the result is not reported.
void ShowURL(const std::string& url);
void SetURLHandler(std::function<void(const std::string&)> handler);
bool HasURLHandler();

} // namespace fw
