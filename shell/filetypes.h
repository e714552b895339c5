#pragma once

#include "files.h"

#include <memory>

// The two file types registered at start-up. Nothing uses them afterwards;
// the preferences file names its type by the text "pref".
namespace FileTypes {
extern std::unique_ptr<fw::FileType> pText;
extern std::unique_ptr<fw::FileType> pPref;
void _Initialize();
} // namespace FileTypes
