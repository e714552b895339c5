#include "filetypes.h"

namespace FileTypes {

std::unique_ptr<fw::FileType> pText;
std::unique_ptr<fw::FileType> pPref;

namespace {
void Register(std::unique_ptr<fw::FileType>& global, const char* name, const char* macType,
              const char* macCreator)
{
    global = std::make_unique<fw::FileType>();
    global->Name = name;
    global->Extensions = "";
    global->MacType = macType;
    global->MacCreator = macCreator;
    // Converting it to text is what registers a type.
    (void)global->ToString();
}
} // namespace

void _Initialize()
{
    Register(pText, "text", "TEXT", "R*ch");
    Register(pPref, "pref", "pref", "ZQVJ");
}

} // namespace FileTypes
