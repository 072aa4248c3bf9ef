#include "helpers/ui/TntMRU.h"

#include "platform/Registry.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace talmo {

namespace {
QString valueName(int number)
{
    return QStringLiteral("MRU") + QString::number(number);
}
} // namespace

TTntMRU::TTntMRU(QObject *parent)
    : QObject(parent)
{
}

TTntMRU::~TTntMRU()
{
    if (m_registryPath.isEmpty())
        return;
    // A failed save leaves the store's changes pending; the program's last
    // commit at quit tries again and reports the failure once.
    (void)saveToRegistry();
}

void TTntMRU::setMaxItems(int maxItems)
{
    m_maxItems = qMax(1, maxItems);
    if (m_items.size() > m_maxItems) {
        trimToMaxItems();
        rebuildMenu();
    }
}

void TTntMRU::setShowFullPath(bool showFullPath)
{
    m_showFullPath = showFullPath;
    rebuildMenu();
}

void TTntMRU::setRegistryPath(const QString &registryPath)
{
    if (registryPath == m_registryPath)
        return;
    m_registryPath = registryPath;
    loadFromRegistry();
}

void TTntMRU::setParentMenu(QMenu *menu)
{
    if (menu == m_parentMenu)
        return;
    clearMenu();
    m_parentMenu = menu;
    rebuildMenu();
}

void TTntMRU::setItems(const QStringList &items)
{
    m_items = items;
    rebuildMenu();
}

void TTntMRU::add(const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    m_items.removeAll(fileName);
    m_items.prepend(fileName);
    trimToMaxItems();
    rebuildMenu();
}

bool TTntMRU::remove(const QString &fileName)
{
    if (m_items.removeAll(fileName) == 0)
        return false;
    rebuildMenu();
    return true;
}

void TTntMRU::loadFromRegistry()
{
    if (m_registryPath.isEmpty())
        return;
    Registry registry;
    if (!registry.openKey(m_registryPath, false))
        return;
    QStringList loaded;
    for (int number = 1; number <= m_maxItems; ++number) {
        if (const std::optional<QString> name = registry.readString(valueName(number)))
            loaded.append(*name);
    }
    setItems(loaded);
}

// Every slot up to maxItems is cleared before the list is written, so no
// value of an older, longer or gapped list survives to show up twice.
RegistryStatus TTntMRU::saveToRegistry() const
{
    Registry registry;
    if (RegistryStatus status = registry.openKey(m_registryPath, true); !status)
        return status;
    for (int number = 1; number <= m_maxItems; ++number) {
        if (registry.valueExists(valueName(number))) {
            if (RegistryStatus status = registry.deleteValue(valueName(number)); !status)
                return status;
        }
    }
    for (int index = 0; index < m_items.size(); ++index) {
        if (RegistryStatus status = registry.writeString(valueName(index + 1), m_items.at(index)); !status)
            return status;
    }
    return registry.closeKey();
}

namespace {

// Where the file name part starts: after "/" as well as the "\" and ":" of
// the names written on Windows.
qsizetype fileNameStart(const QString &fileName)
{
    static const QList<QChar> separators = { QLatin1Char('\\'), QLatin1Char(':'), QLatin1Char('/') };
    qsizetype start = 0;
    for (const QChar separator : separators)
        start = qMax(start, fileName.lastIndexOf(separator) + 1);
    return start;
}

QString literalAmpersands(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

QString TTntMRU::menuCaption(const QString &fileName)
{
    return literalAmpersands(fileName.mid(fileNameStart(fileName)));
}

QString TTntMRU::shownName(const QStringList &fileNames, int index)
{
    const QString &fileName = fileNames.at(index);
    const qsizetype start = fileNameStart(fileName);
    const QString name = fileName.mid(start);
    const bool shared = std::any_of(fileNames.begin(), fileNames.end(), [&](const QString &other) {
        return &other != &fileName && other.mid(fileNameStart(other)) == name;
    });
    if (!shared || start == 0)
        return name;
    return name + QStringLiteral(" (") + fileName.left(start > 1 ? start - 1 : start) + u')';
}

void TTntMRU::trimToMaxItems()
{
    while (m_items.size() > m_maxItems)
        m_items.removeLast();
}

void TTntMRU::clearMenu()
{
    for (const QPointer<QAction> &action : std::as_const(m_actions))
        delete action.data();
    m_actions.clear();
}

void TTntMRU::rebuildMenu()
{
    if (!m_parentMenu)
        return;
    clearMenu();
    for (int index = 0; index < m_items.size(); ++index) {
        QAction *action = m_parentMenu->addAction(literalAmpersands(shownName(m_items, index)));
        action->setData(index);
        connect(action, &QAction::triggered, this, [this, index] {
            if (index < m_items.size())
                emit clicked(m_items.at(index));
        });
        m_actions.append(action);
    }
}

} // namespace talmo
