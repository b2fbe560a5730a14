#pragma once

#include "ChartEngine/data/ChartDataEntryBase.h"

#include <QList>

namespace Charts {

// An entry with an x value: the element of every data set. There is deliberately no constructor
// from y alone: every entry of a data set has its x.
class ChartDataEntry : public ChartDataEntryBase {
public:
    ChartDataEntry() = default;
    ChartDataEntry(double x, double y);
    ChartDataEntry(double x, double y, const QVariant& data);
    ChartDataEntry(double x, double y, std::shared_ptr<ChartImage> icon);
    ChartDataEntry(double x, double y, std::shared_ptr<ChartImage> icon, const QVariant& data);

    double x() const { return m_x; }
    void setX(double x);

    QString description() const override;

    // Value equality: other is a ChartDataEntry (of any entry class) that is this object or has
    // exactly the same y and x. Attached values and icons are not compared; not-a-number equals
    // only its own object.
    bool isEqual(const ChartDataEntryBase* other) const override;

    // A new entry of this entry's own class holding x, y and the same attached value; the icon is
    // not carried over.
    std::shared_ptr<ChartDataEntry> copy() const;

    // A new entry of this entry's own class with its initial values. Every entry class answers it.
    virtual std::shared_ptr<ChartDataEntry> makeEmpty() const;

protected:
    // Each class copies its own stored values onto target (made by makeEmpty), after its base.
    virtual void copyTo(ChartDataEntry& target) const;

private:
    double m_x = 0.0;
};

using ChartDataEntryList = QList<std::shared_ptr<ChartDataEntry>>;

}
