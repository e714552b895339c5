#pragma once

// The clipboard of the edit fields' Cut, Copy and Paste. It lives in memory
// until the view connects it to the system's clipboard.

#include <functional>
#include <string>

namespace fw {

class Clipboard {
public:
    static std::string Text();
    static void SetText(const std::string& text);
    // The selection a middle click pastes, where the platform has one (X).
    static void SetSelection(const std::string& text);
    static void Connect(std::function<std::string()> read, std::function<void(const std::string&)> write,
                        std::function<void(const std::string&)> writeSelection = nullptr);
};

} // namespace fw
