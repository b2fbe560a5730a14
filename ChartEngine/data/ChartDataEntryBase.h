#pragma once

#include <QString>
#include <QVariant>

#include <memory>

namespace Charts {

class ChartImage;

// One value point of a chart: its y value, an optional value of the caller's own and an optional
// icon. Entries are shared objects (std::shared_ptr): the same entry may sit in several data sets.
// An entry knows nothing of the data sets holding it; changing its values updates no bounds.
class ChartDataEntryBase {
public:
    ChartDataEntryBase() = default;
    explicit ChartDataEntryBase(double y);
    ChartDataEntryBase(double y, const QVariant& data);
    ChartDataEntryBase(double y, std::shared_ptr<ChartImage> icon);
    ChartDataEntryBase(double y, std::shared_ptr<ChartImage> icon, const QVariant& data);
    virtual ~ChartDataEntryBase() = default;

    ChartDataEntryBase(const ChartDataEntryBase&) = delete;
    ChartDataEntryBase& operator=(const ChartDataEntryBase&) = delete;

    double y() const { return m_y; }
    virtual void setY(double y);

    // The caller's attached value; invalid when none.
    const QVariant& data() const { return m_data; }
    void setData(const QVariant& data);

    const std::shared_ptr<ChartImage>& icon() const { return m_icon; }
    void setIcon(std::shared_ptr<ChartImage> icon);

    virtual QString description() const;

    // Value equality: other is an entry (of any entry class) that is this object or has exactly
    // the same y. Attached values and icons are not compared.
    virtual bool isEqual(const ChartDataEntryBase* other) const;

protected:
    // Stores y without the subclasses' rule; for constructors and copies.
    void storeY(double y) { m_y = y; }

private:
    double m_y = 0.0;
    QVariant m_data;
    std::shared_ptr<ChartImage> m_icon;
};

}
