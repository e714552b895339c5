#include "clipboard.h"

namespace fw {

namespace {
struct Backend {
    std::string text;
    std::function<std::string()> read;
    std::function<void(const std::string&)> write;
    std::function<void(const std::string&)> writeSelection;
};

Backend& TheBackend()
{
    static Backend backend;
    return backend;
}
} // namespace

std::string Clipboard::Text()
{
    return TheBackend().read ? TheBackend().read() : TheBackend().text;
}

void Clipboard::SetText(const std::string& text)
{
    if (TheBackend().write)
        TheBackend().write(text);
    else
        TheBackend().text = text;
}

void Clipboard::SetSelection(const std::string& text)
{
    if (TheBackend().writeSelection)
        TheBackend().writeSelection(text);
}

void Clipboard::Connect(std::function<std::string()> read, std::function<void(const std::string&)> write,
                        std::function<void(const std::string&)> writeSelection)
{
    TheBackend().read = std::move(read);
    TheBackend().write = std::move(write);
    TheBackend().writeSelection = std::move(writeSelection);
}

} // namespace fw
