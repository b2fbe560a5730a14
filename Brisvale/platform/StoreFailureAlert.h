#pragma once

#include <QString>

class QWidget;

// The one alert that tells the user a save to the store failed: the changes were not saved. Every
// page, sheet and the meter download show it when a save fails, as the window's Save action does.
// A save refused because another program replaced or removed the store's file while it was open
// (storeReplaced, the error's fileReplaced) is told in words of its own: the store was not changed.
namespace StoreFailureAlert {

// Shows the alert application-modally, with the store's own words (the error's text) below the
// message, and returns when the user has read it.
void show(const QString& errorText, bool storeReplaced);

// The same alert as a sheet on the anchor's window, for a failure that comes while the user is
// typing or answering a sheet of that window: it waits in line and does not block.
void beginSheet(QWidget* anchor, const QString& errorText, bool storeReplaced);

}
