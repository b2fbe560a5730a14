// A line chart of a few thousand points in a window. With "--shot FILE" it writes the chart to
// a PNG file and quits instead.
#include <ChartEngine/data/ChartDataEntry.h>
#include <ChartEngine/data/LineChartData.h>
#include <ChartEngine/data/LineChartDataSet.h>
#include <ChartEngine/views/LineChartView.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>

#include <cmath>
#include <memory>

namespace {

std::shared_ptr<Charts::LineChartData> wave(int count)
{
    Charts::ChartDataEntryList entries;
    for (int i = 0; i < count; ++i) {
        const double x = i / 100.0;
        entries << std::make_shared<Charts::ChartDataEntry>(x, 400 + 60 * std::sin(x) + 15 * std::sin(7 * x));
    }
    auto dataSet = std::make_shared<Charts::LineChartDataSet>(entries, QStringLiteral("Wave"));
    dataSet->setColor(QColor(0, 61, 165));
    dataSet->setLineWidth(2);
    dataSet->setDrawCirclesEnabled(false);
    dataSet->setDrawValuesEnabled(false);
    return std::make_shared<Charts::LineChartData>(Charts::ChartDataSetList{dataSet});
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption shot(QStringLiteral("shot"), QStringLiteral("Write the chart to FILE and quit."),
                                  QStringLiteral("FILE"));
    parser.addOption(shot);
    parser.process(application);

    Charts::LineChartView view;
    view.setWindowTitle(QStringLiteral("A line chart of 5,000 points"));
    view.setData(wave(5000));
    view.resize(900, 500);

    if (parser.isSet(shot))
        return view.grab().save(parser.value(shot), "PNG") ? 0 : 1;
    view.show();
    return QApplication::exec();
}
