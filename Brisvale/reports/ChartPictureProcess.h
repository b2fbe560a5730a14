#pragma once

#include "Brisvale/records/ConditionReturnInfo.h"
#include "Brisvale/records/PeakFlowMath.h"
#include "Brisvale/reports/ChartPictureMaker.h"

#include "ChartEngine/data/ChartDataEntry.h"

#include <QDateTime>
#include <QStringList>
#include <memory>

class QImage;
class QWidget;

namespace Charts {
class LineChartView;
}

// The report's chart pictures: one line chart per calendar half-year that holds readings, drawn
// off screen and written as "<k>.png" into the kind's work folder. Only the half-years that hold
// readings are visited, so the work grows with the readings, not with the years between them.
// One chart view, made with its frame and never shown, serves every block of both passes (PEF
// first, then FEV1): each block clears it, sets its own data and applies the look again, so what
// a block does not set (the PEF zone bands during the FEV1 pass) stays as the last block left it.
class ChartPictureProcess : public ChartPictureMaker {
public:
    // One calendar half-year: from local midnight of 1 January or 1 July up to, not including,
    // the same instant six months later.
    struct HalfYear {
        QDateTime start;
        QDateTime end;
    };

    explicit ChartPictureProcess(ConditionReturnInfo info);
    ~ChartPictureProcess() override;
    ChartPictureProcess(const ChartPictureProcess&) = delete;
    ChartPictureProcess& operator=(const ChartPictureProcess&) = delete;

    // One picture per half-year block that holds readings, numbered from 0 without gaps: a
    // picture that cannot be written gives its number to the next. BAK2JSON draws nothing, and
    // a reading without a measure date has no place in any block.
    int makeChartPictures(const QUrl& folder, FolderProcess::FolderKind kind) override;
    bool hadFailedWrite() const override { return failedWrite; }

    // The look every picture shares.
    virtual void styleChart();
    // PEF axes 50 … 900, with the three zone bands of the best value and the profile's plan when
    // the best value is above 50.
    virtual void stylePEFAxes(double bestValue, PeakFlowMath::ZonePlan plan);
    // FEV1 axes 0 … 9.99; the zone settings are left as they are.
    virtual void styleFEV1Axes();
    // One x-axis label per calendar day from `from` up to `to`, in the profile's date pattern.
    virtual QStringList makeDayLabels(const QDateTime& from, const QDateTime& to);

    // The block that holds the moment, in local time.
    static HalfYear halfYearOf(const QDateTime& moment);

    // How many blocks from the one holding `first` reach past `last`, as the console is told:
    // M / 6 + 2, M the whole calendar months from `first` to `last` (the days left over do not
    // count). Some of them may hold no reading.
    static int blockCount(const QDateTime& first, const QDateTime& last);

    // The readings as the export queried them.
    const ConditionReturnInfo DataInfo;

protected:
    // Encodes the picture as PNG and writes it whole to the path; false, with the reason
    // printed, when it cannot.
    virtual bool writePicture(const QImage& picture, const QString& path);

private:
    struct DatedReading {
        double seconds; // the measure date as stored
        PFMPtr reading;
    };

    QList<DatedReading> datedReadings() const;
    static Charts::ChartDataEntryList blockEntries(const QList<DatedReading>& readings, const HalfYear& block,
                                                   FolderProcess::FolderKind kind);
    bool drawBlock(const QList<DatedReading>& readings, const HalfYear& block, FolderProcess::FolderKind kind,
                   int firstYear);
    void setBlockData(const Charts::ChartDataEntryList& entries, const QStringList& labels);
    bool takePicture(const QString& path);

    // A plain parent of the chart, never shown.
    const std::unique_ptr<QWidget> view;
    Charts::LineChartView* const chartView;
    bool failedWrite = false;
};
