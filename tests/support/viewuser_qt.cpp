#include "viewuser.h"

#include "application.h"
#include "convert.h"
#include "menu.h"
#include "platform.h"
#include "qtplatform.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <map>
#include <stdexcept>

namespace {

fw::MenuItem* FindItem(const fw::MenuItem& parent, const std::string& name, const std::string& shortcut)
{
    for (const auto& child : parent.Children()) {
        if ((!name.empty() && child->Name == name) || (!shortcut.empty() && child->KeyboardShortcut == shortcut))
            return child.get();
        if (fw::MenuItem* found = FindItem(*child, name, shortcut))
            return found;
    }
    return nullptr;
}

fw::MenuItem& AppItem(const std::string& name, const std::string& shortcut)
{
    fw::Application* app = fw::_GetAppObject();
    fw::MenuItem* item = app && app->MenuBar() ? FindItem(*app->MenuBar(), name, shortcut) : nullptr;
    if (item == nullptr)
        throw std::runtime_error("no menu item " + name + shortcut);
    return *item;
}

// A click outside an open pop-up closes it, and the click is spent on that.
void ClosePopups()
{
    QCoreApplication::processEvents();
    for (int i = 0; i < 4 && QApplication::activePopupWidget() != nullptr; ++i)
        QApplication::activePopupWidget()->close();
}

// A click brings its window to the front first, as the window manager does.
void Activate(QWidget& widget)
{
    ClosePopups();
    QWidget* window = widget.window();
    if (QApplication::activeWindow() == window)
        return;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        throw std::runtime_error("the window does not come to the front");
}

// A press may close the window under the pointer: then nothing is released.
void ClickAt(QWidget& widget, QPoint at)
{
    QPointer<QWidget> alive(&widget);
    QTest::mousePress(&widget, Qt::LeftButton, {}, at);
    if (alive)
        QTest::mouseRelease(alive, Qt::LeftButton, {}, at);
}

// QTest moves the pointer with no button held by placing the cursor, which
// the offscreen platform does not pass on: the move goes to the widget.
void MoveTo(QWidget& widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

QtMessageHandler g_qtMessages = nullptr;

// The offscreen platform says at each pop-up that it cannot grab the
// keyboard, and at each activation that it cannot raise: noise here.
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")) && g_qtMessages != nullptr)
        g_qtMessages(type, context, text);
}

void TypeCharacter(QWidget* target, char32_t c)
{
    if (c >= 0x20 && c < 0x7F)
        QTest::keyClick(target, static_cast<char>(c));
    else
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
}

} // namespace

ViewUser::ViewUser() : m_platform(NewPlatform())
{
    g_qtMessages = qInstallMessageHandler(&QuietOffscreen);
}

ViewUser::~ViewUser()
{
    // The windows go before the toolkit that shows them.
    fw::RuntimeShutdown();
    qInstallMessageHandler(g_qtMessages);
    m_platform.reset();
}

QMainWindow* ViewUser::TopLevel(const std::string& className)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == fwqt::ToQString(className) && widget->isVisible())
            return qobject_cast<QMainWindow*>(widget);
    return nullptr;
}

QWidget& ViewUser::ShownWidget(const std::string& className, const std::string& name)
{
    QMainWindow* window = TopLevel(className);
    QWidget* widget = window ? window->findChild<QWidget*>(fwqt::ToQString(name)) : nullptr;
    if (widget == nullptr || !widget->isVisible())
        throw std::runtime_error("the user cannot see " + name + " in " + className);
    return *widget;
}

QWidget* ViewUser::KeyTarget()
{
    // The user types once the window that just opened is in front.
    QCoreApplication::processEvents();
    QWidget* window = QApplication::activePopupWidget();
    if (window == nullptr)
        window = QApplication::activeWindow();
    if (window == nullptr)
        window = TopLevel("Cadenzo");
    if (window == nullptr)
        throw std::runtime_error("no window to type into");
    QWidget* focus = window->focusWidget();
    return focus ? focus : window;
}

void ViewUser::Start()
{
    SimUser::Start();
    if (QMainWindow* window = TopLevel("Cadenzo"))
        Activate(*window);
}

void ViewUser::CloseWindow() { CloseWindow("Cadenzo"); }

void ViewUser::Click(const std::string& name) { ClickIn("Cadenzo", name); }

void ViewUser::ClickIn(const std::string& className, const std::string& name)
{
    QWidget& widget = ShownWidget(className, name);
    Activate(widget);
    ClickAt(widget, widget.rect().center());
}

void ViewUser::TypeInto(const std::string& name, const std::string& text)
{
    Click(name);
    PressShortcut("Cmd+A");
    if (text.empty())
        PressKey("\b");
    else
        Type(text);
}

void ViewUser::Type(const std::string& text)
{
    for (char32_t c : fwqt::ToQString(text).toUcs4())
        TypeCharacter(KeyTarget(), c);
}

void ViewUser::PressKey(const std::string& key)
{
    static const std::map<std::string, Qt::Key> named = {
        {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},         {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right},   {"PageUp", Qt::Key_PageUp},     {"PageDown", Qt::Key_PageDown},
        {"Home", Qt::Key_Home},     {"End", Qt::Key_End},           {"Return", Qt::Key_Return},
        {"Tab", Qt::Key_Tab},       {"Escape", Qt::Key_Escape},     {"Delete", Qt::Key_Delete},
        {"\b", Qt::Key_Backspace},
    };
    if (auto found = named.find(key); found != named.end()) {
        QTest::keyClick(KeyTarget(), found->second);
        return;
    }
    QList<uint> characters = fwqt::ToQString(key).toUcs4();
    if (characters.size() != 1)
        throw std::runtime_error("no key named " + key);
    TypeCharacter(KeyTarget(), characters[0]);
}

void ViewUser::ChooseTab(const std::string& caption)
{
    auto* tabs = qobject_cast<QTabWidget*>(&ShownWidget("Cadenzo", "TabPanel1"));
    QTabBar* bar = tabs->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        if (bar->tabText(i) == fwqt::Caption(caption)) {
            Activate(*bar);
            ClickAt(*bar, bar->tabRect(i).center());
            return;
        }
    }
    throw std::runtime_error("no " + caption + " in the tabs");
}

void ViewUser::ChoosePopupItem(const std::string& name, const std::string& item)
{
    auto* combo = qobject_cast<QComboBox*>(&ShownWidget("Cadenzo", name));
    int index = combo ? combo->findText(fwqt::ToQString(item)) : -1;
    if (index < 0)
        throw std::runtime_error("no " + item + " in " + name);
    Activate(*combo);
    ClickAt(*combo, combo->rect().center());
    QAbstractItemView* list = combo->view();
    if (!list->isVisible())
        throw std::runtime_error("the pop-up " + name + " does not open");
    // The pointer travels to the item: a release where the opening press was
    // is taken for the end of that press, not for a choice.
    QWidget& items = *list->viewport();
    QPoint at = list->visualRect(list->model()->index(index, combo->modelColumn())).intersected(items.rect()).center();
    MoveTo(items, QPoint(items.width() - 1 - at.x() / 2, at.y()));
    MoveTo(items, at);
    ClickAt(items, at);
}

bool ViewUser::ChooseMenuItem(const std::string& itemName)
{
    const fw::MenuItem& item = AppItem(itemName, "");
    ClosePopups();
    auto* window = qobject_cast<QMainWindow*>(QApplication::activeWindow());
    if (window == nullptr)
        window = TopLevel("Cadenzo");
    if (window == nullptr)
        throw std::runtime_error("no window with a menu bar");
    QMenuBar* bar = window->menuBar();
    for (QAction* title : bar->actions()) {
        QMenu* menu = title->menu();
        for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
            if (action->text() != fwqt::Caption(item.Text))
                continue;
            ClickAt(*bar, bar->actionGeometry(title).center());
            if (!menu->isVisible())
                throw std::runtime_error("the menu of " + itemName + " does not open");
            if (!action->isEnabled()) {
                QTest::keyClick(menu, Qt::Key_Escape);
                return false;
            }
            ClickAt(*menu, menu->actionGeometry(action).center());
            return true;
        }
    }
    throw std::runtime_error("the menu bar shows no " + itemName);
}

bool ViewUser::PressShortcut(const std::string& shortcut)
{
    bool enabled = MenuItemEnabled(AppItem("", shortcut).Name);
    bool shift = shortcut.find("Shift+") != std::string::npos;
    auto key = static_cast<Qt::Key>(QChar(shortcut.back()).toUpper().unicode());
    QTest::keyClick(KeyTarget(), key, shift ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
    return enabled;
}

void ViewUser::ClickCell(const std::string& listName, int row, int column)
{
    auto* table = qobject_cast<QTableView*>(&ShownWidget("Cadenzo", listName));
    QModelIndex cell = table->model()->index(row, column);
    Activate(*table);
    table->scrollTo(cell);
    ClickAt(*table->viewport(), table->visualRect(cell).center());
}

void ViewUser::CloseWindow(const std::string& className)
{
    QMainWindow* window = TopLevel(className);
    if (window == nullptr)
        throw std::runtime_error("the user cannot see the window " + className);
    window->close();
}

std::string ViewUser::Text(const std::string& name) const
{
    QMainWindow* window = TopLevel("Cadenzo");
    QWidget* widget = window ? window->findChild<QWidget*>(fwqt::ToQString(name)) : nullptr;
    if (widget == nullptr || !widget->isVisible())
        return SimUser::Text(name);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return fwqt::ToUtf8(label->text());
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        return fwqt::ToUtf8(field->text());
    throw std::runtime_error(name + " shows no text");
}

std::string ViewUser::FocusedName() const
{
    QMainWindow* window = TopLevel("Cadenzo");
    QWidget* focus = window ? window->focusWidget() : nullptr;
    // Qt's own parts (the tab bar) are no control of the window.
    if (focus == nullptr || focus->objectName().startsWith(QLatin1String("qt_")))
        return {};
    return fwqt::ToUtf8(focus->objectName());
}
