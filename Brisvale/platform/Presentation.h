#pragma once

#include "Brisvale/platform/Alert.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// One alert, sheet or file panel as the presenter put it before the user.
struct Presentation {
    enum class Kind {
        alert,       // application-modal: blocks until answered
        sheet,       // window-modal, answered through its completion
        folderPanel, // chooses a folder
        filePanel,   // chooses one file of a type
    };

    Kind kind = Kind::alert;
    Alert alert;              // alerts and sheets: message, symbol and the button titles shown
    QPointer<QWidget> window; // the window a sheet is on, or a panel's parent window
    QString title;            // panels: the title
    QString fileType;         // file panels: the one extension allowed, such as "bak"
};
