#include "platform.h"

#include "application.h"
#include "clipboard.h"
#include "convert.h"
#include "graphics.h"
#include "guard.h"
#include "keyrouter.h"
#include "system.h"
#include "windowview.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QImageReader>
#include <QPointer>
#include <QScreen>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace fwqt {

class EventLoop final : public fw::EventLoop {
public:
    void Exec() override
    {
        // An exception kept before the loop ran would otherwise wait for the next one.
        if (std::exception_ptr error = TakeException())
            std::rethrow_exception(error);
        QApplication::exec();
        if (std::exception_ptr error = TakeException())
            std::rethrow_exception(error);
    }

    void Exit() override { QCoreApplication::exit(0); }
};

class ViewFactory final : public fw::ViewFactory {
public:
    ~ViewFactory() override
    {
        for (const QPointer<WindowView>& view : m_views)
            delete view.data();
    }

    void WindowCreated(fw::Window& window) override
    {
        std::erase_if(m_views, [](const QPointer<WindowView>& view) { return view.isNull(); });
        m_views.emplace_back(new WindowView(window));
    }

private:
    std::vector<QPointer<WindowView>> m_views;
};

namespace {

// Picture N is the embedded file ":/pictures/N.png".
class ResourceFork final : public fw::ResourceFork {
public:
    fw::PicturePtr GetPicture(int id) override
    {
        QFile file(QStringLiteral(":/pictures/%1.png").arg(id));
        if (!file.open(QIODevice::ReadOnly))
            return nullptr;
        QByteArray bytes = file.readAll();
        // The size from the header alone: the view decodes the picture, once,
        // when a canvas first draws it.
        QBuffer buffer(&bytes);
        QSize size = QImageReader(&buffer, "PNG").size();
        if (size.isEmpty())
            return nullptr;
        auto picture = std::make_shared<fw::Picture>();
        picture->width = size.width();
        picture->height = size.height();
        picture->data.assign(bytes.begin(), bytes.end());
        return picture;
    }
};

// Qt's messages while the platform starts, held back: when no platform
// starts, Qt reports it at length and aborts; the user gets one line and
// status 1 instead.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> g_heldMessages;
std::string g_programName;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "%s: cannot open a window: no usable display (check DISPLAY, WAYLAND_DISPLAY "
                     "and QT_QPA_PLATFORM, or run it under xvfb-run)\n",
                     g_programName.c_str());
        std::_Exit(1);
    }
    g_heldMessages.push_back({type, context.file, context.line, context.function, context.category, text});
}

std::unique_ptr<QApplication> NewApplication(int& argc, char** argv)
{
    g_programName = argc > 0 && argv[0] != nullptr ? std::string(argv[0]) : std::string();
    g_programName = g_programName.substr(g_programName.find_last_of('/') + 1);
    QtMessageHandler previous = qInstallMessageHandler(&HoldMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : g_heldMessages) {
        QMessageLogContext context(message.file.constData(), message.line, message.function.constData(),
                                   message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    g_heldMessages.clear();
    return app;
}

std::unique_ptr<fw::ResourceFork> NewResourceFork() { return std::make_unique<ResourceFork>(); }

} // namespace

Platform::Platform(int& argc, char** argv)
    : m_app(NewApplication(argc, argv)), m_loop(std::make_unique<EventLoop>()),
      m_views(std::make_unique<ViewFactory>()), m_keys(std::make_unique<KeyRouter>())
{
    // Closing the last window is the program's business, not Qt's.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_app->installEventFilter(m_keys.get());
    fw::SetEventLoop(m_loop.get());
    fw::SetViewFactory(m_views.get());
    fw::SetResourceForkFactory(&NewResourceFork);
    fw::Clipboard::Connect([] { return ToUtf8(QGuiApplication::clipboard()->text()); },
                           [](const std::string& text) { QGuiApplication::clipboard()->setText(ToQString(text)); },
                           [](const std::string& text) {
                               if (QGuiApplication::clipboard()->supportsSelection())
                                   QGuiApplication::clipboard()->setText(ToQString(text), QClipboard::Selection);
                           });
    fw::SetScreenSource([] {
        std::vector<fw::ScreenArea> areas;
        for (const QScreen* screen : QGuiApplication::screens()) {
            QRect area = screen->availableGeometry();
            areas.push_back({area.x(), area.y(), area.width(), area.height()});
        }
        return areas;
    });
    // Links go to the desktop's handler (xdg-open), unless a test records them.
    if (!fw::HasURLHandler()) {
        fw::SetURLHandler([](const std::string& url) { QDesktopServices::openUrl(QUrl(ToQString(url))); });
        m_ownsURLHandler = true;
    }
}

Platform::~Platform()
{
    if (m_ownsURLHandler)
        fw::SetURLHandler(nullptr);
    fw::Clipboard::Connect(nullptr, nullptr);
    fw::SetScreenSource(nullptr);
    fw::SetResourceForkFactory(nullptr);
    fw::SetViewFactory(nullptr);
    fw::SetEventLoop(nullptr);
    m_app->removeEventFilter(m_keys.get());
    m_keys.reset();
    // The windows go before the application that owns their resources.
    m_views.reset();
    m_loop.reset();
    m_app.reset();
}

bool Platform::HasDisplay()
{
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

} // namespace fwqt
