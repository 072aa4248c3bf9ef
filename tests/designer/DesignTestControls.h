#pragma once

#include "designer/DesignBitmap.h"
#include "designer/DesignClassRegistry.h"
#include "designer/DesignControl.h"
#include "designer/DesignFont.h"
#include "designer/DesignStrings.h"
#include "widgets/Colors.h"

#include <QPointer>

// Small designed controls with the kinds of properties the palette classes
// publish, registered under palette names.
namespace talmo::testcontrols {

// Font and Color follow the parent while ParentFont is on; only then is the
// font left unwritten.
class TFontControl : public TDesignControl
{
    Q_OBJECT
    Q_CLASSINFO("talmo:Color", "TColor")
    Q_CLASSINFO("talmo:Font", "TFont")
    Q_PROPERTY(QString Caption MEMBER caption)
    Q_PROPERTY(int Color MEMBER color)
    Q_PROPERTY(QObject *Font READ fontObject)
    Q_PROPERTY(bool ParentFont MEMBER parentFont)

public:
    static const DesignPropertyTable &propertyTable();

    QObject *fontObject() { return &designFont; }

    QString caption;
    int color = clBtnFace;
    TDesignFont designFont;
    bool parentFont = true;
};

class TPanel : public TFontControl
{
    Q_OBJECT
    Q_PROPERTY(TAlign Align MEMBER align)
    Q_PROPERTY(TAnchors Anchors READ getAnchors WRITE setAnchors)

public:
    enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TAlign)
    enum TAnchorKind { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
    Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
    Q_FLAG(TAnchors)

    static const DesignPropertyTable &propertyTable();

    TAnchors getAnchors() const { return anchors; }
    void setAnchors(TAnchors value) { anchors = value; }

    TAlign align = alNone;
    TAnchors anchors = TAnchors(akLeft) | akTop;
};

class TButton : public TFontControl
{
    Q_OBJECT
    Q_PROPERTY(int TabOrder MEMBER tabOrder)

public:
    static const DesignPropertyTable &propertyTable();

    int tabOrder = 0;
};

class TLabel : public TFontControl
{
    Q_OBJECT
    Q_PROPERTY(QObject *FocusControl READ focusControl WRITE setFocusControl)

public:
    static const DesignPropertyTable &propertyTable();

    bool isWindowless() const override { return true; }
    QObject *focusControl() const { return focus; }
    void setFocusControl(QObject *control) { focus = qobject_cast<TDesignControl *>(control); }

    QPointer<TDesignControl> focus;
};

class TMemo : public TFontControl
{
    Q_OBJECT
    Q_PROPERTY(QObject *Lines READ linesObject)

public:
    static const DesignPropertyTable &propertyTable();

    QObject *linesObject() { return &lines; }

    TDesignStrings lines;
};

class TListBox : public TDesignControl
{
    Q_OBJECT
    Q_PROPERTY(QObject *Items READ itemsObject)
    Q_PROPERTY(TListBoxStyle Style MEMBER style)

public:
    enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
    Q_ENUM(TListBoxStyle)

    static const DesignPropertyTable &propertyTable();

    QObject *itemsObject() { return &items; }

    TDesignStrings items;
    TListBoxStyle style = lbStandard;
};

class TBitmapImage : public TDesignControl
{
    Q_OBJECT
    Q_PROPERTY(QObject *Bitmap READ bitmapObject)

public:
    static const DesignPropertyTable &propertyTable();

    bool isWindowless() const override { return true; }
    QObject *bitmapObject() { return &bitmap; }

    TDesignBitmap bitmap;
};

// Counts the calls of loaded(), to show that reading ends the loading state.
class TCountingButton : public TButton
{
    Q_OBJECT

public:
    int loadedCalls = 0;

protected:
    void loaded() override { ++loadedCalls; }
};

void registerTestClasses(TDesignClassRegistry &registry);

} // namespace talmo::testcontrols
