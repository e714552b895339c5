// Renders each tab of the real main window to a PNG, for looking at the
// drawing beside the layout rows:
//
//   QT_QPA_PLATFORM=offscreen cadenzo_render_tabs /tmp/tabs
//   DISPLAY=:98 cadenzo_render_tabs /tmp/tabs-x      (the program runs on xcb)
//   cadenzo_render_tabs --dark /tmp/tabs-dark        (under a dark desktop scheme)
//
// Writes <folder>/tab-<n>-<caption>.png, n from 1, of the whole window with
// its menu bar. The preferences live in a temporary folder, never the user's.

#include "application.h"
#include "cadenzo.h"
#include "control.h"
#include "platform.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QPalette>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

namespace {

// What a user would type on each page, so that its results show.
struct Typing {
    int page;
    const char* field;
    const char* text;
};

const std::vector<Typing>& SampleInput()
{
    static const std::vector<Typing> typing = {
        {1, "tempo1", "120"}, {1, "tempo2", "140"},
        {2, "transpose2", "3"},
        {3, "tempo3", "120"},
        {5, "srate", "44100"}, {5, "beats", "4"}, {5, "tempo5", "120"},
        {7, "H1", "1"}, {7, "M1", "59"}, {7, "S1", "30"}, {7, "F1", "12"},
        {7, "M2", "2"}, {7, "S2", "45"}, {7, "F2", "20"},
    };
    return typing;
}

void TypeSampleInput(int page)
{
    for (const Typing& typing : SampleInput()) {
        if (typing.page != page)
            continue;
        auto& field = fw::ControlAs<fw::EditField>(Cadenzo(), typing.field);
        field.SetFocus();
        field.SetText(typing.text);
    }
}

QWidget* MainWindowView()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(widget) != nullptr && widget->objectName() == QLatin1String("Cadenzo"))
            return widget;
    return nullptr;
}

void Settle()
{
    // Twice: a page change queues layout and paint events of its own.
    QApplication::processEvents();
    QApplication::processEvents();
}

// What a dark desktop scheme (qt6ct's "darker", a dark Plasma theme) gives
// the application.
void UseDarkScheme()
{
    QPalette dark(QColor(0xE0, 0xE0, 0xE0), QColor(0x35, 0x35, 0x35));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    QApplication::setPalette(dark);
}

int RenderTabs(const QDir& folder, bool dark)
{
    if (dark)
        UseDarkScheme();
    StartUp();
    fw::RuntimeStartLoop();
    QWidget* view = MainWindowView();
    if (view == nullptr) {
        std::fputs("cadenzo_render_tabs: the main window has no view\n", stderr);
        return 1;
    }
    auto& panel = fw::ControlAs<fw::TabPanel>(Cadenzo(), "TabPanel1");
    std::vector<std::string> captions = panel.Tabs();
    for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
        panel.SetValue(i);
        TypeSampleInput(i + 1);
        Settle();
        QString name = QStringLiteral("tab-%1-%2.png").arg(i + 1).arg(QString::fromStdString(captions[i]));
        QString path = folder.filePath(name);
        if (!view->grab().save(path, "PNG")) {
            std::fprintf(stderr, "cadenzo_render_tabs: cannot write %s\n", path.toLocal8Bit().constData());
            return 1;
        }
        std::printf("%s\n", path.toLocal8Bit().constData());
    }
    return 0;
}

} // namespace

// On xcb Qt loads the system's D-Bus library, which keeps one buffer to the
// end; the leak checker of a sanitized build would fail the run for it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

int main(int argc, char* argv[])
{
    const bool dark = argc == 3 && std::string(argv[1]) == "--dark";
    if (argc != 2 && !dark) {
        std::fputs("usage: cadenzo_render_tabs [--dark] <output folder>\n", stderr);
        return 2;
    }
    const char* path = argv[argc - 1];
    QDir folder(QString::fromLocal8Bit(path));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cadenzo_render_tabs: cannot make %s\n", path);
        return 1;
    }
    QTemporaryDir configHome;
    if (!configHome.isValid()) {
        std::fputs("cadenzo_render_tabs: cannot make a temporary folder\n", stderr);
        return 1;
    }
    ::setenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit().constData(), 1);
    if (!fwqt::Platform::HasDisplay()) {
        std::fputs("cadenzo_render_tabs: no display: set DISPLAY, or QT_QPA_PLATFORM=offscreen\n", stderr);
        return 1;
    }

    int status = 1;
    fw::RuntimeInit();
    {
        fwqt::Platform platform(argc, argv);
        try {
            status = RenderTabs(folder, dark);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "cadenzo_render_tabs: %s\n", error.what());
        }
        // The windows go before the toolkit that shows them.
        fw::RuntimeShutdown();
    }
    return status;
}
