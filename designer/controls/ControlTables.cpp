#include "designer/controls/ControlTables.h"

#include "designer/DesignFont.h"
#include "designer/controls/FontedControl.h"
#include "helpers/core/ScriptText.h"

#include <algorithm>

namespace talmo {

namespace row {

using Form = DesignValueForm;

DesignProperty align() { return {QStringLiteral("Align"), Form::Enumeration, int(TVisualControl::alNone)}; }
DesignProperty alignment(int defaultValue) { return enumeration("Alignment", defaultValue); }
DesignProperty anchors()
{
    return {QStringLiteral("Anchors"), Form::Set, int(TVisualControl::akLeft | TVisualControl::akTop)};
}
DesignProperty borderStyle(int defaultValue) { return enumeration("BorderStyle", defaultValue); }
DesignProperty boolean(const char *name, bool defaultValue)
{
    return {QString::fromLatin1(name), Form::Boolean, defaultValue};
}
DesignProperty caption() { return text("Caption"); }
DesignProperty color(int defaultValue)
{
    return {QStringLiteral("Color"), Form::Color, defaultValue, TFontedControl::colorStored};
}
DesignProperty enabled() { return boolean("Enabled", true); }
DesignProperty enumeration(const char *name, int defaultValue)
{
    return {QString::fromLatin1(name), Form::Enumeration, defaultValue};
}
DesignProperty font()
{
    return {QStringLiteral("Font"), Form::Object, {}, TFontedControl::fontStored, &TDesignFont::propertyTable()};
}
DesignProperty integer(const char *name, int defaultValue)
{
    return {QString::fromLatin1(name), Form::Integer, defaultValue};
}
DesignProperty parentColor(bool defaultValue) { return boolean("ParentColor", defaultValue); }
DesignProperty parentFont() { return boolean("ParentFont", true); }
DesignProperty reference(const char *name) { return {QString::fromLatin1(name), Form::Reference}; }
DesignProperty showHint() { return boolean("ShowHint", false); }
DesignProperty strings(const char *name) { return {QString::fromLatin1(name), Form::Strings}; }
// Never equal to a real place, so every windowed control writes its place.
DesignProperty tabOrder() { return integer("TabOrder", -1); }
DesignProperty tabStop(bool defaultValue) { return boolean("TabStop", defaultValue); }
DesignProperty text(const char *name) { return {QString::fromLatin1(name), Form::String, QString()}; }
DesignProperty visible() { return boolean("Visible", true); }

} // namespace row

DesignPropertyTable controlTable(const QMetaObject &meta, std::vector<DesignProperty> own)
{
    std::stable_sort(own.begin(), own.end(), [](const DesignProperty &a, const DesignProperty &b) {
        return AsciiCompareText(a.name, b.name) < 0;
    });
    return DesignPropertyTable(meta, TDesignControl::propertyTable(), std::move(own));
}

} // namespace talmo
