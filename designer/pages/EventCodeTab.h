#pragma once

#include "designer/core/EventCodeController.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QStackedWidget;
class QMenu;
class QPushButton;

namespace talmo {

class ScriptEditor;
class TProjectContainer;

// The "Code Editor" tab of the page designer: the code of one event at a
// time in the script editor, with the object and event lists, "Add",
// "Delete", "Apply Default Code" and the objects sharing the procedure.
class EventCodeTab : public QWidget
{
    Q_OBJECT
public:
    EventCodeTab(TProjectContainer &project, int pageIndex, QWidget *parent = nullptr);

    EventCodeController &controller() { return m_controller; }
    ScriptEditor *editor() const { return m_editor; }
    // Shown in the editor's place while the object has no event enabled.
    QLabel *noEventMessage() const { return m_noEventMessage; }
    QComboBox *objectsBox() const { return m_objects; }
    QComboBox *eventsBox() const { return m_events; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *deleteButton() const { return m_delete; }
    QPushButton *defaultCodeButton() const { return m_defaultCode; }
    QListWidget *linkedObjects() const { return m_linked; }
    // The "Add" menu as the last click on "Add" filled it.
    QMenu *eventsMenu() const { return m_eventsMenu; }

    // The objects were rebuilt from the entries (after SyncEventEntries).
    void refreshObjects();
    // The chosen object's events again (after an event was disabled elsewhere).
    void refreshEvents();
    // Shows the procedure of entry; a missing object or event is reported.
    void showProcedureOf(int entry);

    // The buttons' handlers.
    void addClick();
    void deleteClick();
    void defaultCodeClick();

private:
    void enableFromMenu(int entry);
    void showState();
    void editorChanged();

    TProjectContainer &m_project;
    EventCodeController m_controller;
    ScriptEditor *m_editor;
    QLabel *m_noEventMessage;
    QStackedWidget *m_code;
    QComboBox *m_objects;
    QComboBox *m_events;
    QPushButton *m_add;
    QPushButton *m_delete;
    QPushButton *m_defaultCode;
    QListWidget *m_linked;
    QMenu *m_eventsMenu;
};

} // namespace talmo
