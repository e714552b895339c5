#pragma once

// The Qt platform under the framework's core. main() checks HasDisplay(),
// then constructs one Platform before the runtime builds any window; it
// creates the QApplication and installs into the core the event loop, the
// view of every window, the resources, the clipboard and the link handler
// (a handler installed before, a test's recorder, stays). It must outlive
// the runtime's event loop.

#include <memory>

class QApplication;

namespace fwqt {

class EventLoop;
class KeyRouter;
class ViewFactory;

class Platform {
public:
    // argc must stay alive as long as the Platform: QApplication keeps it.
    // When Qt finds no usable display after all (no server, an unknown
    // platform), prints one line and ends the process with status 1.
    Platform(int& argc, char** argv);
    ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // Whether Qt can open windows here (a display, or a platform named in
    // QT_QPA_PLATFORM); without one Qt would abort.
    static bool HasDisplay();

private:
    std::unique_ptr<QApplication> m_app;
    std::unique_ptr<EventLoop> m_loop;
    std::unique_ptr<ViewFactory> m_views;
    std::unique_ptr<KeyRouter> m_keys;
    bool m_ownsURLHandler = false;
};

} // namespace fwqt
