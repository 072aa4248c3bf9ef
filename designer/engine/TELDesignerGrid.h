#pragma once

#include <QColor>
#include <QObject>

namespace talmo {

// The snapping grid of a designer and how its dots look.
class TELDesignerGrid : public QObject
{
    Q_OBJECT

public:
    static constexpr int MinStep = 2;
    static constexpr int MaxStep = 32;

    explicit TELDesignerGrid(QObject *parent = nullptr);

    int xStep() const { return m_xStep; }
    // Kept within MinStep..MaxStep.
    void setXStep(int step);
    int yStep() const { return m_yStep; }
    void setYStep(int step);
    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    const QColor &color() const { return m_color; }
    void setColor(const QColor &color);
    void assign(const TELDesignerGrid &other);

signals:
    void changed();

private:
    void update(int &field, int value);

    int m_xStep = 8;
    int m_yStep = 8;
    bool m_visible = true;
    QColor m_color = Qt::black;
};

} // namespace talmo
