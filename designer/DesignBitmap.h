#pragma once

#include <QByteArray>
#include <QObject>

namespace talmo {

// The picture of a designed control, kept as the bytes the page text stores
// under "Bitmap.Data" so that a page never changes a picture it cannot show.
class TDesignBitmap : public QObject
{
    Q_OBJECT

public:
    explicit TDesignBitmap(QObject *parent = nullptr);

    const QByteArray &data() const { return m_data; }
    void setData(const QByteArray &data);

signals:
    void changed();

private:
    QByteArray m_data;
};

} // namespace talmo
