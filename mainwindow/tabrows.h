#pragma once

// The rows of the main window's controls: each tab's in its own unit under
// calculators/, the tab panel, help boxes and banner in mainwindow/.

#include "controlrow.h"

#include <span>
#include <vector>

const std::vector<ControlRow>& TempoRows();
const std::vector<ControlRow>& TransposeRows();
const std::vector<ControlRow>& DelayRows();
const std::vector<ControlRow>& TapRows();
const std::vector<ControlRow>& SamplesRows();
const std::vector<ControlRow>& NotesRows();
const std::vector<ControlRow>& SMPTERows();
// TabPanel1, the seven help boxes and the banner.
const std::vector<ControlRow>& WindowRows();

std::vector<const std::vector<ControlRow>*> AllControlRows();

// The 115 control names in the order the window creates them.
std::span<const char* const> CreationOrder();
