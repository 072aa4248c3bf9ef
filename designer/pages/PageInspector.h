#pragma once

#include "designer/core/ControlRenameEdit.h"
#include "designer/core/PageEventRows.h"
#include "designer/core/PageFields.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

namespace talmo {

class PropertyWhiteList;
class TDesignControl;
class TNextInspector;
class TNxPropertyItem;
class TProjectContainer;
struct TCustomForm;

// What the inspector asks of the page designer around it.
struct PageInspectorHooks
{
    std::function<void()> savePage;
    // A control took a new name: the objects drop-down, the event entries
    // and the captions follow.
    std::function<void()> controlRenamed;
    // The page's name, caption or description changed.
    std::function<void()> pageFieldsChanged;
    // An event was enabled: its procedure is shown in the code tab.
    std::function<void(int entry)> showEventCode;
    // An event was disabled: the code tab refreshes its lists.
    std::function<void()> eventDisabled;
};

// The project window's inspector while a page designer is shown: the page's
// own rows and events with nothing selected, a control's white-listed
// properties and events with one selected, one row for several. Property
// rows are bound to the control; page fields, set members, fonts, renames
// and event rows are handed to the edits that decide them, and this class
// shows the outcome.
class PageInspector : public QObject
{
    Q_OBJECT
public:
    enum Tag {
        PropertiesTag = 0,
        EventsTag = 1,
        SetTag = 98,
        SetMemberTag = 99,
        FontTag = 100,
        PageNameTag = 200,
        PageCaptionTag = 201,
        PageDescriptionTag = 202,
        CreationOrderTag = 203,
        PageEnabledTag = 204,
    };

    static inline const QString MultipleSelection = QStringLiteral("Multiple Objects Selected");

    // The inspector's signals are connected with context, which the host
    // deletes when another page takes the inspector.
    PageInspector(TNextInspector &inspector, TProjectContainer &project, int pageIndex, const PropertyWhiteList &whiteList,
                  PageInspectorHooks hooks, QObject *context);

    // Rows for the selection (the root never counts as selected).
    void fill(const QList<TDesignControl *> &selection);

    // The handlers of the inspector's signals; public for the designer's double click.
    void itemSelected(TNxPropertyItem *row);
    void edit(TNxPropertyItem *row, const QString &text, bool &accept);
    void editDoubleClick();
    void changed(TNxPropertyItem *row, const QString &value);
    void fontButtonClick(TNxPropertyItem *row);

private:
    TCustomForm &page() const;
    QString selectedObject() const;
    void fillPage();
    void fillControl(TDesignControl &control);
    void addPropertyRows(TNxPropertyItem *parent, QObject *object, bool whiteListed);
    void addEventRows(const QString &object);
    void showEventValue(TNxPropertyItem *row, int entry);
    // Shows value in row without taking it for an edit.
    void showQuietly(TNxPropertyItem *row, const QString &value);
    void showError(const QString &message);
    static bool isEventRow(const TNxPropertyItem *row);
    static bool isPropertyRow(const TNxPropertyItem *row);
    void controlRenamed(TNxPropertyItem *row);
    void propertyChanged(TNxPropertyItem *row, const QString &value);
    // The page field a row edits takes value; the refusal to show, else empty.
    QString pageFieldChanged(TNxPropertyItem *row, const QString &value);
    void setMemberChanged(TNxPropertyItem *member);
    void eventChanged(TNxPropertyItem *row, const QString &value);
    void markModified();

    TNextInspector &m_inspector;
    TProjectContainer &m_project;
    int m_pageIndex;
    const PropertyWhiteList &m_whiteList;
    PageInspectorHooks m_hooks;
    PageFields m_fields;
    ControlRenameEdit m_rename;
    PageEventRows m_events;
    QList<QPointer<TDesignControl>> m_selection;
    bool m_quiet = false;
};

} // namespace talmo
