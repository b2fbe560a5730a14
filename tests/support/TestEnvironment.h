#pragma once

#include <QString>

// Points the application's data and configuration folders at a fresh temporary folder, so that
// each test program starts as a new installation and never touches the user's own files.
namespace TestEnvironment {

void isolateUserFolders();

// The temporary root holding the data ("data") and configuration ("config") folders.
QString root();

// Removes everything written under the data and configuration folders.
void clearUserFolders();

}
