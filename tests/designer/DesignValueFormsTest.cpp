#include "tests/support/QtPrinters.h"

#include "designer/DesignValueCodec.h"
#include "designer/DesignValueNames.h"
#include "helpers/core/ComponentText.h"
#include "tests/designer/DesignTestControls.h"
#include "widgets/ColorNames.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>

using namespace talmo;
using namespace talmo::testcontrols;

namespace {

using Form = DesignValueForm;

QMetaProperty propertyOf(const QMetaObject &meta, const char *name)
{
    return meta.property(meta.indexOfProperty(name));
}

// The one-line text of a value, as a property line shows it after " = ".
QString textOf(const ComponentTextValue &value)
{
    ComponentTextNode node;
    node.className = QStringLiteral("T");
    node.properties.push_back({QStringLiteral("P"), value});
    return ComponentText::toLines(node).at(1).mid(6);
}

// The constants the installer's script declares.
QSet<QString> scriptConstants()
{
    QFile file(QStringLiteral(TALMO_FACTS_DIR "/script-types.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QSet<QString> names;
    static const QRegularExpression constant(QStringLiteral("^const (\\w+):"), QRegularExpression::MultilineOption);
    auto it = constant.globalMatch(QString::fromUtf8(file.readAll()));
    while (it.hasNext())
        names.insert(it.next().captured(1));
    return names;
}

} // namespace

TEST(DesignValueForms, WrittenForms)
{
    const QMetaProperty align = propertyOf(TPanel::staticMetaObject, "Align");
    const QMetaProperty anchors = propertyOf(TPanel::staticMetaObject, "Anchors");
    const struct {
        Form form;
        QMetaProperty property;
        QVariant value;
        QString text;
    } cases[] = {
        {Form::Color, {}, int(clBtnFace), "clBtnFace"},
        {Form::Color, {}, int(clRed), "clRed"},
        {Form::Color, {}, int(clNone), "clNone"},
        {Form::Color, {}, int(clSkyBlue), "15780518"},
        {Form::Color, {}, int(clMenuBar), "-16777186"},
        {Form::Color, {}, 0x123456, "1193046"},
        {Form::Cursor, {}, -21, "crHandPoint"},
        {Form::Cursor, {}, 0, "crDefault"},
        {Form::Cursor, {}, -22, "-22"},
        {Form::Cursor, {}, -5, "-5"},
        {Form::Cursor, {}, 1, "1"},
        {Form::Charset, {}, 1, "DEFAULT_CHARSET"},
        {Form::Charset, {}, 255, "OEM_CHARSET"},
        {Form::Charset, {}, 200, "200"},
        {Form::Enumeration, align, int(TPanel::alClient), "alClient"},
        {Form::Set, anchors, int(TPanel::akLeft | TPanel::akTop), "[akLeft, akTop]"},
        {Form::Set, anchors, 0, "[]"},
        {Form::Boolean, {}, false, "False"},
        {Form::Integer, {}, -7, "-7"},
        {Form::String, {}, QStringLiteral("it's"), "'it'#39's'"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(textOf(DesignValueCodec::write(c.form, c.property, c.value)), c.text);
        const std::optional<QVariant> back = DesignValueCodec::read(c.form, c.property,
                                                                    DesignValueCodec::write(c.form, c.property, c.value));
        ASSERT_TRUE(back.has_value()) << c.text.toStdString();
        EXPECT_EQ(back->toString(), c.value.toString()) << c.text.toStdString();
    }
}

TEST(DesignValueForms, ReadingAcceptsEveryLibraryNameAndRefusesStrangers)
{
    using V = ComponentTextValue;
    const QMetaProperty align = propertyOf(TPanel::staticMetaObject, "Align");
    const QMetaProperty anchors = propertyOf(TPanel::staticMetaObject, "Anchors");
    const struct {
        Form form;
        QMetaProperty property;
        ComponentTextValue text;
        std::optional<int> value;
    } cases[] = {
        {Form::Color, {}, V::fromIdentifier("clSkyBlue"), int(clSkyBlue)},
        {Form::Color, {}, V::fromIdentifier("CLBTNFACE"), int(clBtnFace)},
        {Form::Color, {}, V::fromInteger(-16777201), int(clBtnFace)},
        {Form::Color, {}, V::fromIdentifier("clNoSuch"), std::nullopt},
        {Form::Color, {}, V::fromString("clRed"), std::nullopt},
        {Form::Color, {}, V::fromInteger(1LL << 40), std::nullopt},
        {Form::Cursor, {}, V::fromIdentifier("crSizeAll"), -22},
        {Form::Cursor, {}, V::fromIdentifier("crHand"), std::nullopt}, // the script's own, not the library's
        {Form::Charset, {}, V::fromIdentifier("ANSI_CHARSET"), 0},
        {Form::Charset, {}, V::fromInteger(256), std::nullopt},
        {Form::Enumeration, align, V::fromIdentifier("ALTOP"), int(TPanel::alTop)},
        {Form::Enumeration, align, V::fromIdentifier("alMiddle"), std::nullopt},
        {Form::Enumeration, align, V::fromInteger(1), std::nullopt},
        {Form::Set, anchors, V::fromSet({"akRight", "akBottom"}), int(TPanel::akRight | TPanel::akBottom)},
        {Form::Set, anchors, V::fromSet({"akUp"}), std::nullopt},
        {Form::Boolean, {}, V::fromIdentifier("true"), 1},
        {Form::Boolean, {}, V::fromInteger(1), std::nullopt},
        {Form::Integer, {}, V::fromFloat(1.5), std::nullopt},
        {Form::String, {}, V::fromIdentifier("Text"), std::nullopt},
    };
    for (const auto &c : cases) {
        const std::optional<QVariant> value = DesignValueCodec::read(c.form, c.property, c.text);
        ASSERT_EQ(value.has_value(), c.value.has_value()) << c.text.text().toStdString();
        if (value) {
            EXPECT_EQ(value->toInt(), *c.value) << c.text.text().toStdString();
        }
    }
}

// The script generator copies values into the setup script as they stand:
// every identifier written must be one the script declares.
TEST(DesignValueForms, WrittenColourAndCursorNamesAreScriptConstants)
{
    const QSet<QString> declared = scriptConstants();
    ASSERT_TRUE(declared.contains("clBtnFace"));
    int named = 0;
    for (const ColorNames::Identifier &identifier : ColorNames::identifiers()) {
        const ComponentTextValue value = DesignValueNames::colorValue(identifier.color);
        if (value.kind() == ComponentTextValue::Kind::Identifier) {
            EXPECT_TRUE(declared.contains(value.text())) << value.text().toStdString();
            ++named;
        }
    }
    EXPECT_EQ(named, 44);
    for (int cursor = -30; cursor <= 30; ++cursor) {
        const ComponentTextValue value = DesignValueNames::cursorValue(cursor);
        if (value.kind() == ComponentTextValue::Kind::Identifier) {
            EXPECT_TRUE(declared.contains(value.text())) << value.text().toStdString();
        }
    }
}
