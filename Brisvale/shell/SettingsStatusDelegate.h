#pragma once

// Learns whether the settings page holds unsaved choices; while it does, the main window keeps
// the page and refuses meter downloads.
class SettingsStatusDelegate {
public:
    virtual ~SettingsStatusDelegate() = default;

    virtual void settingsStatusDidChange(bool unsaved) = 0;
};
