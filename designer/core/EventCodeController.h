#pragma once

#include "model/CustomForm.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace talmo {

// The "Code Editor" tab without its widgets: which object and event are
// chosen, the lines the editor shows, and what the tab's buttons do to the
// page's event entries. The view shows the state after every call.
class EventCodeController
{
public:
    static inline const QString NoEventLine = QStringLiteral(
        "None Event is enabled for this control. Please press the Add Button for adding an event.");
    static inline const QString MissingObjectMessage = QStringLiteral("Error - 49, Please send email to support");
    static inline const QString MissingEventMessage = QStringLiteral("Error - 50, Please send email to support");

    // pages is the project's list (for procedure names); modified runs on every change of the entries.
    EventCodeController(TCustomForm &page, const TCustomForms *pages, std::function<void()> modified);

    // The objects list is rebuilt from the entries; the first object is chosen.
    void refreshObjects();
    const QStringList &objects() const { return m_objects; }
    int chosenObject() const { return m_object; }
    // Chooses an object (-1: none); its first enabled event is chosen.
    void chooseObject(int index);
    // Chooses the object again by its text, as after a deletion.
    void chooseObject(const QString &object);

    // The entry indexes of the chosen object's enabled events.
    const QList<int> &events() const { return m_events; }
    QStringList eventNames() const;
    QString eventOf(int entry) const { return m_page.ExecUnits[entry].Event; }
    int chosenEvent() const { return m_event; }
    // Chooses a row of events() (-1: none) and shows its procedure.
    void chooseEvent(int row);
    // The chosen entry; -1 when no event is chosen.
    int chosenEntry() const;
    // The entry whose procedure is shown: the chosen one or the one it links to.
    int shownEntry() const;

    // The declaration line and the code, or the single "no event" line.
    const QStringList &editorLines() const { return m_editorLines; }
    bool canAdd() const { return true; }
    bool canDelete() const { return chosenEntry() >= 0; }
    bool canApplyDefault() const { return chosenEntry() >= 0; }
    const QStringList &linkedObjects() const { return m_linked; }

    // The user edited the text: the lines from the second on become the code
    // of the procedure shown. Nothing happens without a chosen event.
    void editorChanged(const QStringList &lines);

    // The disabled entries of the chosen object, for the "Add" menu.
    QList<int> addableEntries() const;
    // Enables a disabled entry again and chooses it.
    void enableFromAdd(int entry);
    // Disables the chosen entry (after "Are you sure ?") and chooses its object again.
    void deleteChosen();
    // The shown procedure takes its default code (after "Are you sure ?").
    void applyDefaultCode();

    // Shows the procedure entry uses: its owner's object and event are chosen.
    // The message to show when either is missing from the lists, else empty.
    QString showProcedureOf(int entry);

private:
    void showChosen();

    TCustomForm &m_page;
    const TCustomForms *m_pages;
    std::function<void()> m_modified;
    QStringList m_objects;
    int m_object = -1;
    QList<int> m_events;
    int m_event = -1;
    QStringList m_editorLines;
    QStringList m_linked;
};

} // namespace talmo
