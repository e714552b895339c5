#pragma once

#include "control.h"

// The program's edit field: the framework's, plus the Edit menu's Select all.
class EditFieldPlus : public fw::EditField {
public:
    const char* ClassName() const override { return "EditFieldPlus"; }
    void EnableMenuItems() override;
    bool _EditSelectAll_Action();
};
