#include "controlrow.h"

#include "editfieldplus.h"
#include "nil.h"

std::unique_ptr<fw::Control> NewControl(ControlClass cls)
{
    switch (cls) {
    case ControlClass::TabPanel: return std::make_unique<fw::TabPanel>();
    case ControlClass::StaticText: return std::make_unique<fw::StaticText>();
    case ControlClass::EditFieldPlus: return std::make_unique<EditFieldPlus>();
    case ControlClass::GroupBox: return std::make_unique<fw::GroupBox>();
    case ControlClass::Canvas: return std::make_unique<fw::Canvas>();
    case ControlClass::Rectangle: return std::make_unique<fw::Rectangle>();
    case ControlClass::Separator: return std::make_unique<fw::Separator>();
    case ControlClass::PopupMenu: return std::make_unique<fw::PopupMenu>();
    case ControlClass::RadioButton: return std::make_unique<fw::RadioButton>();
    case ControlClass::BevelButton: return std::make_unique<fw::BevelButton>();
    case ControlClass::PushButton: return std::make_unique<fw::PushButton>();
    case ControlClass::Listbox: return std::make_unique<fw::Listbox>();
    }
    throw fw::NilObjectException("unknown control class");
}

ControlRow Bind(ControlRow row, const char* event, WindowHandler handler)
{
    row.events.push_back({event, std::move(handler)});
    return row;
}

void CreateControl(fw::Window& window, const ControlRow& row)
{
    fw::Control& control = window._AddControl(row.name, NewControl(row.cls));
    // Text and picture first: the design values hold neither, so both stay.
    if (row.strings != nullptr) {
        if (auto* label = dynamic_cast<fw::StaticText*>(&control))
            label->SetText(row.strings());
        else if (auto* button = dynamic_cast<fw::PushButton*>(&control))
            button->SetCaption(row.strings());
    }
    if (row.picture != nullptr)
        fw::ControlAs<fw::Canvas>(window, row.name).SetBackdrop(row.picture());
    control._SetProperties(row.design);
    if (auto* field = dynamic_cast<EditFieldPlus*>(&control))
        field->_AddMenuHandler("EditSelectAll", [field] { return field->_EditSelectAll_Action(); });
    for (const EventBinding& binding : row.events) {
        control._InstallInstanceEventHandler(
            binding.event, [&window, handler = binding.handler](const fw::EventArgs& args) {
                return handler(window, args);
            });
    }
}
