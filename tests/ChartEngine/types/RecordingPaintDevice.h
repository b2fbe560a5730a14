#pragma once

#include <QBrush>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>

#include <vector>

// One drawing call as the paint engine received it, with the pen and brush in effect.
struct Drawn {
    enum class Kind { rect, ellipse, path, line, image };
    Kind kind;
    QRectF rect;
    QPainterPath path;
    QLineF line;
    QPen pen;
    QBrush brush;
};

// Records the calls; it answers the engine type it is given, so that what the engine offers a
// raster image alone is offered to it too.
class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(Type type = QPaintEngine::User)
        : QPaintEngine(QPaintEngine::AllFeatures)
        , m_type(type)
    {
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return m_type; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen) {
            m_pen = state.pen();
        }
        if (state.state() & DirtyBrush) {
            m_brush = state.brush();
        }
    }
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            drawn.push_back({Drawn::Kind::rect, rects[i], {}, {}, m_pen, m_brush});
        }
    }
    void drawEllipse(const QRectF& rect) override { drawn.push_back({Drawn::Kind::ellipse, rect, {}, {}, m_pen, m_brush}); }
    void drawPath(const QPainterPath& path) override { drawn.push_back({Drawn::Kind::path, {}, path, {}, m_pen, m_brush}); }
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            drawn.push_back({Drawn::Kind::line, {}, {}, lines[i], m_pen, m_brush});
        }
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode != PolylineMode) {
            path.closeSubpath();
        }
        drawn.push_back({Drawn::Kind::path, {}, path, {}, m_pen, m_brush});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF& rect, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        drawn.push_back({Drawn::Kind::image, rect, {}, {}, m_pen, m_brush});
    }

    std::vector<Drawn> drawn;

private:
    Type m_type;
    QPen m_pen;
    QBrush m_brush;
};

// A paint device that records what is drawn on it instead of drawing.
class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(int width = 100, int height = 100, QPaintEngine::Type type = QPaintEngine::User)
        : m_engine(type)
        , m_width(width)
        , m_height(height)
    {
    }

    QPaintEngine* paintEngine() const override { return &m_engine; }
    const std::vector<Drawn>& drawn() const { return m_engine.drawn; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_width;
        case PdmHeight:
            return m_height;
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
    int m_width;
    int m_height;
};
