#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <vector>

// A paint device that draws nothing and records every path painted on it,
// with the pen and brush in force, in the painter's own coordinates.
class PaintRecorder : public QPaintDevice
{
public:
    struct Stroke {
        QPainterPath path;
        QPen pen;
        QBrush brush;
    };

    PaintRecorder() : m_engine(this) {}

    QPaintEngine *paintEngine() const override { return &m_engine; }

    const std::vector<Stroke> &strokes() const { return m_strokes; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
        case PdmWidthMM:
        case PdmHeightMM:
            return 100;
        case PdmNumColors:
            return 0xffffff;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(PaintRecorder *device) : QPaintEngine(AllFeatures), m_device(device) {}

        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & DirtyPen)
                m_pen = state.pen();
            if (state.state() & DirtyBrush)
                m_brush = state.brush();
        }
        void drawPath(const QPainterPath &path) override
        {
            m_device->m_strokes.push_back({path, m_pen, m_brush});
        }
        void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
        {
            QPainterPath path;
            path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
            drawPath(path);
        }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        Type type() const override { return User; }

    private:
        PaintRecorder *m_device;
        QPen m_pen;
        QBrush m_brush;
    };

    friend class Engine;
    mutable Engine m_engine;
    std::vector<Stroke> m_strokes;
};
