#include "links.h"

#include "system.h"

const char* const kMakerContactAddress = CADENZO_CONTACT_ADDRESS;
const char* const kMakerWebsite = CADENZO_WEBSITE;

namespace {

constexpr fw::Color kHoverColor = 0x0000FF;
constexpr fw::Color kCaptionColor = 0x000000;

const char* CaptionOf(Link link)
{
    switch (link) {
    case Link::Contact: return "contactbuttxt";
    case Link::Website: return "webbuttxt";
    case Link::About: break;
    }
    return "aboutbuttxt";
}

} // namespace

ControlRow LinkPictureRow(const char* name, int left, int top, fw::PicturePtr (*picture)(), std::string parent)
{
    return {.name = name, .cls = ControlClass::Canvas,
            .design = {.left = left, .top = top, .width = 41, .height = 22, .parent = std::move(parent)},
            .picture = picture};
}

ControlRow LinkCaptionRow(const char* name, int left, int top, std::string text, std::string parent)
{
    ControlRow row{.name = name, .cls = ControlClass::StaticText,
                   .design = {.left = left, .top = top, .width = 62, .height = 20, .parent = std::move(parent),
                              .fontName = "System", .fontSize = 10, .align = fw::Align::Center,
                              .multiLine = false}};
    if (!text.empty())
        row.design.text = std::move(text);
    return row;
}

std::string ContactURL() { return std::string("mailto:") + kMakerContactAddress; }

std::string WebsiteURL() { return std::string(kMakerWebsite) + "/softs/"; }

void OpenLink(Link link)
{
    // What the system makes of the link is not reported.
    if (link == Link::Contact)
        fw::ShowURL(ContactURL());
    else if (link == Link::Website)
        fw::ShowURL(WebsiteURL());
}

void HoverLink(fw::Window& window, Link link, bool over)
{
    window.Label(CaptionOf(link)).SetTextColor(over ? kHoverColor : kCaptionColor);
}
