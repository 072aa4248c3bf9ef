#include "tests/designer/DesignTestControls.h"

namespace talmo::testcontrols {

namespace {

using Form = DesignValueForm;

bool fontStored(const QObject &object)
{
    return !static_cast<const TFontControl &>(object).parentFont;
}

} // namespace

const DesignPropertyTable &TFontControl::propertyTable()
{
    static const DesignPropertyTable table(staticMetaObject, TDesignControl::propertyTable(), {
        {QStringLiteral("Caption"), Form::String, QString()},
        {QStringLiteral("Color"), Form::Color, int(clBtnFace)},
        {QStringLiteral("Font"), Form::Object, {}, fontStored, &TDesignFont::propertyTable()},
        {QStringLiteral("ParentFont"), Form::Boolean, true},
    });
    return table;
}

const DesignPropertyTable &TPanel::propertyTable()
{
    static const DesignPropertyTable table(staticMetaObject, TFontControl::propertyTable(), {
        {QStringLiteral("Align"), Form::Enumeration, int(alNone)},
        {QStringLiteral("Anchors"), Form::Set, int(akLeft | akTop)},
    });
    return table;
}

const DesignPropertyTable &TButton::propertyTable()
{
    static const DesignPropertyTable table(staticMetaObject, TFontControl::propertyTable(), {
        {QStringLiteral("TabOrder"), Form::Integer, -1},
    });
    return table;
}

const DesignPropertyTable &TLabel::propertyTable()
{
    static const DesignPropertyTable table(staticMetaObject, TFontControl::propertyTable(), {
        {QStringLiteral("FocusControl"), Form::Reference},
    });
    return table;
}

const DesignPropertyTable &TMemo::propertyTable()
{
    static const DesignPropertyTable table(staticMetaObject, TFontControl::propertyTable(), {
        {QStringLiteral("Lines"), Form::Strings},
    });
    return table;
}

const DesignPropertyTable &TListBox::propertyTable()
{
    static const DesignPropertyTable table(staticMetaObject, TDesignControl::propertyTable(), {
        {QStringLiteral("Items"), Form::Strings},
        {QStringLiteral("Style"), Form::Enumeration, int(lbStandard)},
    });
    return table;
}

const DesignPropertyTable &TBitmapImage::propertyTable()
{
    static const DesignPropertyTable table(staticMetaObject, TDesignControl::propertyTable(), {
        {QStringLiteral("Bitmap"), Form::Bitmap},
    });
    return table;
}

void registerTestClasses(TDesignClassRegistry &registry)
{
    registry.registerClass<TPanel>(QStringLiteral("TPanel"), TPanel::propertyTable());
    registry.registerClass<TButton>(QStringLiteral("TButton"), TButton::propertyTable());
    registry.registerClass<TLabel>(QStringLiteral("TLabel"), TLabel::propertyTable());
    registry.registerClass<TMemo>(QStringLiteral("TMemo"), TMemo::propertyTable());
    registry.registerClass<TListBox>(QStringLiteral("TListBox"), TListBox::propertyTable());
    registry.registerClass<TBitmapImage>(QStringLiteral("TBitmapImage"), TBitmapImage::propertyTable());
}

} // namespace talmo::testcontrols
