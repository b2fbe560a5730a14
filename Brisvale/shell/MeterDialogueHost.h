#pragma once
#include <QString>
class QWidget;
class RenewProcess;
class DataElementProcess;

// What the meter dialogue needs of the main window.
class MeterDialogueHost {
public:
    virtual ~MeterDialogueHost() = default;
    // The window the dialogue's sheets are shown on.
    virtual QWidget* sheetAnchor() = 0;
    // The window's hub whose one observer is the visible page (`condition`).
    virtual RenewProcess& condition() = 0;
    // The window's hub whose one observer is the Data page (`dataCondition`).
    virtual DataElementProcess& dataCondition() = 0;
    // True while the profile or the settings page reports unsaved changes (or no usable user):
    // `CurrentlyStatus || CurrentlySettingsStatus`.
    virtual bool pagesHoldUnsavedChanges() const = 0;
    // Enables or disables the sync button and sets its image ("button_Sync_yes" / "button_Sync_no").
    virtual void setSyncButton(bool enabled, const QString& imageName) = 0;
};
