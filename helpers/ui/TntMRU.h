#pragma once

#include "platform/RegistryStore.h"

#include <QMenu>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QAction;

namespace talmo {

// The recently used files: a newest-first list kept in the registry (values
// "MRU1", "MRU2", ... of registryPath) and shown as one menu item per entry
// in a submenu. File names compare case-sensitively, as the file system does.
class TTntMRU : public QObject
{
    Q_OBJECT

public:
    explicit TTntMRU(QObject *parent = nullptr);
    // Saves the list when it has a registry path.
    ~TTntMRU() override;

    int maxItems() const { return m_maxItems; }
    // Values below 1 become 1; surplus entries are dropped from the bottom.
    void setMaxItems(int maxItems);
    bool showFullPath() const { return m_showFullPath; }
    void setShowFullPath(bool showFullPath);
    const QString &registryPath() const { return m_registryPath; }
    // A different path loads the list from that key.
    void setRegistryPath(const QString &registryPath);
    QMenu *parentMenu() const { return m_parentMenu; }
    void setParentMenu(QMenu *menu);

    const QStringList &items() const { return m_items; }
    void setItems(const QStringList &items);

    // Puts the name at the top (moving it when already listed); an empty name
    // is ignored.
    void add(const QString &fileName);
    // True when the name was listed.
    bool remove(const QString &fileName);

    // Replaces the list with the key's values when the key exists.
    void loadFromRegistry();
    RegistryStatus saveToRegistry() const;

    // The menu caption of an entry: the file name part, "&" doubled.
    static QString menuCaption(const QString &fileName);
    // What a list shows of entry index: its file name part, followed by its
    // folder in brackets when another entry has the same file name.
    static QString shownName(const QStringList &fileNames, int index);

signals:
    void clicked(const QString &fileName);

private:
    void trimToMaxItems();
    void rebuildMenu();
    void clearMenu();

    int m_maxItems = 4;
    bool m_showFullPath = true;
    QString m_registryPath;
    QPointer<QMenu> m_parentMenu;
    QStringList m_items;
    QList<QPointer<QAction>> m_actions;
};

} // namespace talmo
