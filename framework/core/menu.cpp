#include "menu.h"

#include <utility>

namespace fw {

MenuItem& MenuItem::Append(std::unique_ptr<MenuItem> item)
{
    m_children.push_back(std::move(item));
    return *m_children.back();
}

MenuItem* MenuItem::Child(const std::string& name) const
{
    for (const auto& child : m_children)
        if (child->Name == name)
            return child.get();
    return nullptr;
}

MenuItem* MenuItem::_Lookup(const std::string& name) const
{
    for (const auto& child : m_children) {
        if (child->Name == name)
            return child.get();
        if (MenuItem* found = child->_Lookup(name))
            return found;
    }
    return nullptr;
}

void MenuHandlers::Add(const std::string& itemName, MenuHandler handler)
{
    m_handlers.emplace_back(itemName, std::move(handler));
}

const MenuHandler* MenuHandlers::For(const std::string& itemName) const
{
    for (const auto& [name, handler] : m_handlers)
        if (name == itemName)
            return &handler;
    return nullptr;
}

} // namespace fw
