#include "editfieldplus.h"

#include "menubar.h"
#include "nil.h"
#include "text.h"

void EditFieldPlus::EnableMenuItems()
{
    fw::Deref(EditSelectAll(), "no EditSelectAll item").Enabled = true;
}

bool EditFieldPlus::_EditSelectAll_Action()
{
    SetSelStart(0);
    SetSelLength(fw::Len(Text()));
    return false;
}
