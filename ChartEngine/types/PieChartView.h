#pragma once

#include "ChartEngine/foundation/AttributedText.h"
#include "ChartEngine/types/PieRadarChartViewBase.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>

#include <optional>

namespace Charts {

// The pie chart: the entries of a PieChartData as slices of a circle, each slice's sweep in
// proportion to its value's magnitude, the whole pie spanning `maxAngle` degrees (at 180 or
// less, in a view wider than high, a half pie laid against the bottom of the content). A hole
// can be cut into it with a translucent ring around the hole and a text in the centre. The
// constructor's set-up step installs a PieChartRenderer and a PieHighlighter on this view. A
// pie has no x axis: reading or setting it is a programming error.
//
// Slices are addressed by index. A highlight names its slice by its x; one whose x is not a
// finite number, or names no slice, or whose data-set index the data lacks, names nothing and
// is drawn nowhere.
class PieChartView : public PieRadarChartViewBase {
    Q_OBJECT

public:
    explicit PieChartView(QWidget* parent = nullptr);
    explicit PieChartView(const QRect& frame, QWidget* parent = nullptr);
    ~PieChartView() override;

    // Stop the program: a pie has no x axis.
    std::shared_ptr<XAxis> xAxis() const override;
    void setXAxis(std::shared_ptr<XAxis> axis) override;

    // --- Geometry -------------------------------------------------------------------------------
    // The content centre, moved down by half the diameter for a half pie in a view wider than
    // high.
    virtual QPointF adjustedCenterOffsets() const;
    double angleForPoint(double x, double y) const override;
    double distanceToCenter(double x, double y) const override;
    // The first slice whose end angle lies beyond the angle taken relative to the rotation (in
    // [0, 360)); an end angle itself belongs to the next slice. -1 when none does.
    qint64 indexForAngle(double angle) const override;
    // Half the pie square's width.
    double radius() const override;
    // A data set's selection shift held to the radius of the pie before any shift (how far from
    // the centre a highlighted slice reaches), outwards and inwards: a larger one would push the
    // pie square far past the view.
    virtual double heldSelectionShift(double shift) const;
    // The legend font's size twice.
    double requiredLegendOffset() const override;
    double requiredBaseOffset() const override;
    // The square that bounds the pie, and its centre.
    virtual QRectF circleBox() const { return m_circleBox; }
    virtual QPointF centerCircleBox() const { return m_circleBox.center(); }

    // --- Angles ---------------------------------------------------------------------------------
    // Every present entry's sweep, over all data sets, and their running sums. With a sum of
    // values that is 0 or not finite every sweep is 0; data that is not pie data gives none.
    virtual void calcAngles();
    virtual QList<double> drawAngles() const { return m_drawAngles; }
    virtual QList<double> absoluteAngles() const { return m_absoluteAngles; }

    // --- Highlights -----------------------------------------------------------------------------
    // The slice a highlight names, when it names one (see the class comment).
    virtual std::optional<qint64> highlightedSlice(const Highlight& highlight) const;
    // Whether a current highlight names the slice.
    virtual bool needsHighlight(qint64 index) const;
    // The first data set with an entry at x (y not a number); -1 without data or when none.
    virtual qint64 dataSetIndexForIndex(double x) const;
    // The middle of the highlighted slice, across the ring with a hole, else at 0.64 of the
    // radius; the centre of the pie square for a highlight that names no slice.
    QPointF getMarkerPosition(const Highlight& highlight) const override;

    // --- Settings (each setter but maxAngle's redraws) ------------------------------------------
    virtual std::optional<QColor> holeColor() const { return m_holeColor; }
    virtual void setHoleColor(std::optional<QColor> color);
    virtual bool drawSlicesUnderHoleEnabled() const { return m_drawSlicesUnderHoleEnabled; }
    virtual void setDrawSlicesUnderHoleEnabled(bool enabled);
    virtual bool isDrawSlicesUnderHoleEnabled() const { return drawSlicesUnderHoleEnabled(); }
    virtual bool drawHoleEnabled() const { return m_drawHoleEnabled; }
    virtual void setDrawHoleEnabled(bool enabled);
    virtual bool isDrawHoleEnabled() const { return drawHoleEnabled(); }
    // The plain text of the centre text.
    virtual std::optional<QString> centerText() const;
    // Makes the centre text: the label colour, the system font at 12, centred, truncated at the
    // tail. None clears it.
    virtual void setCenterText(const std::optional<QString>& text);
    virtual std::optional<AttributedText> centerAttributedText() const { return m_centerAttributedText; }
    virtual void setCenterAttributedText(std::optional<AttributedText> text);
    virtual QPointF centerTextOffset() const { return m_centerTextOffset; }
    virtual void setCenterTextOffset(QPointF offset);
    virtual bool drawCenterTextEnabled() const { return m_drawCenterTextEnabled; }
    virtual void setDrawCenterTextEnabled(bool enabled);
    virtual bool isDrawCenterTextEnabled() const { return drawCenterTextEnabled(); }
    virtual double holeRadiusPercent() const { return m_holeRadiusPercent; }
    virtual void setHoleRadiusPercent(double percent);
    virtual std::optional<QColor> transparentCircleColor() const { return m_transparentCircleColor; }
    virtual void setTransparentCircleColor(std::optional<QColor> color);
    virtual double transparentCircleRadiusPercent() const { return m_transparentCircleRadiusPercent; }
    virtual void setTransparentCircleRadiusPercent(double percent);
    // Stored only: the renderer takes the entry labels' colour and font from the data set.
    virtual std::optional<QColor> entryLabelColor() const { return m_entryLabelColor; }
    virtual void setEntryLabelColor(std::optional<QColor> color);
    virtual std::optional<QFont> entryLabelFont() const { return m_entryLabelFont; }
    virtual void setEntryLabelFont(std::optional<QFont> font);
    virtual bool drawEntryLabelsEnabled() const { return m_drawEntryLabelsEnabled; }
    virtual void setDrawEntryLabelsEnabled(bool enabled);
    virtual bool isDrawEntryLabelsEnabled() const { return drawEntryLabelsEnabled(); }
    virtual bool usePercentValuesEnabled() const { return m_usePercentValuesEnabled; }
    virtual void setUsePercentValuesEnabled(bool enabled);
    virtual bool isUsePercentValuesEnabled() const { return usePercentValuesEnabled(); }
    virtual double centerTextRadiusPercent() const { return m_centerTextRadiusPercent; }
    virtual void setCenterTextRadiusPercent(double percent);
    // Held to [90, 360]; takes effect at the next data change, without a redraw.
    virtual double maxAngle() const { return m_maxAngle; }
    virtual void setMaxAngle(double angle);
    // Slices whose sweep is not above it get no value or label text.
    virtual double sliceTextDrawingThreshold() const { return m_sliceTextDrawingThreshold; }
    virtual void setSliceTextDrawingThreshold(double degrees);

    // --- Chart view --------------------------------------------------------------------------------
    void calculateOffsets() override;
    void calcMinMax() override;
    // Data, highlighted slices, hole and centre text, values, legend, description, markers.
    void drawRect(QPainter& painter) override;

protected:
    // Each highlighted slice at its place among the slices: the renderer lists a highlighted
    // slice right after the first header, and a reader that counted it there heard the slices'
    // positions wrong ("1 of 6" for the third).
    Elements accessibilityRowOrder(Elements rows) const override;

private:
    void setUp();
    bool isHalfPie() const;
    double unshiftedRadius() const;

    QRectF m_circleBox;
    bool m_drawEntryLabelsEnabled = true;
    QList<double> m_drawAngles;
    QList<double> m_absoluteAngles;
    bool m_drawHoleEnabled = true;
    std::optional<QColor> m_holeColor = ChartColors::white();
    std::optional<QColor> m_entryLabelColor = ChartColors::white();
    std::optional<QFont> m_entryLabelFont = [] {
        QFont font(QStringLiteral("HelveticaNeue"));
        font.setPixelSize(13);
        return font;
    }();
    bool m_drawSlicesUnderHoleEnabled = false;
    bool m_usePercentValuesEnabled = false;
    std::optional<AttributedText> m_centerAttributedText;
    QPointF m_centerTextOffset{0, 0};
    double m_holeRadiusPercent = 0.5;
    std::optional<QColor> m_transparentCircleColor = QColor::fromRgbF(1, 1, 1, 105.0 / 255.0);
    double m_transparentCircleRadiusPercent = 0.55;
    bool m_drawCenterTextEnabled = true;
    double m_centerTextRadiusPercent = 1.0;
    double m_maxAngle = 360;
    double m_sliceTextDrawingThreshold = 0;
};

}
