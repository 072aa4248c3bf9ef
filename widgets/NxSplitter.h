#pragma once

#include "widgets/ColorSchemes.h"

#include <QSplitter>
#include <QSplitterHandle>

namespace talmo {

// The painted band between two panes: a gradient with a dotted grip.
class TNxSplitterHandle : public QSplitterHandle
{
    Q_OBJECT
public:
    TNxSplitterHandle(Qt::Orientation orientation, QSplitter *parent);

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

// A splitter whose handles are 9 pixels wide and painted in the scheme's colours.
class TNxSplitter : public QSplitter
{
    Q_OBJECT
public:
    explicit TNxSplitter(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~TNxSplitter() override;

    TColorScheme colorScheme() const { return m_colorScheme; }
    void setColorScheme(TColorScheme scheme);

signals:
    // A double click on any handle.
    void doubleClicked();

protected:
    QSplitterHandle *createHandle() override;

private:
    TColorScheme m_colorScheme = csDefault;
};

} // namespace talmo
