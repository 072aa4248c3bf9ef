#pragma once

#include "designer/DesignPropertyTable.h"
#include "helpers/core/ComponentTextValue.h"

#include <QMetaProperty>
#include <QVariant>

#include <optional>

namespace talmo {

// A plain property's value (every form but the object-valued ones) and its
// page text value, both ways.
class DesignValueCodec
{
public:
    static ComponentTextValue write(DesignValueForm form, const QMetaProperty &property, const QVariant &value);
    // Nothing when the text value is not one the property can take.
    static std::optional<QVariant> read(DesignValueForm form, const QMetaProperty &property,
                                        const ComponentTextValue &value);
    // Whether value equals the default, compared as the form's values.
    static bool isDefault(DesignValueForm form, const QVariant &value, const QVariant &defaultValue);
};

} // namespace talmo
