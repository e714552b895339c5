#pragma once

// The rows of the main window's controls: each tab's in its own unit under
// calculators/, the tab panel, help boxes and banner in mainwindow/.

#include "cadenzo.h"
#include "controlrow.h"

#include <span>
#include <string>
#include <vector>

struct Box {
    int left;
    int top;
    int width;
    int height;
};

// Every tab's labels and fields are Geneva 10 on their page of TabPanel1;
// these carry that face, so no row can forget it.
ControlRow TabLabel(const char* name, int page, Box box, std::string text = {});
ControlRow TabLabel(const char* name, int page, Box box, std::string (*strings)());
// A label that shows a result, right-aligned under the field above it.
ControlRow TabResult(const char* name, int page, Box box, std::string text = {});
ControlRow TabField(const char* name, int page, Box box, std::string text = {});
ControlRow TabSeparator(const char* name, int page, Box box);

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
