#pragma once

// The views of the framework's control classes (internal to the Qt view).

#include "control.h"

#include <memory>

class QWidget;

namespace fwqt {

class ControlView;
class WindowView;

std::unique_ptr<ControlView> NewStaticTextView(WindowView& window, fw::StaticText& control, QWidget* content);
std::unique_ptr<ControlView> NewEditFieldView(WindowView& window, fw::EditField& control, QWidget* content);
std::unique_ptr<ControlView> NewGroupBoxView(WindowView& window, fw::GroupBox& control, QWidget* content);
std::unique_ptr<ControlView> NewCanvasView(WindowView& window, fw::Canvas& control, QWidget* content);
std::unique_ptr<ControlView> NewRectangleView(WindowView& window, fw::Rectangle& control, QWidget* content);
std::unique_ptr<ControlView> NewSeparatorView(WindowView& window, fw::Separator& control, QWidget* content);
std::unique_ptr<ControlView> NewPopupMenuView(WindowView& window, fw::PopupMenu& control, QWidget* content);
std::unique_ptr<ControlView> NewRadioButtonView(WindowView& window, fw::RadioButton& control, QWidget* content);
std::unique_ptr<ControlView> NewBevelButtonView(WindowView& window, fw::BevelButton& control, QWidget* content);
std::unique_ptr<ControlView> NewPushButtonView(WindowView& window, fw::PushButton& control, QWidget* content);
std::unique_ptr<ControlView> NewTabPanelView(WindowView& window, fw::TabPanel& control, QWidget* content);
std::unique_ptr<ControlView> NewListboxView(WindowView& window, fw::Listbox& control, QWidget* content);

} // namespace fwqt
