#include "designer/pages/EventCodeTab.h"

#include "designer/script/ScriptEditor.h"
#include "helpers/ui/UiServices.h"
#include "model/ProjectContainer.h"
#include "widgets/NxHeaderPanel.h"

#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace talmo {

namespace {

const QString SureQuestion = QStringLiteral("Are you sure ?");

bool confirmed(QWidget *parent)
{
    return UiServices::current().ask(parent, QStringLiteral("Confirm"), SureQuestion, { UiButton::Yes, UiButton::No })
           == UiButton::Yes;
}

// The controller column is narrow: its captions wrap rather than clip.
QLabel *caption(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

} // namespace

EventCodeTab::EventCodeTab(TProjectContainer &project, int pageIndex, QWidget *parent)
    : QWidget(parent),
      m_project(project),
      m_controller(project.CustomForms[pageIndex], &project.CustomForms, [&project] { project.Modified = true; }),
      m_editor(new ScriptEditor),
      m_noEventMessage(caption(EventCodeController::NoEventLine)),
      m_code(new QStackedWidget),
      m_objects(new QComboBox),
      m_events(new QComboBox),
      m_add(new QPushButton(QStringLiteral("Add"))),
      m_delete(new QPushButton(QStringLiteral("Delete"))),
      m_defaultCode(new QPushButton(QStringLiteral("Apply Default Code"))),
      m_linked(new QListWidget),
      m_eventsMenu(new QMenu(this))
{
    m_objects->setObjectName(QStringLiteral("cbCodeobject"));
    m_events->setObjectName(QStringLiteral("cbCodeEvent"));
    m_linked->setObjectName(QStringLiteral("linkedObjects"));

    auto *code = new TNxHeaderPanel(this);
    code->setCaption(QStringLiteral("Code"));
    m_editor->setObjectName(QStringLiteral("SynEdit1"));
    // The header panels keep their own inner margins; the layouts add none.
    m_noEventMessage->setObjectName(QStringLiteral("noEventMessage"));
    m_noEventMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_noEventMessage->setMargin(8);
    m_code->addWidget(m_editor);
    m_code->addWidget(m_noEventMessage);
    auto *codeColumn = new QVBoxLayout(code);
    codeColumn->setContentsMargins(0, 0, 0, 0);
    codeColumn->addWidget(m_code);

    auto *controller = new TNxHeaderPanel(this);
    controller->setCaption(QStringLiteral("Event Controller"));
    // 245 pixels wide where there is room; narrower it gives way to the code.
    controller->setMaximumWidth(245);
    auto *eventRow = new QHBoxLayout;
    eventRow->addWidget(m_events, 1);
    eventRow->addWidget(m_add);
    auto *column = new QVBoxLayout(controller);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(caption(QStringLiteral("Execute this code when the object")));
    column->addWidget(m_objects);
    column->addWidget(caption(QStringLiteral("Receives the event")));
    column->addLayout(eventRow);
    column->addWidget(m_delete);
    column->addWidget(m_defaultCode);
    column->addWidget(caption(QStringLiteral("This Event is multilinked to these Objects")));
    column->addWidget(m_linked, 1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(code, 1);
    layout->addWidget(controller);

    connect(m_objects, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_controller.chooseObject(index);
        showState();
    });
    connect(m_events, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_controller.chooseEvent(index);
        showState();
    });
    connect(m_editor, &ScriptEditor::codeChanged, this, &EventCodeTab::editorChanged);
    connect(m_add, &QPushButton::clicked, this, &EventCodeTab::addClick);
    connect(m_delete, &QPushButton::clicked, this, &EventCodeTab::deleteClick);
    connect(m_defaultCode, &QPushButton::clicked, this, &EventCodeTab::defaultCodeClick);
}

void EventCodeTab::refreshObjects()
{
    m_controller.refreshObjects();
    showState();
}

void EventCodeTab::refreshEvents()
{
    m_controller.chooseObject(m_controller.chosenObject());
    showState();
}

void EventCodeTab::showProcedureOf(int entry)
{
    const QString message = m_controller.showProcedureOf(entry);
    showState();
    if (!message.isEmpty())
        UiServices::current().showMessage(this, UiMessageKind::Error, QString(), message);
}

void EventCodeTab::addClick()
{
    m_eventsMenu->clear();
    const QList<int> entries = m_controller.addableEntries();
    for (int entry : entries) {
        QAction *item = m_eventsMenu->addAction(m_controller.eventOf(entry));
        connect(item, &QAction::triggered, this, [this, entry] { enableFromMenu(entry); });
    }
    if (entries.isEmpty())
        m_eventsMenu->addAction(QStringLiteral("All Events are added"))->setEnabled(false);
    m_eventsMenu->popup(QCursor::pos());
}

void EventCodeTab::enableFromMenu(int entry)
{
    m_controller.enableFromAdd(entry);
    showState();
}

void EventCodeTab::deleteClick()
{
    if (!confirmed(this))
        return;
    m_controller.deleteChosen();
    showState();
}

void EventCodeTab::defaultCodeClick()
{
    if (!confirmed(this))
        return;
    m_controller.applyDefaultCode();
    showState();
}

void EventCodeTab::editorChanged()
{
    m_controller.editorChanged(m_editor->Lines());
    showState();
}

// Every widget from the controller; the editor only when its text differs,
// so typing keeps the caret.
void EventCodeTab::showState()
{
    const QSignalBlocker objectsBlocker(m_objects);
    const QSignalBlocker eventsBlocker(m_events);
    if (itemsOf(m_objects) != m_controller.objects()) {
        m_objects->clear();
        m_objects->addItems(m_controller.objects());
    }
    m_objects->setCurrentIndex(m_controller.chosenObject());
    m_events->clear();
    m_events->addItems(m_controller.eventNames());
    m_events->setCurrentIndex(m_controller.chosenEvent());
    if (m_editor->Lines() != m_controller.editorLines())
        m_editor->setLines(m_controller.editorLines());
    // The "no event" line is a message to the user, not code to edit.
    m_code->setCurrentWidget(m_controller.shownEntry() < 0 ? static_cast<QWidget *>(m_noEventMessage) : m_editor);
    m_add->setEnabled(m_controller.canAdd());
    m_delete->setEnabled(m_controller.canDelete());
    m_defaultCode->setEnabled(m_controller.canApplyDefault());
    m_linked->clear();
    m_linked->addItems(m_controller.linkedObjects());
}

} // namespace talmo
