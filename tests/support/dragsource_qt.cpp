// Another program on the same X display: a small window that, pressed,
// drags what it was given, as a text editor or a file manager would, and
// says what the drop did with it ("copy", "move" or "ignore").
//
//   cadenzo_drag_source text "X\n9" 300 40   (or: urls file:///a.wav ...)
//
// It prints "ready" once its window can be pressed. The target fetches the
// data after the drop, so it stays until its standard input closes, or 20 s.

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {

class Source final : public QWidget {
public:
    Source(bool urls, QString data) : m_urls(urls), m_data(std::move(data)) {}

protected:
    void showEvent(QShowEvent* /*event*/) override
    {
        QTimer::singleShot(100, this, [] { std::puts("ready"), std::fflush(stdout); });
    }

    void mousePressEvent(QMouseEvent* /*event*/) override
    {
        auto* data = new QMimeData;
        if (m_urls)
            data->setUrls({QUrl(m_data)});
        else
            data->setText(m_data);
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        // An editor proposes a move: its text would go.
        const Qt::DropAction done = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
        std::puts(done == Qt::CopyAction ? "copy" : done == Qt::MoveAction ? "move" : "ignore");
        std::fflush(stdout);
    }

private:
    bool m_urls;
    QString m_data;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 5)
        return 2;
    Source source(QByteArray(argv[1]) == "urls", QString::fromUtf8(argv[2]));
    source.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    source.setGeometry(QString(argv[3]).toInt(), QString(argv[4]).toInt(), 60, 30);
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
