#pragma once

// The localised-text lookup: GNU gettext, text domain "cadenzo", the key as
// the message id. The language is chosen as gettext chooses it (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG).

#include <functional>
#include <string>

namespace fw {

class SystemObject {
public:
    // The translation filed under key, or defaultText when there is none.
    std::string _GetLocalizedString(const std::string& key, const std::string& defaultText) const;
};

// The framework's system object.
SystemObject* System();

// Where the catalogues live (<dir>/<lang>/LC_MESSAGES/cadenzo.mo).
void SetLocaleDirectory(const std::string& directory);

// Replaces gettext, for tests of texts that no catalogue can hold (an empty
// translation); nullptr restores gettext.
void SetLocalizedStringSource(
    std::function<std::string(const std::string& key, const std::string& defaultText)> source);

} // namespace fw
