#pragma once

#include "Brisvale/platform/WeakDelegate.h"
#include "Brisvale/shell/RegionDelegate.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

// The first-run page on which the user chooses the region whose defaults every new profile
// gets. The choice goes to the delegate (the main window), which stores it.
class RegionController : public QWidget {
    Q_OBJECT

public:
    explicit RegionController(QWidget* parent = nullptr);

    template <typename Receiver>
    void setDelegate(Receiver* receiver)
    {
        delegate.set(receiver);
    }

    // The confirm button: hands the chosen region to the delegate; nothing without a choice.
    void confirm();

    QComboBox* regionPopUp = nullptr;
    QLabel* PageTitle_Lab = nullptr;
    QPushButton* Confirm_Btn = nullptr;

private:
    WeakDelegate<RegionDelegate> delegate;
};
