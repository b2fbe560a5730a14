#pragma once

namespace Charts {

// The root of every configurable chart component (axes, limit lines, description, legend): an
// on/off switch and the two offsets that the layout and the renderers apply.
class ComponentBase {
public:
    ComponentBase() = default;
    virtual ~ComponentBase() = default;
    ComponentBase(const ComponentBase&) = delete;
    ComponentBase& operator=(const ComponentBase&) = delete;

    virtual bool enabled() const { return m_enabled; }
    virtual void setEnabled(bool enabled) { m_enabled = enabled; }
    virtual double xOffset() const { return m_xOffset; }
    virtual void setXOffset(double offset) { m_xOffset = offset; }
    virtual double yOffset() const { return m_yOffset; }
    virtual void setYOffset(double offset) { m_yOffset = offset; }

    // Layout and renderers ask this first and skip a disabled component.
    virtual bool isEnabled() const { return enabled(); }

private:
    bool m_enabled = true;
    double m_xOffset = 5.0;
    double m_yOffset = 5.0;
};

}
