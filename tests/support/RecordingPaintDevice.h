#pragma once

#include <QBrush>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

#include <vector>

// A paint device that records the drawing calls made on it instead of drawing, for tests that
// count strokes or read the pen a shape was drawn with.
namespace PaintRecording {

// One drawing call as the paint engine received it, with the pen, brush and opacity in effect.
struct Drawn {
    enum class Kind { rect, ellipse, path, line };
    Kind kind;
    QRectF rect;
    QPainterPath path;
    QLineF line;
    QPen pen;
    QBrush brush;
    double opacity = 1.0;
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen) {
            m_pen = state.pen();
        }
        if (state.state() & DirtyBrush) {
            m_brush = state.brush();
        }
        if (state.state() & DirtyOpacity) {
            m_opacity = state.opacity();
        }
    }
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            record(Drawn::Kind::rect, rects[i], {}, {});
        }
    }
    void drawEllipse(const QRectF& rect) override { record(Drawn::Kind::ellipse, rect, {}, {}); }
    void drawPath(const QPainterPath& path) override { record(Drawn::Kind::path, {}, path, {}); }
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            record(Drawn::Kind::line, {}, {}, lines[i]);
        }
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    std::vector<Drawn> drawn;

private:
    void record(Drawn::Kind kind, const QRectF& rect, const QPainterPath& path, const QLineF& line)
    {
        drawn.push_back({kind, rect, path, line, m_pen, m_brush, m_opacity});
    }

    QPen m_pen;
    QBrush m_brush;
    double m_opacity = 1.0;
};

class RecordingDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &m_engine; }
    const std::vector<Drawn>& drawn() const { return m_engine.drawn; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 100;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 72;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    mutable RecordingEngine m_engine;
};

}
