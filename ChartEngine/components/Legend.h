#pragma once

#include "ChartEngine/components/ComponentBase.h"
#include "ChartEngine/components/LegendEntry.h"
#include "ChartEngine/components/LegendForm.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QSizeF>

#include <optional>

namespace Charts {

class ViewPortHandler;

// The legend of a chart: its entries, the style they are drawn in, and the sizes its layout
// computes for the chart's offsets and for the legend renderer. A horizontal legend sets its
// entries side by side in rows that may wrap; a vertical one puts one labelled entry per line.
class Legend : public ComponentBase {
public:
    using Form = LegendForm;

    enum class HorizontalAlignment : int { left = 0, center = 1, right = 2 };
    enum class VerticalAlignment : int { top = 0, center = 1, bottom = 2 };
    enum class Orientation : int { horizontal = 0, vertical = 1 };
    enum class Direction : int { leftToRight = 0, rightToLeft = 1 };

    // The value for a stored raw value; none for a value outside the cases.
    static std::optional<HorizontalAlignment> horizontalAlignmentFromRaw(long long raw);
    static std::optional<VerticalAlignment> verticalAlignmentFromRaw(long long raw);
    static std::optional<Orientation> orientationFromRaw(long long raw);
    static std::optional<Direction> directionFromRaw(long long raw);

    // The chart's own legend: offsets 5 and 3.
    Legend();
    // A legend holding the given entries; the offsets stay 5 and 5.
    explicit Legend(LegendEntryList entries);

    virtual LegendEntryList entries() const { return m_entries; }
    virtual void setEntries(LegendEntryList entries) { m_entries = std::move(entries); }
    // Appended after the computed entries each time the renderer computes them.
    virtual LegendEntryList extraEntries() const { return m_extraEntries; }
    virtual void setExtraEntries(LegendEntryList entries) { m_extraEntries = std::move(entries); }

    virtual HorizontalAlignment horizontalAlignment() const { return m_horizontalAlignment; }
    virtual void setHorizontalAlignment(HorizontalAlignment alignment) { m_horizontalAlignment = alignment; }
    virtual VerticalAlignment verticalAlignment() const { return m_verticalAlignment; }
    virtual void setVerticalAlignment(VerticalAlignment alignment) { m_verticalAlignment = alignment; }
    virtual Orientation orientation() const { return m_orientation; }
    virtual void setOrientation(Orientation orientation) { m_orientation = orientation; }
    // Drawn over the content area instead of taking room from it.
    virtual bool drawInside() const { return m_drawInside; }
    virtual void setDrawInside(bool inside) { m_drawInside = inside; }
    virtual bool isDrawInsideEnabled() const { return drawInside(); }
    virtual Direction direction() const { return m_direction; }
    virtual void setDirection(Direction direction) { m_direction = direction; }
    virtual QFont font() const { return m_font; }
    virtual void setFont(const QFont& font) { m_font = font; }
    virtual QColor textColor() const { return m_textColor; }
    virtual void setTextColor(const QColor& color) { m_textColor = color; }

    // The style of entries that carry none of their own.
    virtual Form form() const { return m_form; }
    virtual void setForm(Form form) { m_form = form; }
    virtual double formSize() const { return m_formSize; }
    virtual void setFormSize(double size) { m_formSize = size; }
    virtual double formLineWidth() const { return m_formLineWidth; }
    virtual void setFormLineWidth(double width) { m_formLineWidth = width; }
    virtual double formLineDashPhase() const { return m_formLineDashPhase; }
    virtual void setFormLineDashPhase(double phase) { m_formLineDashPhase = phase; }
    virtual std::optional<QList<double>> formLineDashLengths() const { return m_formLineDashLengths; }
    virtual void setFormLineDashLengths(std::optional<QList<double>> lengths)
    {
        m_formLineDashLengths = std::move(lengths);
    }

    // Spacing: between the entries of a row, between lines, between a form and its label, and
    // after a form without label of its own.
    virtual double xEntrySpace() const { return m_xEntrySpace; }
    virtual void setXEntrySpace(double space) { m_xEntrySpace = space; }
    virtual double yEntrySpace() const { return m_yEntrySpace; }
    virtual void setYEntrySpace(double space) { m_yEntrySpace = space; }
    virtual double formToTextSpace() const { return m_formToTextSpace; }
    virtual void setFormToTextSpace(double space) { m_formToTextSpace = space; }
    virtual double stackSpace() const { return m_stackSpace; }
    virtual void setStackSpace(double space) { m_stackSpace = space; }

    // Horizontal layout only: per entry its label's size (zero without label) and whether a row
    // starts with it; per row its width and the label line height.
    virtual QList<QSizeF> calculatedLabelSizes() const { return m_calculatedLabelSizes; }
    virtual void setCalculatedLabelSizes(QList<QSizeF> sizes) { m_calculatedLabelSizes = std::move(sizes); }
    virtual QList<bool> calculatedLabelBreakPoints() const { return m_calculatedLabelBreakPoints; }
    virtual void setCalculatedLabelBreakPoints(QList<bool> points)
    {
        m_calculatedLabelBreakPoints = std::move(points);
    }
    virtual QList<QSizeF> calculatedLineSizes() const { return m_calculatedLineSizes; }
    virtual void setCalculatedLineSizes(QList<QSizeF> sizes) { m_calculatedLineSizes = std::move(sizes); }

    // Width of the largest form, the widest label and the form-to-text space, and height of the
    // tallest label, for the given font. No entries: (formToTextSpace, 0).
    virtual QSizeF getMaximumEntrySize(const QFont& font) const;

    // The room the legend needs, offsets included.
    virtual double neededWidth() const { return m_neededWidth; }
    virtual void setNeededWidth(double width) { m_neededWidth = width; }
    virtual double neededHeight() const { return m_neededHeight; }
    virtual void setNeededHeight(double height) { m_neededHeight = height; }
    virtual double textWidthMax() const { return m_textWidthMax; }
    virtual void setTextWidthMax(double width) { m_textWidthMax = width; }
    virtual double textHeightMax() const { return m_textHeightMax; }
    virtual void setTextHeightMax(double height) { m_textHeightMax = height; }

    virtual bool wordWrapEnabled() const { return m_wordWrapEnabled; }
    virtual void setWordWrapEnabled(bool enabled) { m_wordWrapEnabled = enabled; }
    virtual bool isWordWrapEnabled() const { return wordWrapEnabled(); }
    // Share of the content width one row may use before it wraps.
    virtual double maxSizePercent() const { return m_maxSizePercent; }
    virtual void setMaxSizePercent(double percent) { m_maxSizePercent = percent; }

    // Lays the entries out with the label font in the handler's content width: the needed
    // size, the largest entry and, for a horizontal legend, the label sizes, row breaks and
    // row sizes.
    virtual void calculateDimensions(const QFont& labelFont, const ViewPortHandler& viewPortHandler);

    // Entries set by the application: the renderer leaves them as they are until resetCustom.
    virtual void setCustom(LegendEntryList entries);
    virtual void resetCustom();
    virtual bool isLegendCustom() const { return m_isLegendCustom; }

    // The entry's form size, or the legend's when the entry's is not-a-number.
    double resolvedFormSize(const LegendEntry& entry) const;
    // The label's size in the font, as the layout measures it. Sizes are kept per text for the
    // font last asked for, so a relayout of the same labels measures no text.
    QSizeF labelSize(const QString& label, const QFont& font) const;

private:
    void layOutHorizontally(const QFont& labelFont, double contentWidth);
    void layOutVertically(const QFont& labelFont);

    LegendEntryList m_entries;
    LegendEntryList m_extraEntries;
    bool m_isLegendCustom = false;
    HorizontalAlignment m_horizontalAlignment = HorizontalAlignment::left;
    VerticalAlignment m_verticalAlignment = VerticalAlignment::bottom;
    Orientation m_orientation = Orientation::horizontal;
    bool m_drawInside = false;
    Direction m_direction = Direction::leftToRight;
    QFont m_font;
    QColor m_textColor;
    Form m_form = Form::square;
    double m_formSize = 8.0;
    double m_formLineWidth = 3.0;
    double m_formLineDashPhase = 0.0;
    std::optional<QList<double>> m_formLineDashLengths;
    double m_xEntrySpace = 6.0;
    double m_yEntrySpace = 0.0;
    double m_formToTextSpace = 5.0;
    double m_stackSpace = 3.0;
    QList<QSizeF> m_calculatedLabelSizes;
    QList<bool> m_calculatedLabelBreakPoints;
    QList<QSizeF> m_calculatedLineSizes;
    double m_neededWidth = 0.0;
    double m_neededHeight = 0.0;
    double m_textWidthMax = 0.0;
    double m_textHeightMax = 0.0;
    bool m_wordWrapEnabled = true;
    double m_maxSizePercent = 0.95;

    mutable QHash<QString, QSizeF> m_measuredLabels;
    mutable QFont m_measuredFont;
};

}
