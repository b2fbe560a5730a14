#pragma once

#include <QRectF>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

namespace Charts {

class ChartData;
class ChartDataEntry;
class ChartDataSetProtocol;
class ChartViewBase;
class NSUIAccessibilityElement;
class ViewPortHandler;

// Whether the default text of a point names its data set: when the data of the point's kind
// holds two sets or more, and always when the view shows that data inside other data (a
// combined chart), so that a reader stepping across kinds hears which set a point belongs to.
bool pointTextNamesDataSet(const ChartViewBase& view, const ChartData& kindData);

// Where the points of one data set come from, for their elements.
struct PointSource {
    ChartViewBase& view;
    // The data of the points' kind (the view's data, or one kind of a combined chart's).
    const ChartData& kindData;
    const ChartDataSetProtocol& dataSet;
    // The set's index in the kind's data, which its value formatter is given.
    qint64 kindSetIndex = -1;
    // The set's index among the view's data sets, which the element names.
    qint64 viewSetIndex = -1;
    const ViewPortHandler* viewPortHandler = nullptr;
};

// The source of a set's points in `view`, or none without a view or kind data; the set's index
// among the view's data sets is found by identity (-1 when the view's data does not hold it).
std::optional<PointSource> pointSourceOf(ChartViewBase* view, const ChartData* kindData,
                                         const ChartDataSetProtocol& dataSet, qint64 kindSetIndex,
                                         const ViewPortHandler* viewPortHandler);

// An x value as the view's x axis writes it (its value formatter), so that a reader hears what
// the axis shows.
QString pointXText(const ChartViewBase& view, double x);

// A value of the entry as the set's value formatter writes it (given the set's index in the
// kind's data and the handler); an empty text without a formatter.
QString pointValueText(const PointSource& source, double value, const ChartDataEntry* entry);

// The default text of a point: "<set label>, " when the set is named (pointTextNamesDataSet),
// then " <x>: <y>", x as pointXText and y as pointValueText write them.
QString pointText(const PointSource& source, const ChartDataEntry& entry);

// The view's element of entry j of the set, labelled with pointText and `suffix`, framed by `frame` (in
// the view's coordinates); an entry the set does not hold leaves the element as it was.
std::shared_ptr<NSUIAccessibilityElement> makePointElement(const PointSource& source, qint64 j, const QRectF& frame,
                                                           const QString& suffix = QString());

}
