#include "cadenzo.h"
#include "menubar.h"
#include "tabrows.h"

#include <map>
#include <span>

namespace {

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
        CreateControl(window, *RowsByName().at(name));
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
