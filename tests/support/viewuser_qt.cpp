#include "viewuser.h"

#include "application.h"
#include "convert.h"
#include "menu.h"
#include "platform.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <stdexcept>

namespace {

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

// What the keyboard reaches: the focus of the active window, or that window.
QWidget* KeyTarget()
{
    // The user types once the window that just opened is in front.
    QCoreApplication::processEvents();
    QWidget* window = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeWindow();
    QWidget& target = window ? *window : fw::Deref<QWidget>(ViewUser::TopLevel("Cadenzo"), "no window to type into");
    return target.focusWidget() ? target.focusWidget() : &target;
}

} // namespace

std::unique_ptr<fwqt::Platform> NewPlatform()
{
    static int argc = 1;
    static char name[] = "cadenzo_tests";
    static char* argv[] = {name, nullptr};
    return std::make_unique<fwqt::Platform>(argc, argv);
}

ViewUser::ViewUser() : m_platform(NewPlatform())
{
    // The offscreen platform says at each pop-up that it cannot grab the
    // keyboard, and at each activation that it cannot raise: noise here.
    static const QtMessageHandler qtMessages = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.startsWith(QLatin1String("This plugin does not support")) && qtMessages != nullptr)
            qtMessages(type, context, text);
    });
}

// The windows go before the toolkit that shows them.
ViewUser::~ViewUser() { fw::RuntimeShutdown(); }

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
    if (QWidget* widget = window ? window->findChild<QWidget*>(fwqt::ToQString(name)) : nullptr; widget && widget->isVisible())
        return *widget;
    throw std::runtime_error("the user cannot see " + name + " in " + className);
}

void ViewUser::Start()
{
    SimUser::Start();
    if (QMainWindow* window = TopLevel("Cadenzo"))
        Activate(*window);
}

void ViewUser::ClickIn(const std::string& className, const std::string& name)
{
    QWidget& widget = ShownWidget(className, name);
    Activate(widget);
    ClickAt(widget, widget.rect().center());
}

// A key without text is named as Qt names it, without the "Key_".
void ViewUser::PressKey(const std::string& key)
{
    QString text = fwqt::ToQString(key == "\b" ? "Backspace" : key);
    bool named = false;
    if (text.size() == 1 && text[0] >= u' ' && text[0] < u'\x7f')
        QTest::keyClick(KeyTarget(), text[0].toLatin1());
    else if (text.toUcs4().size() == 1)
        QTest::sendKeyEvent(QTest::Click, KeyTarget(), Qt::Key_unknown, text, Qt::NoModifier);
    else if (int code = QMetaEnum::fromType<Qt::Key>().keyToValue(("Key_" + text.toStdString()).c_str(), &named); named)
        QTest::keyClick(KeyTarget(), static_cast<Qt::Key>(code));
    else
        throw std::runtime_error("no key named " + key);
}

void ViewUser::ChooseTab(const std::string& caption)
{
    QTabBar* bar = qobject_cast<QTabWidget*>(&ShownWidget("Cadenzo", "TabPanel1"))->tabBar();
    Activate(*bar);
    ClickAt(*bar, bar->tabRect(IndexOf(Get<fw::TabPanel>("TabPanel1").Tabs(), caption, "the tabs")).center());
}

void ViewUser::ChoosePopupItem(const std::string& name, const std::string& item)
{
    auto* combo = qobject_cast<QComboBox*>(&ShownWidget("Cadenzo", name));
    int index = IndexOf(Get<fw::PopupMenu>(name).Items(), item, name);
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
    const fw::MenuItem& item = fw::Deref(fw::ItemOf(fw::Deref(fw::_GetAppObject()).MenuBar(), itemName.c_str()));
    ClosePopups();
    auto* active = qobject_cast<QMainWindow*>(QApplication::activeWindow());
    QMenuBar* bar = (active ? active : &fw::Deref(TopLevel("Cadenzo"), "no window with a menu bar"))->menuBar();
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
    // The program's shortcuts are all Cmd and a letter: Ctrl and that letter here.
    bool enabled = MenuItemEnabled(fw::Deref(fw::ShortcutItem(shortcut)).Name);
    QTest::keyClick(KeyTarget(), static_cast<Qt::Key>(QChar(shortcut.back()).toUpper().unicode()), Qt::ControlModifier);
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
    fw::Deref(TopLevel(className), ("the user cannot see the window " + className).c_str()).close();
}

std::string ViewUser::Text(const std::string& name) const
{
    if (!Get(name).Shown())
        return SimUser::Text(name);
    // A QLabel's or a QLineEdit's.
    QVariant text = ShownWidget("Cadenzo", name).property("text");
    if (!text.isValid())
        throw std::runtime_error(name + " shows no text");
    return fwqt::ToUtf8(text.toString());
}
