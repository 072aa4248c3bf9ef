#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

namespace talmo {

class TDEng;
class TDesignControl;

// One kind of drag on the design surface. Points are in the container's
// client coordinates: begin gets the start point, move each new current
// point, then either apply or cancel ends it.
class TDEngDrag
{
public:
    enum class Pen { Band, Solid };

    TDEngDrag(TDEng &engine, QWidget &container);
    virtual ~TDEngDrag();

    QWidget &container() const { return *m_container; }
    virtual void begin(const QPoint &start);
    virtual void move(const QPoint &point) = 0;
    virtual void apply() = 0;
    virtual void cancel();
    // What the overlay draws for the drag now, in container coordinates.
    virtual QList<QRect> outlines() const = 0;
    virtual Pen pen() const { return Pen::Solid; }

    // The snapping the drag wants from the current point.
    struct Options
    {
        bool snapOffset = false;
        bool lockX = false;
        bool lockY = false;
        bool snapStart = false;
    };
    virtual Options options() const = 0;

protected:
    TDEng &m_engine;
    QPointer<QWidget> m_container;
    QPoint m_start;
};

// Selects the designable children of the container the band touches.
class TDEngBandDrag : public TDEngDrag
{
public:
    using TDEngDrag::TDEngDrag;
    void move(const QPoint &point) override { m_current = point; }
    void apply() override;
    QList<QRect> outlines() const override;
    Pen pen() const override { return Pen::Band; }
    Options options() const override { return {}; }

private:
    QRect band() const;
    QPoint m_current;
};

// Moves the selected controls that are not locked by whole grid steps.
class TDEngMoveDrag : public TDEngDrag
{
public:
    using TDEngDrag::TDEngDrag;
    void begin(const QPoint &start) override;
    void move(const QPoint &point) override;
    void apply() override;
    QList<QRect> outlines() const override;
    Options options() const override { return {true, false, false, false}; }

private:
    struct Moved
    {
        QPointer<TDesignControl> control;
        QRect bounds;
        bool locked;
    };
    std::vector<Moved> m_moved;
    QPoint m_topLeft;
    QPoint m_offset;
};

// Drags one edge or corner of the only selected control.
class TDEngResizeDrag : public TDEngDrag
{
public:
    TDEngResizeDrag(TDEng &engine, QWidget &container, TDesignControl &control, int handle);
    void move(const QPoint &point) override;
    void apply() override;
    QList<QRect> outlines() const override { return {m_bounds}; }
    Options options() const override;

private:
    QPointer<TDesignControl> m_control;
    int m_handle;
    QRect m_original;
    QRect m_bounds;
};

// Draws the rectangle of a control to insert, then makes it.
class TDEngInsertDrag : public TDEngDrag
{
public:
    TDEngInsertDrag(TDEng &engine, QWidget &container, const QString &controlClass);
    void move(const QPoint &point) override;
    void apply() override;
    QList<QRect> outlines() const override;
    Options options() const override { return {true, false, false, true}; }

private:
    QRect rectangle() const;
    QString m_controlClass;
    QPoint m_size;
    bool m_drawn = false;
};

} // namespace talmo
