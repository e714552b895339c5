#pragma once

// The links both windows carry, each a small picture with its caption below
// it: Contact and Website in both, About in the main window only. A click on
// the picture or on the caption follows the link; while the pointer is over
// either, the caption is blue.

#include "controlrow.h"
#include "window.h"

#include <string>

// The maker's contact address and website, set when the program is
// configured (CADENZO_CONTACT_ADDRESS, CADENZO_WEBSITE).
extern const char* const kMakerContactAddress; // an e-mail address
extern const char* const kMakerWebsite;        // scheme and host, no trailing slash

enum class Link { Contact, Website, About };

// "mailto:" and the contact address; the website's "/softs/" page.
std::string ContactURL();
std::string WebsiteURL();

// Hands the Contact or Website link to the system.
void OpenLink(Link link);
// Blue while the pointer is over the link's picture or caption, else black.
void HoverLink(fw::Window& window, Link link, bool over);

// A link's picture, 41 x 22, and its caption below it, "System" 10, centred
// in 62 x 20; parent is the control they lie on, if any.
ControlRow LinkPictureRow(const char* name, int left, int top, fw::PicturePtr (*picture)(),
                          std::string parent = {});
ControlRow LinkCaptionRow(const char* name, int left, int top, std::string text, std::string parent = {});

// Binds the control of a link (its picture or its caption) to the window's
// three handlers of the link's family.
template <class W>
ControlRow LinkEvents(ControlRow row, Link link)
{
    row = Bind(std::move(row), "MouseDown", On<&W::link_MouseDown>(link));
    row = Bind(std::move(row), "MouseEnter", On<&W::link_MouseEnter>(link));
    return Bind(std::move(row), "MouseExit", On<&W::link_MouseExit>(link));
}
