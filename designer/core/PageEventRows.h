#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace talmo {

class CodeIdentifiers;
class TProjectContainer;
struct TCustomForm;

// What an event row shows for its entry: the entry's own procedure, or the
// procedure it links to with the linked mark; nothing while it is disabled.
struct EventRowValue
{
    QString text;
    bool linked = false;
};

// What a value given to an event row did to its entry.
struct EventRowEdit
{
    enum Result { Ignored, Enabled, Disabled, Refused };

    Result result = Ignored;
    // The procedure name a command ("View Code", "Create Event") stood for,
    // for the row to show in its place.
    std::optional<QString> named;
    // Why the name was refused; the entry stays as it was.
    QString message;
};

// The event rows of a page in the inspector, without their widgets: what a
// row shows and offers, and what a chosen, typed or cleared value does to
// the page's event entries and the project.
class PageEventRows
{
public:
    static inline const QString ViewCode = QStringLiteral("View Code");
    static inline const QString CreateEvent = QStringLiteral("Create Event");
    static inline const QString DisableEvent = QStringLiteral("Disable Event");
    static inline const QString LinkedSuffix = QStringLiteral(" [ Linked Event ]");

    PageEventRows(TProjectContainer &project, int page);

    EventRowValue valueOf(int entry) const;
    // The choices of the row of that object's event: "View Code" or "Create
    // Event", then the procedures it may share; nothing without such an entry.
    QStringList choicesOf(const QString &object, const QString &event) const;
    // What a double click puts into a row that shows text.
    static QString doubleClicked(const QString &text);

    // Applies a row's value to entry: a command, a procedure name (a linked
    // one may keep its mark), or nothing (also "Disable Event") to disable it.
    // Any change to a known entry marks the project modified, a refused one too.
    EventRowEdit apply(int entry, const QString &value);
    // The name "Create Event" gives, numbered on while the setup's code
    // already declares it otherwise.
    QString createdEventName(int entry) const;

private:
    TCustomForm &page() const;
    // What the setup's code declares as the project now stands.
    CodeIdentifiers identifiers() const;
    // The name a typed or chosen value gives: without the linked mark, and
    // empty for disabling.
    static QString procedureName(QString value);
    // The procedure a command names for entry; nothing when name is no command.
    std::optional<QString> commandName(int entry, const QString &name) const;

    TProjectContainer &m_project;
    int m_page;
};

} // namespace talmo
