#pragma once

#include <QLayout>
#include <QList>

namespace talmo {

// Lays its items out left to right at their size hints and starts a new row
// where the width runs out, so no item is ever squeezed: its height follows
// the width it gets.
class WrappingRowLayout : public QLayout
{
public:
    explicit WrappingRowLayout(QWidget *parent = nullptr);
    ~WrappingRowLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // The height the rows take in rect; the items are placed when place is set.
    int arrange(const QRect &rect, bool place) const;

    QList<QLayoutItem *> m_items;
};

} // namespace talmo
