#include "menubarview.h"

#include "application.h"
#include "convert.h"
#include "guard.h"
#include "menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace fwqt {

namespace {

// The core names shortcuts after the Command key; here it is Control.
QKeySequence ShortcutOf(const std::string& shortcut)
{
    QString text = ToQString(shortcut);
    text.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"));
    return QKeySequence(text, QKeySequence::PortableText);
}

} // namespace

MenuBarView::MenuBarView(QMenuBar& bar, std::function<void()> beforeUse)
    : m_bar(bar), m_beforeUse(std::move(beforeUse))
{
}

MenuBarView::~MenuBarView() = default;

void MenuBarView::Build(const fw::MenuBar* source)
{
    m_source = source;
    m_items.clear();
    m_bar.clear();
    qDeleteAll(m_menus);
    m_menus.clear();
    m_bar.setVisible(source != nullptr);
    if (source == nullptr)
        return;
    for (const auto& child : source->Children()) {
        if (child->IsSeparator())
            continue;
        auto* menu = new QMenu(Caption(child->Text), &m_bar);
        m_menus.push_back(menu);
        m_bar.addMenu(menu);
        Fill(*menu, *child);
    }
}

void MenuBarView::Fill(QMenu& menu, const fw::MenuItem& parent)
{
    // Drawn in the window's colours, as its menu bar is, not the desktop scheme's.
    menu.setAttribute(Qt::WA_WindowPropagation);
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [this] { Refresh(); });
    for (const auto& child : parent.Children()) {
        if (child->IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        if (!child->Children().empty()) {
            Fill(*menu.addMenu(Caption(child->Text)), *child);
            continue;
        }
        QAction* action = menu.addAction(Caption(child->Text));
        if (!child->KeyboardShortcut.empty()) {
            // Shown only: the key router chooses shortcuts through the core.
            action->setShortcut(ShortcutOf(child->KeyboardShortcut));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        std::string name = child->Name;
        QObject::connect(action, &QAction::triggered, &menu,
                         [name] { Guard([&name] { fw::ChooseMenuItem(name); }); });
        m_items.emplace_back(action, child.get());
    }
}

void MenuBarView::Refresh()
{
    Guard([this] {
        if (m_beforeUse)
            m_beforeUse();
        fw::UpdateMenuItems();
    });
    for (const auto& [action, item] : m_items) {
        action->setEnabled(item->Enabled);
        QString text = Caption(item->Text);
        if (action->text() != text)
            action->setText(text);
    }
}

} // namespace fwqt
