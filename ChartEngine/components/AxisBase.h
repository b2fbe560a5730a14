#pragma once

#include "ChartEngine/components/ComponentBase.h"
#include "ChartEngine/components/ZoneBand.h"
#include "ChartEngine/foundation/ChartColors.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

namespace Charts {

class AxisValueFormatter;
class ChartLimitLine;

// The model shared by every axis: label and line styles, what is drawn and in which layer, the
// limit lines and zone bands, the settings of the label computation and its results (written by
// the axis renderers), the label formatter, and the axis range. No drawing code.
//
// Lists are copied in and out; limit lines are shared with the caller.
class AxisBase : public ComponentBase {
public:
    AxisBase() = default;

    virtual QFont labelFont() const { return m_labelFont; }
    virtual void setLabelFont(const QFont& font) { m_labelFont = font; }
    virtual QColor labelTextColor() const { return m_labelTextColor; }
    virtual void setLabelTextColor(const QColor& color) { m_labelTextColor = color; }

    virtual QColor axisLineColor() const { return m_axisLineColor; }
    virtual void setAxisLineColor(const QColor& color) { m_axisLineColor = color; }
    virtual double axisLineWidth() const { return m_axisLineWidth; }
    virtual void setAxisLineWidth(double width) { m_axisLineWidth = width; }
    virtual double axisLineDashPhase() const { return m_axisLineDashPhase; }
    virtual void setAxisLineDashPhase(double phase) { m_axisLineDashPhase = phase; }
    virtual std::optional<QList<double>> axisLineDashLengths() const { return m_axisLineDashLengths; }
    virtual void setAxisLineDashLengths(std::optional<QList<double>> lengths)
    {
        m_axisLineDashLengths = std::move(lengths);
    }

    virtual QColor gridColor() const { return m_gridColor; }
    virtual void setGridColor(const QColor& color) { m_gridColor = color; }
    virtual double gridLineWidth() const { return m_gridLineWidth; }
    virtual void setGridLineWidth(double width) { m_gridLineWidth = width; }
    virtual double gridLineDashPhase() const { return m_gridLineDashPhase; }
    virtual void setGridLineDashPhase(double phase) { m_gridLineDashPhase = phase; }
    virtual std::optional<QList<double>> gridLineDashLengths() const { return m_gridLineDashLengths; }
    virtual void setGridLineDashLengths(std::optional<QList<double>> lengths)
    {
        m_gridLineDashLengths = std::move(lengths);
    }
    virtual Qt::PenCapStyle gridLineCap() const { return m_gridLineCap; }
    virtual void setGridLineCap(Qt::PenCapStyle cap) { m_gridLineCap = cap; }

    virtual bool drawGridLinesEnabled() const { return m_drawGridLinesEnabled; }
    virtual void setDrawGridLinesEnabled(bool enabled) { m_drawGridLinesEnabled = enabled; }
    // The zone bands of backgroundLimit are filled right after the y axis's grid lines.
    virtual bool drawGridLinesBackgroungEnabled() const { return m_drawGridLinesBackgroungEnabled; }
    virtual void setDrawGridLinesBackgroungEnabled(bool enabled)
    {
        m_drawGridLinesBackgroungEnabled = enabled;
    }
    virtual bool drawAxisLineEnabled() const { return m_drawAxisLineEnabled; }
    virtual void setDrawAxisLineEnabled(bool enabled) { m_drawAxisLineEnabled = enabled; }
    virtual bool drawLabelsEnabled() const { return m_drawLabelsEnabled; }
    virtual void setDrawLabelsEnabled(bool enabled) { m_drawLabelsEnabled = enabled; }
    // True only while the switch is on and the axis holds label values.
    virtual bool centerAxisLabelsEnabled() const;
    virtual void setCenterAxisLabelsEnabled(bool enabled) { m_centerAxisLabelsEnabled = enabled; }
    virtual bool isCenterAxisLabelsEnabled() const { return centerAxisLabelsEnabled(); }
    virtual bool drawLimitLinesBehindDataEnabled() const { return m_drawLimitLinesBehindDataEnabled; }
    virtual void setDrawLimitLinesBehindDataEnabled(bool enabled)
    {
        m_drawLimitLinesBehindDataEnabled = enabled;
    }
    virtual bool drawGridLinesBehindDataEnabled() const { return m_drawGridLinesBehindDataEnabled; }
    virtual void setDrawGridLinesBehindDataEnabled(bool enabled)
    {
        m_drawGridLinesBehindDataEnabled = enabled;
    }
    virtual bool gridAntialiasEnabled() const { return m_gridAntialiasEnabled; }
    virtual void setGridAntialiasEnabled(bool enabled) { m_gridAntialiasEnabled = enabled; }

    virtual bool isDrawGridLinesEnabled() const { return drawGridLinesEnabled(); }
    virtual bool isDrawAxisLineEnabled() const { return drawAxisLineEnabled(); }
    virtual bool isDrawLabelsEnabled() const { return drawLabelsEnabled(); }
    virtual bool isDrawLimitLinesBehindDataEnabled() const { return drawLimitLinesBehindDataEnabled(); }
    virtual bool isDrawGridLinesBehindDataEnabled() const { return drawGridLinesBehindDataEnabled(); }

    // Stored as given, in list order; only the y axis renderer reads them.
    virtual QList<ZoneBand> backgroundLimit() const { return m_backgroundLimit; }
    virtual void setBackgroundLimit(QList<ZoneBand> bands) { m_backgroundLimit = std::move(bands); }

    // The label values and their centred positions, written by the axis renderers.
    virtual QList<double> entries() const { return m_entries; }
    virtual void setEntries(QList<double> entries) { m_entries = std::move(entries); }
    virtual QList<double> centeredEntries() const { return m_centeredEntries; }
    virtual void setCenteredEntries(QList<double> entries) { m_centeredEntries = std::move(entries); }
    virtual qint64 entryCount() const { return m_entries.size(); }
    // Fraction digits of the default formatter, from the last label interval.
    virtual int decimals() const { return m_decimals; }
    virtual void setDecimals(int decimals) { m_decimals = decimals; }

    virtual bool granularityEnabled() const { return m_granularityEnabled; }
    virtual void setGranularityEnabled(bool enabled) { m_granularityEnabled = enabled; }
    virtual bool isGranularityEnabled() const { return granularityEnabled(); }
    virtual double granularity() const { return m_granularity; }
    // Stores the smallest label interval and turns granularity on.
    virtual void setGranularity(double granularity);
    virtual bool forceLabelsEnabled() const { return m_forceLabelsEnabled; }
    virtual void setForceLabelsEnabled(bool enabled) { m_forceLabelsEnabled = enabled; }
    virtual bool isForceLabelsEnabled() const { return forceLabelsEnabled(); }

    // The label text of entries()[index]; empty outside the entries.
    virtual QString getFormattedLabel(qint64 index);
    // The label with the most user-perceived characters; the first of equals; empty without
    // entries.
    virtual QString getLongestLabel();
    // Made on first read with the axis's decimals. A default formatter with automatic decimals
    // takes the axis's decimals on every read; any other formatter comes back as it is.
    virtual std::shared_ptr<AxisValueFormatter> valueFormatter();
    // None installs a fresh default formatter.
    virtual void setValueFormatter(std::shared_ptr<AxisValueFormatter> formatter);

    // Space below the data minimum and above the maximum, in axis units (x axis only).
    virtual double spaceMin() const { return m_spaceMin; }
    virtual void setSpaceMin(double space) { m_spaceMin = space; }
    virtual double spaceMax() const { return m_spaceMax; }
    virtual void setSpaceMax(double space) { m_spaceMax = space; }
    virtual double axisRange() const { return m_axisRange; }
    virtual void setAxisRange(double range) { m_axisRange = range; }

    // The most labels an axis makes, whatever its bounds: more than a view can show apart, and a
    // million of them took seconds to draw.
    static constexpr qint64 labelCountCeiling = 1000;

    // Bounds of labelCount, each held to labelCountCeiling; a bound of 0 or less is ignored.
    // Neither bound is compared with the other here.
    virtual qint64 axisMinLabels() const { return m_axisMinLabels; }
    virtual void setAxisMinLabels(qint64 count);
    virtual qint64 axisMaxLabels() const { return m_axisMaxLabels; }
    virtual void setAxisMaxLabels(qint64 count);
    virtual qint64 labelCount() const { return m_labelCount; }
    // Clamped to the bounds, a minimum above the maximum giving way to it, and never above
    // labelCountCeiling; turns forced labels off.
    virtual void setLabelCount(qint64 count);
    // The clamped count, then the forced-labels switch.
    virtual void setLabelCount(qint64 count, bool force);

    // A line may be added more than once; removing takes out its first occurrence only.
    virtual void addLimitLine(std::shared_ptr<ChartLimitLine> line);
    virtual void removeLimitLine(const std::shared_ptr<ChartLimitLine>& line);
    virtual void removeAllLimitLines();
    virtual QList<std::shared_ptr<ChartLimitLine>> limitLines() const { return m_limitLines; }

    // The reset members clear the flag only; the end stays until the next calculate.
    virtual void resetCustomAxisMin() { m_customAxisMin = false; }
    virtual bool isAxisMinCustom() const { return m_customAxisMin; }
    virtual void resetCustomAxisMax() { m_customAxisMax = false; }
    virtual bool isAxisMaxCustom() const { return m_customAxisMax; }
    virtual double axisMinimum() const { return m_axisMinimum; }
    // Fixes the lower end; the range follows with the current upper end.
    virtual void setAxisMinimum(double minimum);
    virtual double axisMaximum() const { return m_axisMaximum; }
    // Fixes the upper end; the range follows with the current lower end.
    virtual void setAxisMaximum(double maximum);

    // The axis range from the data's extent: a fixed end or the data end widened by
    // spaceMin/spaceMax; equal ends (fixed ones too) are pushed apart by 1 each; no swap.
    virtual void calculate(double dataMin, double dataMax);

    // Store the computed ends without touching the custom flags.
    void storeRange(double lower, double upper);

private:
    std::shared_ptr<AxisValueFormatter> m_axisValueFormatter;
    QFont m_labelFont = systemFont(10);
    QColor m_labelTextColor = ChartColors::label();
    QColor m_axisLineColor = ChartColors::gray();
    double m_axisLineWidth = 0.5;
    double m_axisLineDashPhase = 0.0;
    std::optional<QList<double>> m_axisLineDashLengths;
    QColor m_gridColor = grayGridColor();
    double m_gridLineWidth = 0.5;
    double m_gridLineDashPhase = 0.0;
    std::optional<QList<double>> m_gridLineDashLengths;
    Qt::PenCapStyle m_gridLineCap = Qt::FlatCap;
    bool m_drawGridLinesEnabled = true;
    bool m_drawGridLinesBackgroungEnabled = false;
    bool m_drawAxisLineEnabled = true;
    bool m_drawLabelsEnabled = true;
    bool m_centerAxisLabelsEnabled = false;
    QList<std::shared_ptr<ChartLimitLine>> m_limitLines;
    bool m_drawLimitLinesBehindDataEnabled = false;
    bool m_drawGridLinesBehindDataEnabled = true;
    bool m_gridAntialiasEnabled = true;
    QList<ZoneBand> m_backgroundLimit;
    QList<double> m_entries;
    QList<double> m_centeredEntries;
    qint64 m_labelCount = 6;
    int m_decimals = 0;
    bool m_granularityEnabled = false;
    double m_granularity = 1.0;
    bool m_forceLabelsEnabled = false;
    double m_spaceMin = 0.0;
    double m_spaceMax = 0.0;
    bool m_customAxisMin = false;
    bool m_customAxisMax = false;
    double m_axisMinimum = 0.0;
    double m_axisMaximum = 0.0;
    double m_axisRange = 0.0;
    qint64 m_axisMinLabels = 2;
    qint64 m_axisMaxLabels = 25;

    static QColor grayGridColor();
};

}
