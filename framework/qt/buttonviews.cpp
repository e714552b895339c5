// Views of the controls the user chooses with: buttons, pop-up menus, tabs.

#include "controlview.h"
#include "controlviews.h"
#include "convert.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace fwqt {

namespace {

// Push and bevel buttons: the core hears the press, and a push button's
// release; Qt only animates them.
class ButtonView final : public ControlView {
public:
    ButtonView(WindowView& window, fw::Control& control, QWidget* content, bool bevel)
        : ControlView(window, control, new QPushButton(content)), m_bevel(bevel)
    {
    }

protected:
    void SyncDetails() override
    {
        auto& button = static_cast<QPushButton&>(*Widget());
        QString caption;
        if (m_bevel) {
            caption = Caption(static_cast<const fw::BevelButton&>(*Control()).Caption());
        } else {
            const auto& push = static_cast<const fw::PushButton&>(*Control());
            caption = Caption(push.Caption());
            button.setDefault(push.IsDefault());
        }
        if (button.text() != caption)
            button.setText(caption);
    }

    bool WidgetEvent(QObject* /*watched*/, QEvent* event) override
    {
        QEvent::Type type = event->type();
        bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
        bool release = type == QEvent::MouseButtonRelease && !m_bevel;
        if (!press && !release)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        fw::Control* control = Control();
        QPoint at = mouse->position().toPoint();
        if (press)
            FromUser([control, at] { control->MouseDown(at.x(), at.y()); });
        else
            FromUser([control, at] { static_cast<fw::PushButton*>(control)->MouseUp(at.x(), at.y()); });
        return false;
    }

private:
    bool m_bevel;
};

// The core keeps the group: Qt's own exclusivity stays off.
class RadioButtonView final : public ControlView {
public:
    RadioButtonView(WindowView& window, fw::RadioButton& control, QWidget* content)
        : ControlView(window, control, new QRadioButton(content))
    {
        Radio().setAutoExclusive(false);
        connect(&Radio(), &QRadioButton::clicked, this, [this] {
            fw::Control* control = Control();
            FromUser([control] { control->MouseDown(0, 0); });
        });
    }

protected:
    void SyncDetails() override
    {
        const auto& radio = static_cast<const fw::RadioButton&>(*Control());
        QString caption = Caption(radio.Caption());
        if (Radio().text() != caption)
            Radio().setText(caption);
        Radio().setChecked(radio.Value());
    }

private:
    QRadioButton& Radio() const { return static_cast<QRadioButton&>(*Widget()); }
};

class PopupMenuView final : public ControlView {
public:
    PopupMenuView(WindowView& window, fw::PopupMenu& control, QWidget* content)
        : ControlView(window, control, new QComboBox(content))
    {
        FollowPalette();
        connect(&Combo(), &QComboBox::activated, this, [this](int index) {
            auto* popup = static_cast<fw::PopupMenu*>(Control());
            FromUser([popup, index] { popup->SetListIndex(index); });
        });
    }

protected:
    void SyncDetails() override
    {
        const auto& popup = static_cast<const fw::PopupMenu&>(*Control());
        QComboBox& combo = Combo();
        QStringList items;
        for (const std::string& item : popup.Items())
            items << ToQString(item);
        bool same = combo.count() == items.size();
        for (int i = 0; same && i < combo.count(); ++i)
            same = combo.itemText(i) == items[i];
        if (!same) {
            combo.clear();
            combo.addItems(items);
        }
        combo.setCurrentIndex(popup.ListIndex());
    }

    bool WidgetEvent(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange)
            FollowPalette();
        return false;
    }

private:
    QComboBox& Combo() const { return static_cast<QComboBox&>(*Widget()); }

    // The list is a window of its own, which styles that draw it as a menu
    // give the desktop scheme's menu colours. It takes the pop-up's, the
    // window's, as its own: every role set, so none is taken from the menu.
    void FollowPalette()
    {
        QPalette own = Combo().palette();
        own.setResolveMask(~QPalette::ResolveMask(0));
        Combo().view()->setPalette(own);
    }
};

// Tabs too wide together for the panel give up padding, never text: they
// neither scroll nor elide.
class SharedTabBar final : public QTabBar {
public:
    explicit SharedTabBar(QWidget* parent) : QTabBar(parent)
    {
        setUsesScrollButtons(false);
        setElideMode(Qt::ElideNone);
    }

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        const Totals& totals = TotalsNow();
        int room = parentWidget() != nullptr ? parentWidget()->width() : width();
        if (totals.natural <= room || totals.padding <= 0)
            return size;
        int excess = std::min(totals.natural - room, totals.padding);
        int own = size.width() - totals.textWidths[static_cast<std::size_t>(index)];
        size.setWidth(size.width() - (excess * own + totals.padding - 1) / totals.padding);
        return size;
    }

    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            m_totals.reset();
        QTabBar::changeEvent(event);
    }

private:
    // The captions' widths, and every tab's natural width and padding
    // summed; Qt asks for each tab's size twice per layout, so they are
    // measured once per set of captions.
    struct Totals {
        QStringList captions;
        std::vector<int> textWidths;
        int natural = 0;
        int padding = 0;
    };

    const Totals& TotalsNow() const
    {
        QStringList captions;
        for (int i = 0; i < count(); ++i)
            captions << tabText(i);
        if (!m_totals || m_totals->captions != captions) {
            Totals totals;
            totals.captions = captions;
            for (int i = 0; i < count(); ++i) {
                int width = QTabBar::tabSizeHint(i).width();
                int text = fontMetrics().horizontalAdvance(captions[i]);
                totals.textWidths.push_back(text);
                totals.natural += width;
                totals.padding += width - text;
            }
            m_totals = std::move(totals);
        }
        return *m_totals;
    }

    mutable std::optional<Totals> m_totals;
};

class TabWidget final : public QTabWidget {
public:
    explicit TabWidget(QWidget* parent) : QTabWidget(parent) { setTabBar(new SharedTabBar(this)); }
};

// A tab bar over a framed pane; the pages stay empty, since every control
// is a child of the window's content area and shows by its page number.
class TabPanelView final : public ControlView {
public:
    TabPanelView(WindowView& window, fw::TabPanel& control, QWidget* content)
        : ControlView(window, control, new TabWidget(content))
    {
        Tabs().tabBar()->setFocusPolicy(Qt::NoFocus);
        connect(&Tabs(), &QTabWidget::currentChanged, this, [this](int index) {
            if (Mirroring() || index < 0)
                return;
            auto* panel = static_cast<fw::TabPanel*>(Control());
            FromUser([panel, index] { panel->SetValue(index); });
        });
    }

protected:
    void SyncDetails() override
    {
        const auto& panel = static_cast<const fw::TabPanel&>(*Control());
        QTabWidget& tabs = Tabs();
        int count = static_cast<int>(panel.Tabs().size());
        while (tabs.count() > count) {
            QWidget* page = tabs.widget(tabs.count() - 1);
            tabs.removeTab(tabs.count() - 1);
            delete page;
        }
        while (tabs.count() < count)
            tabs.addTab(new QWidget, QString());
        for (int i = 0; i < count; ++i) {
            QString caption = Caption(panel.Tabs()[static_cast<std::size_t>(i)]);
            if (tabs.tabText(i) != caption)
                tabs.setTabText(i, caption);
        }
        if (panel.Value() < count)
            tabs.setCurrentIndex(panel.Value());
    }

private:
    QTabWidget& Tabs() const { return static_cast<QTabWidget&>(*Widget()); }
};

} // namespace

std::unique_ptr<ControlView> NewPushButtonView(WindowView& window, fw::PushButton& control, QWidget* content)
{
    return std::make_unique<ButtonView>(window, control, content, false);
}

std::unique_ptr<ControlView> NewBevelButtonView(WindowView& window, fw::BevelButton& control, QWidget* content)
{
    return std::make_unique<ButtonView>(window, control, content, true);
}

std::unique_ptr<ControlView> NewRadioButtonView(WindowView& window, fw::RadioButton& control, QWidget* content)
{
    return std::make_unique<RadioButtonView>(window, control, content);
}

std::unique_ptr<ControlView> NewPopupMenuView(WindowView& window, fw::PopupMenu& control, QWidget* content)
{
    return std::make_unique<PopupMenuView>(window, control, content);
}

std::unique_ptr<ControlView> NewTabPanelView(WindowView& window, fw::TabPanel& control, QWidget* content)
{
    return std::make_unique<TabPanelView>(window, control, content);
}

} // namespace fwqt
