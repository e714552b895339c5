#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fw {

// &hRRGGBB
using Color = std::uint32_t;

constexpr Color RGB(int red, int green, int blue)
{
    return (static_cast<Color>(red & 0xFF) << 16) | (static_cast<Color>(green & 0xFF) << 8)
           | static_cast<Color>(blue & 0xFF);
}

// A drawing surface that records what is drawn; the view replays it.
class Graphics {
public:
    struct Fill {
        int x, y, width, height;
        Color color;
    };

    Graphics(int width, int height) : m_width(width), m_height(height) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetForeColor(Color color) { m_foreColor = color; }
    void FillRect(int x, int y, int width, int height)
    {
        m_fills.push_back({x, y, width, height, m_foreColor});
    }
    const std::vector<Fill>& Fills() const { return m_fills; }

private:
    int m_width;
    int m_height;
    Color m_foreColor = 0x000000;
    std::vector<Fill> m_fills;
};

// Encoded image data (PNG) with its size; the view decodes it.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> data;
};

using PicturePtr = std::shared_ptr<const Picture>;

// The application's own resources: pictures by number.
class ResourceFork {
public:
    virtual ~ResourceFork() = default;
    // nullptr when there is no picture of that number.
    virtual PicturePtr GetPicture(int id) = 0;
};

// The application's resources, or nullptr when it has none.
std::unique_ptr<ResourceFork> appResourceForkGetter();

using ResourceForkFactory = std::unique_ptr<ResourceFork> (*)();
void SetResourceForkFactory(ResourceForkFactory factory);

} // namespace fw
