// The Data page's table and PEF tabs for one user with years of readings: the reload that a
// filter change starts (the child's condition-change handler, from call to return) plus one render
// of the page into a 1000 x 700 image, as the screen would show it next. Window "ALL", "All day".
#include "Brisvale/pages/DataController.h"
#include "Brisvale/pages/PEFController.h"
#include "Brisvale/pages/TableController.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/RenewProcess.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/ViewContext.h"

#include "BrisvaleBenchSupport.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLocale>
#include <benchmark/benchmark.h>

#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/views/LineChartView.h"

namespace {

// A fresh store holding one current user with `count` readings, two a day (08:00 and 20:00)
// from 1 January 2016 on; reopened so that every object comes from the file.
void storeUserWithReadings(int count)
{
    closeViewContext();
    QDir(StoreFile::folderPath()).removeRecursively();
    StoreContext& context = viewContext();
    ProfilePtr profile = context.insertProfile();
    profile->email = QStringLiteral("bench@brisvale");
    const QDateTime start(QDate(2016, 1, 1), QTime(8, 0));
    for (int i = 0; i < count; ++i) {
        PFMPtr reading = context.insertReading(profile);
        reading->pefValue = 300 + i % 300;
        reading->fev1Value = 2.0f + float(i % 200) / 100.0f;
        reading->measureDate = Timestamp::fromDateTime(start.addDays(i / 2).addSecs(i % 2 * 12 * 3600));
        if (i % 10 == 0) {
            reading->note = QStringLiteral("after exercise");
        }
    }
    if (!context.save()) {
        qFatal("save failed");
    }
    closeViewContext();
    RenewProcess::renewDateLimits(false, viewContext().fetchProfile(QStringLiteral("bench@brisvale")).value());
}

// The page on the tab, shown at 1000 x 700; each iteration runs `reload` and renders the page,
// then `check` says whether the child holds every reading.
template <typename Reload, typename Check>
void reloadAndRender(benchmark::State& state, int tab, Reload reload, Check check)
{
    const int count = int(state.range(0));
    storeUserWithReadings(count);
    DataController page;
    page.resize(1000, 700);
    page.show();
    page.willAppear();
    page.SwitchPageHandler(tab);
    QImage image(1000, 700, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        reload(page);
        page.render(&image);
        if (!check(page, count)) {
            state.SkipWithError("wrong readings");
        }
    }
}

void tableReloadAndRender(benchmark::State& state)
{
    reloadAndRender(
        state, DataController::TABLE_TABTAG, [](DataController& page) { page.tableView->onConditionChange(); },
        [](DataController& page, int count) { return page.tableView->pfmList().size() == count; });
}

void pefReloadAndRender(benchmark::State& state)
{
    reloadAndRender(
        state, DataController::PEF_TABTAG, [](DataController& page) { page.pefView->onConditionChange(); },
        [](DataController& page, int count) {
            const auto data = page.pefView->chartView->data();
            return data && data->entryCount() == count;
        });
}

}

BENCHMARK(tableReloadAndRender)->Arg(7300)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(pefReloadAndRender)->Arg(7300)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const BrisvaleBench::BenchHome home;
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    Console::setCapture([](const QString&) {});
    BrisvaleBench::runBenchmarks(argc, argv);
}
