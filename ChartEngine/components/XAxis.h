#pragma once

#include "ChartEngine/components/AxisBase.h"

namespace Charts {

// The x axis: the measured label sizes that its renderer writes and the layout reads, the label
// rotation, the side the labels stand on, word wrapping, and keeping the outer labels inside.
// Its range comes from the base calculation.
class XAxis : public AxisBase {
public:
    enum class LabelPosition : int {
        top = 0,
        bottom = 1,
        topAndBottom = 2,
        insideTop = 3,
        insideBottom = 4,
    };

    XAxis();

    // The longest label's size, and its bounding box after rotation; 1 until first measured.
    virtual double labelWidth() const { return m_labelWidth; }
    virtual void setLabelWidth(double width) { m_labelWidth = width; }
    virtual double labelHeight() const { return m_labelHeight; }
    virtual void setLabelHeight(double height) { m_labelHeight = height; }
    virtual double labelRotatedWidth() const { return m_labelRotatedWidth; }
    virtual void setLabelRotatedWidth(double width) { m_labelRotatedWidth = width; }
    virtual double labelRotatedHeight() const { return m_labelRotatedHeight; }
    virtual void setLabelRotatedHeight(double height) { m_labelRotatedHeight = height; }
    // Degrees; a negative angle rises to the right on screen.
    virtual double labelRotationAngle() const { return m_labelRotationAngle; }
    virtual void setLabelRotationAngle(double degrees) { m_labelRotationAngle = degrees; }
    virtual bool avoidFirstLastClippingEnabled() const { return m_avoidFirstLastClippingEnabled; }
    virtual void setAvoidFirstLastClippingEnabled(bool enabled)
    {
        m_avoidFirstLastClippingEnabled = enabled;
    }
    virtual LabelPosition labelPosition() const { return m_labelPosition; }
    virtual void setLabelPosition(LabelPosition position) { m_labelPosition = position; }
    virtual bool wordWrapEnabled() const { return m_wordWrapEnabled; }
    virtual void setWordWrapEnabled(bool enabled) { m_wordWrapEnabled = enabled; }
    virtual bool isWordWrapEnabled() const { return wordWrapEnabled(); }
    // The share of one x unit's width to which a wrapped label is limited.
    virtual double wordWrapWidthPercent() const { return m_wordWrapWidthPercent; }
    virtual void setWordWrapWidthPercent(double percent) { m_wordWrapWidthPercent = percent; }
    virtual bool isAvoidFirstLastClippingEnabled() const { return avoidFirstLastClippingEnabled(); }

private:
    double m_labelWidth = 1.0;
    double m_labelHeight = 1.0;
    double m_labelRotatedWidth = 1.0;
    double m_labelRotatedHeight = 1.0;
    double m_labelRotationAngle = 0.0;
    bool m_avoidFirstLastClippingEnabled = false;
    LabelPosition m_labelPosition = LabelPosition::top;
    bool m_wordWrapEnabled = false;
    double m_wordWrapWidthPercent = 1.0;
};

}
