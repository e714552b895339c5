#pragma once

#include "application.h"

// The application object: loads the preferences when it opens and writes
// them when it closes.
class App : public fw::Application {
public:
    void Open() override;
    void Close() override;
    void OpenDocument(const fw::FolderItem& item) override;
    void Save_Pref();
    void Load_Pref();
};

// The framework's application object, as an App.
class App& App();
