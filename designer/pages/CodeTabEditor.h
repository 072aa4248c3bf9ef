#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace talmo {

// The text editor of the code tab as the tab uses it: whole lines in and
// out, and a signal when the user changed them.
class CodeTabEditor : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QWidget *widget() const = 0;
    virtual QStringList lines() const = 0;
    // Replaces the text without signalling edited.
    virtual void setLines(const QStringList &lines) = 0;

signals:
    void edited();
};

} // namespace talmo
