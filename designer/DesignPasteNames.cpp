#include "designer/DesignPasteNames.h"

#include "designer/DesignControl.h"
#include "helpers/core/ScriptText.h"

namespace talmo {

TDesignPasteNames::TDesignPasteNames(const TDesignControl &owner, UniqueName uniqueName, Acceptable acceptable)
    : m_owner(owner),
      m_uniqueName(std::move(uniqueName)),
      m_acceptable(std::move(acceptable))
{
}

// An unnamed component would leave the page text without a name to refer
// to it by: it gets a fresh name like a taken one.
QString TDesignPasteNames::name(const QString &storedName, const QString &className)
{
    const bool keep =
        !storedName.isEmpty() && !m_owner.findComponent(storedName) && (!m_acceptable || m_acceptable(storedName));
    if (keep)
        return storedName;
    const QString fresh = m_uniqueName(className);
    if (!storedName.isEmpty()) {
        m_oldNames << storedName;
        m_newNames << fresh;
    }
    return fresh;
}

QString TDesignPasteNames::reference(const QString &storedName) const
{
    for (qsizetype i = 0; i < m_oldNames.size(); ++i) {
        if (AsciiSameText(m_oldNames.at(i), storedName))
            return m_newNames.at(i);
    }
    return storedName;
}

TDesignReadHooks TDesignPasteNames::hooks()
{
    return {[this](const QString &storedName, const QString &className) { return name(storedName, className); },
            [this](const QString &storedName) { return reference(storedName); }};
}

} // namespace talmo
