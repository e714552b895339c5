#include "localization.h"

#include <clocale>
#include <libintl.h>

namespace fw {

namespace {

constexpr const char* kDomain = "cadenzo";

std::function<std::string(const std::string&, const std::string&)>& Source()
{
    static std::function<std::string(const std::string&, const std::string&)> source;
    return source;
}

} // namespace

std::string SystemObject::_GetLocalizedString(const std::string& key,
                                              const std::string& defaultText) const
{
    if (Source())
        return Source()(key, defaultText);
    const char* translated = dgettext(kDomain, key.c_str());
    // gettext hands back the very key pointer when it has no translation.
    if (translated == key.c_str() || key == translated)
        return defaultText;
    return translated;
}

SystemObject* System()
{
    static SystemObject system;
    return &system;
}

void SetLocaleDirectory(const std::string& directory)
{
    bindtextdomain(kDomain, directory.c_str());
    bind_textdomain_codeset(kDomain, "UTF-8");
}

void SetLocalizedStringSource(
    std::function<std::string(const std::string&, const std::string&)> source)
{
    Source() = std::move(source);
}

} // namespace fw
