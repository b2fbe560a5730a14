#pragma once

// Receives, after every change on the profile page, whether the page holds unsaved edits or
// shows no usable user; while that is true the main window keeps the page and refuses meter
// downloads.
class ProfileStatusDelegate {
public:
    virtual ~ProfileStatusDelegate() = default;

    virtual void profileStatusDidChange(bool status) = 0;
};
