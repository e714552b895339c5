#include "cadenzo.h"
#include "controlrow.h"
#include "editfieldplus.h"
#include "menubar.h"
#include "tabrows.h"

#include <algorithm>
#include <map>
#include <span>

namespace {

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

// Every row of the window, by control name.
const std::map<std::string, const ControlRow*>& RowsByName()
{
    static const std::map<std::string, const ControlRow*> rows = [] {
        std::map<std::string, const ControlRow*> byName;
        for (const std::vector<ControlRow>* table : AllControlRows())
            for (const ControlRow& row : *table)
                byName.emplace(row.name, &row);
        return byName;
    }();
    return rows;
}

void CreateRange(class Cadenzo& window, std::span<const char* const> names)
{
    for (const char* name : names)
        window.CreateControl(*RowsByName().at(name));
}

} // namespace

void Cadenzo::Layout()
{
    SetMenuBar(&Menu());
    fw::WindowDesign design;
    design.title = "Cadenzo";
    design.width = 500;
    design.height = 382;
    design.resizeable = false;
    design.maximizeButton = false;
    design.backColor = 0xEFEFEF;
    design.visible = true;
    _SetProperties(design);
}

void Cadenzo::CreateControls()
{
    _CreateControls0();
    _CreateControls1();
    _CreateControls2();
}

void Cadenzo::_CreateControls0() { CreateRange(*this, CreationOrder().subspan(0, 50)); }

void Cadenzo::_CreateControls1() { CreateRange(*this, CreationOrder().subspan(50, 50)); }

void Cadenzo::_CreateControls2() { CreateRange(*this, CreationOrder().subspan(100)); }

void Cadenzo::CreateControl(const ControlRow& row)
{
    fw::Control& control = _AddControl(row.name, NewControl(row.cls));
    // Text and picture first: the design values hold neither, so both stay.
    if (row.strings != nullptr) {
        if (auto* label = dynamic_cast<fw::StaticText*>(&control))
            label->SetText(row.strings());
        else if (auto* button = dynamic_cast<fw::PushButton*>(&control))
            button->SetCaption(row.strings());
    }
    if (row.picture != nullptr)
        fw::ControlAs<fw::Canvas>(*this, row.name).SetBackdrop(row.picture());
    control._SetProperties(row.design);
    if (auto* field = dynamic_cast<EditFieldPlus*>(&control))
        field->_AddMenuHandler("EditSelectAll", [field] { return field->_EditSelectAll_Action(); });
    for (const EventBinding& binding : row.events) {
        WindowHandler handler = binding.handler;
        control._InstallInstanceEventHandler(
            binding.event, [this, handler](const fw::EventArgs& args) { return handler(*this, args); });
    }
}
