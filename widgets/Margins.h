#pragma once

#include <QObject>

namespace talmo {

// The attached label's two distances. A setter stores only a changed value
// and then reports the update.
class TMargins : public QObject
{
    Q_OBJECT
public:
    explicit TMargins(QObject *parent = nullptr);

    int horizontal() const { return m_horizontal; }
    void setHorizontal(int value);
    int vertical() const { return m_vertical; }
    void setVertical(int value);

signals:
    void updated();

private:
    int m_horizontal = 0;
    int m_vertical = 0;
};

} // namespace talmo
