// Another program on the same X display: a window that, pressed, drags text
// or a file's URL, proposing a move as an editor does, and prints "ready",
// then what the drop did ("copy", "move" or "ignore"). The target fetches
// the data after the drop: it stays until its input closes, or 20 s.
//
//   cadenzo_drag_source text "X\n9" 300 40    cadenzo_drag_source urls file:///a.wav 300 40

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <utility>
#include <unistd.h>

namespace {

class Source final : public QWidget {
public:
    explicit Source(char** argv) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_argv(argv)
    {
        setGeometry(QString(argv[3]).toInt(), QString(argv[4]).toInt(), 60, 30);
    }

protected:
    // Painted means shown on the display: a press there reaches this window.
    void paintEvent(QPaintEvent* /*event*/) override
    {
        if (!std::exchange(m_shown, true))
            std::puts("ready"), std::fflush(stdout);
    }
    void mousePressEvent(QMouseEvent* /*event*/) override
    {
        auto* data = new QMimeData;
        if (QByteArray(m_argv[1]) == "urls")
            data->setUrls({QUrl(QString::fromUtf8(m_argv[2]))});
        else
            data->setText(QString::fromUtf8(m_argv[2]));
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction done = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
        std::puts(done == Qt::CopyAction ? "copy" : done == Qt::MoveAction ? "move" : "ignore");
        std::fflush(stdout);
    }

private:
    char** m_argv;
    bool m_shown = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 5)
        return 2;
    Source source(argv);
    source.show();
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [] {
        char buffer[64];
        if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            QApplication::quit();
    });
    QTimer::singleShot(20000, &app, [] { QApplication::exit(1); });
    return app.exec();
}
