#include "simuser.h"

#include "application.h"
#include "localization.h"
#include "menu.h"
#include "resetrun.h"
#include "startup.h"
#include "system.h"
#include "text.h"
#include "window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

SimUser::SimUser()
{
    ResetRun();
    std::string pattern = (fs::temp_directory_path() / "cadenzo-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    m_configHome = pattern;
    ::setenv("XDG_CONFIG_HOME", m_configHome.c_str(), 1);
    fw::SetTickSource([this] { return m_ticks; });
    fw::SetURLHandler([this](const std::string& url) { m_links.push_back(url); });
    // Each picture is as wide as its number, so the canvases can be told apart.
    struct NumberedPictures : fw::ResourceFork {
        fw::PicturePtr GetPicture(int id) override { return std::make_shared<const fw::Picture>(fw::Picture{.width = id, .height = 1, .data = {}}); }
    };
    fw::SetResourceForkFactory(+[]() -> std::unique_ptr<fw::ResourceFork> { return std::make_unique<NumberedPictures>(); });
    fw::SetLocalizedStringSource(nullptr);
}

SimUser::~SimUser()
{
    ResetRun();
    fw::SetTickSource(nullptr);
    fw::SetURLHandler(nullptr);
    fw::SetResourceForkFactory(nullptr);
    std::error_code ec;
    fs::remove_all(m_configHome, ec);
}

fs::path SimUser::PrefsFilePath() const { return m_configHome / "Cadenzo Prefs"; }

void SimUser::WritePrefsFileValues(const std::vector<std::int32_t>& values) const
{
    std::ofstream out(PrefsFilePath(), std::ios::binary);
    for (std::int32_t value : values)
        for (int shift = 24; shift >= 0; shift -= 8)
            out.put(static_cast<char>(static_cast<std::uint32_t>(value) >> shift));
}

std::vector<std::uint8_t> SimUser::PrefsFileBytes() const
{
    std::ifstream in(PrefsFilePath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::array<std::int32_t, 8> SimUser::PrefsFileValues() const
{
    std::vector<std::uint8_t> bytes = PrefsFileBytes();
    bytes.resize(32, 0);
    std::array<std::int32_t, 8> values{};
    for (std::size_t i = 0; i < 32; ++i)
        values[i / 4] = static_cast<std::int32_t>(static_cast<std::uint32_t>(values[i / 4]) << 8 | bytes[i]);
    return values;
}

void SimUser::Start()
{
    StartUp();
    fw::RuntimeStartLoop();
    m_started = true;
}

void SimUser::Restart()
{
    ResetRun();
    Start();
}

void SimUser::Quit() { EXPECT_TRUE(ChooseMenuItem("FileQuit")) << "File > Quit is not available"; }

bool SimUser::Running() const { return m_started && !fw::RuntimeQuitting(); }

class Cadenzo& SimUser::Window() const
{
    return fw::Deref(dynamic_cast<class Cadenzo*>(fw::_GetImplicitWindow("Cadenzo")), "the main window is not open");
}

void SimUser::Type(const std::string& text)
{
    for (int i = 0; i < fw::Len(text); ++i) {
        std::size_t from = fw::ByteOffsetOfChar(text, i);
        PressKey(text.substr(from, fw::ByteOffsetOfChar(text, i + 1) - from));
    }
}

void SimUser::TypeInto(const std::string& name, const std::string& text)
{
    Click(name);
    PressShortcut("Cmd+A");
    Type(text.empty() ? "\b" : text);
}

void SimUser::PressKey(const std::string& key)
{
    if (fw::Len(key) != 1 && !fw::IsNamedKey(key))
        throw std::runtime_error("no key named " + key);
    fw::Deref(fw::FrontWindow(), "no window to type into").PressKey(key);
}

int SimUser::IndexOf(const std::vector<std::string>& items, const std::string& item, const std::string& where)
{
    auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end())
        throw std::runtime_error("no " + item + " in " + where);
    return static_cast<int>(found - items.begin());
}

void SimUser::ChooseTab(const std::string& caption)
{
    auto& panel = Get<fw::TabPanel>("TabPanel1");
    panel.SetValue(IndexOf(panel.Tabs(), caption, "the tabs"));
}

void SimUser::ChoosePopupItem(const std::string& name, const std::string& item)
{
    auto& popup = dynamic_cast<fw::PopupMenu&>(ControlIn("Cadenzo", name));
    popup.SetListIndex(IndexOf(popup.Items(), item, name));
}

bool SimUser::ChooseMenuItem(const std::string& itemName) { return fw::ChooseMenuItem(itemName); }

bool SimUser::PressShortcut(const std::string& shortcut) { return fw::ChooseShortcut(shortcut); }

bool SimUser::MenuItemEnabled(const std::string& itemName)
{
    fw::UpdateMenuItems();
    return fw::Deref(fw::ItemOf(fw::Deref(fw::_GetAppObject()).MenuBar(), itemName.c_str()), itemName.c_str()).Enabled;
}

void SimUser::ClickCell(const std::string& listName, int row, int column)
{
    dynamic_cast<fw::Listbox&>(ControlIn("Cadenzo", listName)).ClickCell(row, column);
}

// The counter wraps, as the real one does after some 400 days.
void SimUser::AdvanceClock(std::int32_t ticks)
{
    m_ticks = static_cast<std::int32_t>(static_cast<std::uint32_t>(m_ticks) + static_cast<std::uint32_t>(ticks));
}

std::string SimUser::Text(const std::string& name) const
{
    fw::Control& control = ControlIn("Cadenzo", name, false);
    if (auto* label = dynamic_cast<fw::StaticText*>(&control))
        return label->Text();
    if (auto* field = dynamic_cast<fw::EditField*>(&control))
        return field->Text();
    throw std::runtime_error(control.Name() + " shows no text");
}

std::string SimUser::FocusedName() const { return Window().Focus() ? Window().Focus()->Name() : std::string(); }

fw::Window* SimUser::FindWindow(const std::string& className) const { return fw::_GetImplicitWindow(className); }

std::string SimUser::FrontWindowName() const { return fw::FrontWindow() ? fw::FrontWindow()->ClassName() : std::string(); }

fw::Window& SimUser::ShownWindow(const std::string& className) const
{
    if (fw::Window* window = FindWindow(className); window != nullptr && window->Visible())
        return *window;
    throw std::runtime_error("the user cannot see the window " + className);
}

void SimUser::MoveWindow(const std::string& className, int left, int top)
{
    fw::detail::BringToFront(ShownWindow(className));
    ShownWindow(className).Moved(left, top);
}

void SimUser::CloseWindow(const std::string& className) { ShownWindow(className).CloseWindow(); }

fw::Control& SimUser::ControlIn(const std::string& className, const std::string& name, bool shown) const
{
    fw::Window* window = FindWindow(className);
    fw::Control* control = window ? window->ControlByName(name) : nullptr;
    if (control != nullptr && (!shown || (window->Visible() && control->Shown())))
        return *control;
    throw std::runtime_error((shown ? "the user cannot see " : "no control named ") + name + " in " + className);
}

void SimUser::ClickIn(const std::string& className, const std::string& name)
{
    fw::Control& control = ControlIn(className, name);
    fw::detail::BringToFront(ShownWindow(className));
    // A push button acts on its release; a press that closes the window
    // leaves nothing to release.
    std::shared_ptr<fw::Window> hold = fw::Window::Hold(control.Owner());
    control.MouseDown(1, 1);
    if (auto* button = dynamic_cast<fw::PushButton*>(&control); button && !control.Owner()->IsClosed())
        button->MouseUp(1, 1);
}

void SimUser::Hover(const std::string& className, const std::string& name, bool over)
{
    over ? ControlIn(className, name).MouseEnter() : ControlIn(className, name).MouseExit();
}
