#pragma once

#include "window.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

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
    void samples();

    // Notes tab (calculators/notes.cpp).
    void noteshz_Open();
    void diapason_TextChange();
    void diapason_LostFocus();
    bool noteshz_CellClick(int row, int column, int x, int y);
    bool noteshz_KeyDown(const std::string& key);
    bool noteshz_CellBackgroundPaint(fw::Graphics& g, int row, int column);
    void notes();

    // SMPTE tab (calculators/smpte.cpp).
    void smpte();

    // Tab switching, keys, banner links and menu handlers (mainwindow/).

    void _CreateControls0();
    void _CreateControls1();
    void _CreateControls2();
};

// The single main window, created on first use.
class Cadenzo& Cadenzo();
