// Views of the decorative controls: group boxes, pictures, rectangles and
// separators.

#include "controlview.h"
#include "controlviews.h"
#include "convert.h"

#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace fwqt {

namespace {

// Decoded once per picture object, for as long as the core holds it.
QImage ImageOf(const fw::PicturePtr& picture)
{
    struct Entry {
        std::weak_ptr<const fw::Picture> source;
        QImage image;
    };
    static std::vector<Entry> cache;
    if (!picture)
        return {};
    std::erase_if(cache, [](const Entry& entry) { return entry.source.expired(); });
    for (const Entry& entry : cache)
        if (entry.source.lock() == picture)
            return entry.image;
    QImage image;
    image.loadFromData(picture->data.data(), static_cast<int>(picture->data.size()), "PNG");
    cache.push_back({picture, image});
    return image;
}

// Decodes its picture when it is first drawn: after the window has come on
// screen, and never for a page the user does not open.
class PictureWidget final : public QWidget {
public:
    explicit PictureWidget(QWidget* parent) : QWidget(parent) {}

    void SetPicture(fw::PicturePtr picture)
    {
        if (picture == m_picture)
            return;
        m_picture = std::move(picture);
        m_image = QImage();
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        if (m_image.isNull())
            m_image = ImageOf(m_picture);
        if (m_image.isNull())
            return;
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), m_image);
    }

private:
    fw::PicturePtr m_picture;
    QImage m_image;
};

class BoxWidget final : public QWidget {
public:
    explicit BoxWidget(QWidget* parent) : QWidget(parent) {}

    void SetLook(const QColor& fill, int borderWidth, const QColor& border)
    {
        if (fill == m_fill && borderWidth == m_borderWidth && border == m_border)
            return;
        m_fill = fill;
        m_borderWidth = borderWidth;
        m_border = border;
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        int width = std::clamp(m_borderWidth, 0, std::min(this->width(), height()) / 2);
        if (width > 0)
            painter.fillRect(rect(), m_border);
        painter.fillRect(rect().adjusted(width, width, -width, -width), m_fill);
    }

private:
    QColor m_fill;
    int m_borderWidth = 0;
    QColor m_border;
};

class GroupBoxView final : public ControlView {
public:
    GroupBoxView(WindowView& window, fw::GroupBox& control, QWidget* content)
        : ControlView(window, control, new QGroupBox(content))
    {
    }

protected:
    void SyncDetails() override
    {
        auto& box = static_cast<QGroupBox&>(*Widget());
        box.setTitle(Caption(static_cast<const fw::GroupBox&>(*Control()).Caption()));
    }
};

class CanvasView final : public ControlView {
public:
    CanvasView(WindowView& window, fw::Canvas& control, QWidget* content)
        : ControlView(window, control, new PictureWidget(content))
    {
    }

protected:
    void SyncDetails() override
    {
        const auto& canvas = static_cast<const fw::Canvas&>(*Control());
        static_cast<PictureWidget&>(*Widget()).SetPicture(canvas.Backdrop());
    }

    bool WidgetEvent(QObject* /*watched*/, QEvent* event) override { return ReportPointer(event); }
};

class RectangleView final : public ControlView {
public:
    RectangleView(WindowView& window, fw::Rectangle& control, QWidget* content)
        : ControlView(window, control, new BoxWidget(content))
    {
    }

protected:
    void SyncDetails() override
    {
        const auto& rectangle = static_cast<const fw::Rectangle&>(*Control());
        static_cast<BoxWidget&>(*Widget())
            .SetLook(ToQColor(rectangle.FillColor()), rectangle.BorderWidth(),
                     ToQColor(rectangle.BorderColor()));
    }
};

class SeparatorView final : public ControlView {
public:
    SeparatorView(WindowView& window, fw::Separator& control, QWidget* content)
        : ControlView(window, control, new QFrame(content))
    {
        auto& line = static_cast<QFrame&>(*Widget());
        line.setFrameShape(QFrame::HLine);
        line.setFrameShadow(QFrame::Sunken);
    }

protected:
    void SyncDetails() override {}
};

} // namespace

std::unique_ptr<ControlView> NewGroupBoxView(WindowView& window, fw::GroupBox& control, QWidget* content)
{
    return std::make_unique<GroupBoxView>(window, control, content);
}

std::unique_ptr<ControlView> NewCanvasView(WindowView& window, fw::Canvas& control, QWidget* content)
{
    return std::make_unique<CanvasView>(window, control, content);
}

std::unique_ptr<ControlView> NewRectangleView(WindowView& window, fw::Rectangle& control, QWidget* content)
{
    return std::make_unique<RectangleView>(window, control, content);
}

std::unique_ptr<ControlView> NewSeparatorView(WindowView& window, fw::Separator& control, QWidget* content)
{
    return std::make_unique<SeparatorView>(window, control, content);
}

} // namespace fwqt
