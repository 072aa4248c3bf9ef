#pragma once

#include "designer/DesignPropertyTable.h"
#include "helpers/core/ComponentTextValue.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

namespace talmo {

class TDesignControl;

// The answer to a rename: accepted, or refused with the message to show.
struct TRenameVerdict
{
    bool accepted = true;
    QString message;

    static TRenameVerdict accept() { return {}; }
    static TRenameVerdict refuse(const QString &message) { return {false, message}; }
};

// Installed on an owner, it may refuse a new name of any component it owns.
using TRenameHook = std::function<TRenameVerdict(const TDesignControl &component, const QString &newName)>;

// The lock bits in the low 16 bits of DesignInfo.
enum TDesignLock {
    LockMove = 1,
    LockResize = 2,
    LockDelete = 4,
    LockInsertInto = 8,
    LockCopy = 16,
};

// The base of every designed control. Qt's parent is the visual parent; the
// owner (the page's root) lists the components it owns in creation order and
// destroys them with itself. Names are unique within an owner, ignoring ASCII
// case. Nothing here throws: a refused rename is a verdict.
class TDesignControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ name WRITE setName)
    Q_PROPERTY(int Tag READ tag WRITE setTag)
    Q_PROPERTY(int Left READ left WRITE setLeft)
    Q_PROPERTY(int Top READ top WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(int Cursor READ designCursor WRITE setDesignCursor)
    Q_PROPERTY(QString Hint READ hint WRITE setHint)

public:
    explicit TDesignControl(QWidget *parent = nullptr);
    ~TDesignControl() override;

    // Tag, Left, Top, Width, Height, Cursor, Hint.
    static const DesignPropertyTable &propertyTable();

    const QString &name() const { return m_name; }
    // The inspector's way in: a refused name stays as it was and nameRefused
    // carries the message.
    void setName(const QString &name);
    // A valid identifier (or empty), free in the owner, accepted by the
    // owner's hook (not asked while this component loads).
    TRenameVerdict rename(const QString &newName);

    TDesignControl *owner() const { return m_owner; }
    const QList<TDesignControl *> &components() const { return m_components; }
    // Takes component into this owner's list, last; it takes this owner's
    // design state. Its name must be empty or free here.
    void insertComponent(TDesignControl *component);
    void removeComponent(TDesignControl *component);
    // The owned component of that name, ignoring ASCII case.
    TDesignControl *findComponent(const QString &name) const;
    void destroyComponents();
    void setRenameHook(TRenameHook hook) { m_renameHook = std::move(hook); }

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    int left() const { return x(); }
    void setLeft(int left);
    int top() const { return y(); }
    void setTop(int top);
    // A negative size is kept as set while the widget shows nothing.
    int width() const;
    void setWidth(int width);
    int height() const;
    void setHeight(int height);
    void setBounds(int left, int top, int width, int height);
    int designCursor() const { return m_cursor; }
    void setDesignCursor(int cursor) { m_cursor = cursor; }
    const QString &hint() const { return m_hint; }
    void setHint(const QString &hint) { m_hint = hint; }

    int designInfo() const { return m_designInfo; }
    void setDesignInfo(int designInfo) { m_designInfo = designInfo; }
    int lockBits() const { return m_designInfo & 0xFFFF; }

    bool isDesigning() const { return m_designing; }
    // withOwned carries the state to every owned component.
    void setDesigning(bool designing, bool withOwned = true);
    bool isLoading() const { return m_loading; }
    void beginLoading() { m_loading = true; }
    // Ends the loading state and runs loaded().
    void endLoading();

    // A control that paints on its parent is stacked and written before its
    // windowed siblings.
    virtual bool isWindowless() const { return false; }
    // Stacking among the designed siblings, window-less ones always below the
    // windowed ones: Bring to Front tops this control's group; Send to Back
    // bottoms it, so a windowed control stops just above the window-less group.
    void bringToFront();
    void sendToBack();

    // Properties of the page text this class does not know, kept verbatim to
    // be written after the known ones.
    const ComponentTextProperties &keptProperties() const { return m_keptProperties; }
    void setKeptProperties(const ComponentTextProperties &properties) { m_keptProperties = properties; }

signals:
    void renamed(const QString &oldName, const QString &newName);
    void nameRefused(const QString &message);

protected:
    // After reading: what was deferred while loading (sizes, tab order).
    virtual void loaded() {}
    virtual void designingChanged() {}
    // After Left, Top, Width or Height changed through the setters above.
    virtual void boundsChanged() {}
    // A window-less control joins its new parent on top of the window-less group.
    bool event(QEvent *event) override;

private:
    // The highest window-less designed sibling other than this one.
    TDesignControl *topWindowlessSibling() const;
    void stackAbove(QWidget *below);

    QString m_name;
    TDesignControl *m_owner = nullptr;
    QList<TDesignControl *> m_components;
    TRenameHook m_renameHook;
    int m_tag = 0;
    int m_width = 0;
    int m_height = 0;
    int m_cursor = 0;
    QString m_hint;
    int m_designInfo = 0;
    bool m_designing = false;
    bool m_loading = false;
    ComponentTextProperties m_keptProperties;
};

} // namespace talmo
