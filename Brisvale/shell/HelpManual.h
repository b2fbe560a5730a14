#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// The short user manual shipped with the application (HTML in the program's resources), opened
// in the desktop's browser. The manual is copied out of the program into the application's folder
// first, since a browser reads files, not resources. Where no browser can be started, the main
// window shows the manual in a window of its own. Tests replace the opener: none starts a browser.
namespace HelpManual {

using Opener = std::function<bool(const QUrl& url)>;

// Where the manual is copied to: <application folder>/Help/manual.html.
QString filePath();

// The manual's HTML as the program carries it.
QString text();

// Copies the manual out and hands its address to the opener; false when the copy could not be
// written or the opener failed.
bool open();

// The function that opens an address; an empty one restores the desktop's browser.
void setOpener(Opener opener);

}
