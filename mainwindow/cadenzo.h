#pragma once

#include "window.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

enum class Link;

// The main window: seven tabs of calculators. Its calculators and their
// handlers live in calculators/, one unit per tab; its layout, tab switching
// and window events in mainwindow/.
class Cadenzo : public fw::Window {
public:
    Cadenzo();
    ~Cadenzo() override;

    // Tap time stamps in ticks, the newest at index 32; 0 marks an empty place.
    std::unique_ptr<std::array<std::int32_t, 33>> taptimer;
    // True exactly while the Tap tab is the prepared tab: the space bar taps.
    bool tapactived = false;
    // The tempo carried from tab to tab, in beats per minute; 0 for none.
    double tempoglobal = 0.0;
    // Samples field with the focus: 1 tempo5, 2 loopl, 3 loopms, 0 none.
    std::int32_t curseursample = 0;
    // Samples field that drives the conversion, numbered as curseursample.
    std::int32_t curseurentry = 0;
    // The previous tap-tempo reading, as a whole number.
    std::int32_t tempstable = 0;
    // Tap-tempo readings in a row within 2 beats per minute of the previous.
    std::int32_t countstable = 0;
    // Delay field in charge: 0 tempo3, N the cell noteN.
    std::int32_t curseurdelay = 0;

    // Window events.
    void Layout() override;
    void CreateControls() override;
    void Open() override;
    void Close() override;

    // Tempo and Transpose tabs.
    void tempo1_TextChange();
    void tempo2_TextChange();
    void transpose2_TextChange();
    void tempo();
    void transpose();

    // Delay tab (calculators/delay.cpp).
    void tempo3_TextChange();
    void tempo3_GotFocus();
    void tempo3_LostFocus();
    // note1_TextChange … note18_TextChange, told the cell's number.
    void noteN_TextChange(std::int32_t n);
    // note1_GotFocus … note18_GotFocus, told the cell's number.
    void noteN_GotFocus(std::int32_t n);
    void buttonms_Action();
    void buttonhz_Action();
    // what: 0 the tempo changed, N cell noteN changed, 100 the unit changed.
    void delay(std::int32_t what);

    // Tap tab (calculators/tap.cpp).
    void TapButton_Action();
    bool TapCopy_MouseDown(int x, int y);
    void taptempo();

    // Samples tab (calculators/samples.cpp).
    void srate_LostFocus();
    void srate_TextChange();
    void beats_LostFocus();
    void beats_TextChange();
    void tempo5_GotFocus();
    void tempo5_LostFocus();
    void tempo5_TextChange();
    void loopl_GotFocus();
    void loopl_LostFocus();
    void loopl_TextChange();
    void loopms_GotFocus();
    void loopms_LostFocus();
    void loopms_TextChange();
    void samples();
    // How many runs of samples() are nested in one another right now.
    int samplesdepth = 0;

    // Notes tab (calculators/notes.cpp).
    void noteshz_Open();
    void diapason_TextChange();
    void diapason_LostFocus();
    bool noteshz_CellClick(int row, int column, int x, int y);
    bool noteshz_KeyDown(const std::string& key);
    bool noteshz_CellBackgroundPaint(fw::Graphics& g, int row, int column);
    void notes();

    // SMPTE tab (calculators/smpte.cpp).
    void SMPTEformat_Change();
    void operateur_Change();
    // The eight code fields' TextChange and LostFocus: H1_TextChange …
    // F2_TextChange, and H1_LostFocus … F2_LostFocus told the field's name.
    void SMPTEcode_TextChange();
    void SMPTEcode_LostFocus(const char* name);
    void smpte();

    // Tab switching, keys, banner links and menu handlers (mainwindow/).
    void TabPanel1_Change();
    bool KeyDown(const std::string& key) override;

    // The banner's links (mainwindow/banner.cpp).
    // contactbut_MouseDown, contactbuttxt_MouseDown, webbut_MouseDown,
    // webbuttxt_MouseDown, aproposbut_MouseDown, aboutbuttxt_MouseDown:
    // the link of the pair, the About window for About.
    bool link_MouseDown(Link link);
    // contactbut_MouseEnter, contactbuttxt_MouseEnter, webbut_MouseEnter,
    // webbuttxt_MouseEnter, aproposbut_MouseEnter, aboutbuttxt_MouseEnter:
    // the pair's caption turns blue.
    void link_MouseEnter(Link link);
    // contactbut_MouseExit, contactbuttxt_MouseExit, webbut_MouseExit,
    // webbuttxt_MouseExit, aproposbut_MouseExit, aboutbuttxt_MouseExit:
    // the pair's caption turns black.
    void link_MouseExit(Link link);

    // The items of the window's menu bar, by name; nullptr for a name it
    // lacks (UntitledMenu3).
    fw::MenuItem* UntitledMenu0() const;
    fw::AppleMenuItem* FileAbout() const;
    fw::MenuItem* EditSelectAll() const;
    fw::MenuItem* EditClear() const;
    fw::MenuItem* EditPaste() const;
    fw::MenuItem* EditCopy() const;
    fw::MenuItem* EditCut() const;
    fw::MenuItem* UntitledMenu1() const;
    fw::QuitMenuItem* FileQuit() const;
    fw::MenuItem* UntitledMenu2() const;
    fw::MenuItem* FileClose() const;
    fw::MenuItem* UntitledMenu3() const;

    void AddMenuHandlers(fw::Window& window) override;
    void EnableMenuItems() override;
    bool _FileAbout_Action();
    bool _FileClose_Action();

    void _CreateControls0();
    void _CreateControls1();
    void _CreateControls2();
};

// The single main window, created on first use.
class Cadenzo& Cadenzo();
