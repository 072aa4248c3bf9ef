#pragma once

#include "tools/cabwiz/CabPlan.h"

#include <QByteArray>

namespace talmo::cabwiz {

// The setup descriptor stored in every cabinet as "_setup.xml", in the
// provisioning-document form that Windows Mobile 5 and later read: the install
// settings, then the folders with their files, the registry keys with their
// values and the shortcuts.
class SetupDescriptor
{
public:
    static const QString MemberName;

    static QByteArray write(const CabPlan &plan);
};

} // namespace talmo::cabwiz
