#include "editfieldplus.h"

#include "menubar.h"
#include "nil.h"

void EditFieldPlus::EnableMenuItems()
{
    fw::Deref(EditSelectAll(), "no EditSelectAll item").Enabled = true;
}

bool EditFieldPlus::_EditSelectAll_Action()
{
    SelectAll();
    return false;
}
