#pragma once

#include "Brisvale/pages/DataMaxValueDelegate.h"
#include "Brisvale/platform/WeakDelegate.h"
#include "Brisvale/records/ConditionObserver.h"
#include "Brisvale/records/PFM.h"

#include <QList>
#include <QWidget>
#include <algorithm>

// What the Data page needs of each of its three child pages (the readings table, the PEF chart
// and the FEV1 chart): a view it can show, a reload when the filter changes (while the child is
// registered on the Data page's hub) or when the child is about to be shown, and the largest
// value of every load, reported to the delegate.
class DataChildPage : public QWidget, public ConditionObserver {
public:
    using QWidget::QWidget;

    // The child is about to be shown: it reloads.
    virtual void willAppear() = 0;

    // The page told the largest value at the end of every load; held weakly.
    template <typename Receiver>
    void setDelegate(Receiver* receiver)
    {
        delegate.set(receiver);
    }

protected:
    // The largest PEF of the readings, uncapped; 0 without readings.
    static qint32 largestPef(const QList<PFMPtr>& readings)
    {
        const auto largest = std::max_element(readings.begin(), readings.end(),
            [](const PFMPtr& a, const PFMPtr& b) { return a->pefValue < b->pefValue; });
        return largest == readings.end() ? 0 : (*largest)->pefValue;
    }

    // Tells the delegate, when one is set, the largest value just loaded.
    void reportMaxValue(const DataMaxValueDelegate::Maximum& value) const
    {
        if (DataMaxValueDelegate* receiver = delegate.get()) {
            receiver->showMaxValue(value);
        }
    }

private:
    WeakDelegate<DataMaxValueDelegate> delegate;
};
