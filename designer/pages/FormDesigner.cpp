#include "designer/pages/FormDesigner.h"

#include "designer/PageDfm.h"
#include "designer/controls/FormDesignerClasses.h"
#include "designer/controls/Panel.h"
#include "designer/core/CodeIdentifiers.h"
#include "designer/core/PageEventEntries.h"
#include "designer/core/PageNameRules.h"
#include "designer/core/ProcedureNames.h"
#include "designer/engine/EELDesigner.h"
#include "designer/engine/TELDesignPanel.h"
#include "designer/engine/TELDesigner.h"
#include "designer/engine/TELDesignerGrid.h"
#include "designer/engine/TELDesignerSelectedControls.h"
#include "designer/pages/DesignerPalette.h"
#include "designer/pages/DesignerPictures.h"
#include "designer/pages/EventCodeTab.h"
#include "designer/pages/PageControlNames.h"
#include "designer/pages/PageInspector.h"
#include "designer/core/CompletionTypes.h"
#include "designer/script/ScriptEditor.h"
#include "designer/script/ScriptHelpPane.h"
#include "helpers/core/ComponentTextError.h"
#include "helpers/ui/UiServices.h"
#include "model/EventUnitHandOver.h"
#include "model/ProjectContainer.h"
#include "pagehost/IProjectWindowHost.h"
#include "pagehost/ProjectPageFactory.h"
#include "scriptknowledge/PropertyWhiteList.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "widgets/NextInspector.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxTabSheet.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

namespace talmo {

namespace {

constexpr int CodeTabIndex = 1;

const PropertyWhiteList &whiteListOf(const ScriptKnowledgeBase *knowledge)
{
    static const PropertyWhiteList standalone;
    return knowledge ? knowledge->DesignerPropertyWhiteList() : standalone;
}

TNxTabSheet *tabSheet(const QString &caption, QWidget *content)
{
    auto *sheet = new TNxTabSheet;
    sheet->setCaption(caption);
    auto *layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return sheet;
}

} // namespace

TFormDesigner::TFormDesigner(TProjectContainer &project, IProjectWindowHost &host, int formIndex,
                             const ScriptKnowledgeBase *knowledge, QWidget *parent)
    : HostedPage(parent),
      m_project(project),
      m_host(host),
      m_formIndex(formIndex),
      m_knowledge(knowledge),
      m_whiteList(whiteListOf(knowledge)),
      m_root(new TPanel(this)),
      m_pages(new TNxPageControl(this)),
      m_palette(new DesignerPalette),
      m_toolBar(new QToolBar),
      m_copy(new QAction(QStringLiteral("Copy"), this)),
      m_cut(new QAction(QStringLiteral("Cut"), this)),
      m_paste(new QAction(QStringLiteral("Paste"), this)),
      m_delete(new QAction(QStringLiteral("Delete"), this)),
      m_surfaceMenu(new QMenu(this)),
      m_selectAll(new QAction(QStringLiteral("Select All"), this)),
      m_bringToFront(new QAction(QStringLiteral("Bring to Front"), this)),
      m_sendToBack(new QAction(QStringLiteral("Send to Back"), this)),
      m_caption(new QLabel),
      m_description(new QLabel),
      m_designPanel(new TELDesignPanel),
      m_designer(new TELDesigner(m_registry, this))
{
    setObjectName(QStringLiteral("FormDesigner"));
    setWindowTitle(WindowCaption);
    InitFormDesignerUnit(m_registry);
    m_root->hide();
    m_codeTabTimer.setSingleShot(true);
    m_codeTabTimer.setInterval(150);
    connect(&m_codeTabTimer, &QTimer::timeout, this, [this] { m_pages->setActivePageIndex(CodeTabIndex); });
    if (pageExists())
        m_codeTab = new EventCodeTab(project, formIndex);
    if (m_codeTab && knowledge)
        m_codeTab->editor()->setCompletionScope(
            *knowledge, [&project, formIndex] { return CompletionScopeOf(project, formIndex); });
    buildLayout();
    bindDesigner();
    FormShow();
}

TFormDesigner::~TFormDesigner()
{
    if (m_loaded)
        SavePageDfm();
    delete m_hostContext;
    m_designer->SetActive(false);
}

TCustomForm &TFormDesigner::page() const
{
    return m_project.CustomForms[m_formIndex];
}

bool TFormDesigner::pageExists() const
{
    return m_formIndex >= 0 && m_formIndex < m_project.CustomForms.Count();
}

void TFormDesigner::buildLayout()
{
    m_pages->setTabHeight(17);
    UseFixedPages(*m_pages);
    m_pages->addPage(tabSheet(QStringLiteral("Form Designer"), buildDesignerTab()), true);
    m_pages->addPage(tabSheet(QStringLiteral("Code Editor"), m_codeTab ? static_cast<QWidget *>(m_codeTab) : new QWidget),
                     true);
    m_pages->setActivePageIndex(0);
    connect(m_pages, &TNxPageControl::change, this, &TFormDesigner::pageTabChanged);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
    resize(658, 555);
}

QWidget *TFormDesigner::buildDesignerTab()
{
    auto *tab = new QWidget;
    auto *strip = new QWidget;
    auto *controlsLabel = new QLabel(QStringLiteral("Controls"));
    controlsLabel->setFixedSize(61, m_palette->pointerButton()->sizeHint().height());
    auto *stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(4, 0, 0, 0);
    stripLayout->addWidget(controlsLabel, 0, Qt::AlignTop);
    stripLayout->addWidget(m_palette, 1);

    for (QAction *action : { m_copy, m_cut, m_paste })
        m_toolBar->addAction(action);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_delete);

    auto *preview = new QWidget;
    preview->setFixedSize(506, 392);
    auto *picture = new QLabel(preview);
    picture->setPixmap(DesignerPictures::emptyWizard());
    picture->setGeometry(3, 0, 503, 392);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    m_caption->setParent(preview);
    m_caption->move(32, 40);
    m_description->setParent(preview);
    m_description->move(46, 59);
    m_designPanel->setParent(preview);
    m_designPanel->setGeometry(47, 104, 418, 230);
    auto *scroll = new QScrollArea;
    scroll->setWidget(preview);

    auto *header = new TNxHeaderPanel;
    header->setCaption(QStringLiteral("Designer"));
    // The header panel keeps its own inner margins; the layout adds none, so
    // that a small window leaves the page as much room as it can.
    auto *headerLayout = new QVBoxLayout(header);
    headerLayout->setContentsMargins(0, 0, 0, 0);
    headerLayout->setSpacing(0);
    headerLayout->addWidget(m_toolBar);
    headerLayout->addWidget(scroll, 1);

    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(strip);
    layout->addWidget(header, 1);
    buildSurfaceMenu();
    return tab;
}

void TFormDesigner::buildSurfaceMenu()
{
    QMenu *edit = m_surfaceMenu->addMenu(QStringLiteral("Edit"));
    for (QAction *action : { m_cut, m_copy, m_paste, m_delete })
        edit->addAction(action);
    edit->addSeparator();
    edit->addAction(m_selectAll);
    QMenu *control = m_surfaceMenu->addMenu(QStringLiteral("Control"));
    control->addAction(m_bringToFront);
    control->addAction(m_sendToBack);
    connect(m_surfaceMenu, &QMenu::aboutToShow, this, &TFormDesigner::prepareSurfaceMenu);
    connect(m_copy, &QAction::triggered, this, &TFormDesigner::copyControls);
    connect(m_cut, &QAction::triggered, this, &TFormDesigner::cutControls);
    connect(m_paste, &QAction::triggered, this, &TFormDesigner::pasteControls);
    connect(m_delete, &QAction::triggered, this, &TFormDesigner::deleteControls);
    connect(m_selectAll, &QAction::triggered, this, &TFormDesigner::selectAllControls);
    connect(m_bringToFront, &QAction::triggered, this, [this] { changeControlOrder(0); });
    connect(m_sendToBack, &QAction::triggered, this, [this] { changeControlOrder(1); });
}

void TFormDesigner::bindDesigner()
{
    m_designer->SetDesignPanel(m_designPanel);
    m_designer->Grid().setXStep(4);
    m_designer->Grid().setYStep(4);
    m_designer->SetPopupMenu(m_surfaceMenu);
    TELHandleColors colors = m_designer->HandleColors();
    colors.handleClr = Qt::blue;
    colors.handleBorderClr = Qt::blue;
    m_designer->SetHandleColors(colors);
    TELDesignerEvents &events = m_designer->events;
    events.OnModified = [this] { designerModified(); };
    events.OnControlInserting = [this](TELControlInsertingArgs &args) { controlInserting(args); };
    events.OnControlInserted = [this] { controlInserted(); };
    events.OnChangeSelection = [this] { ChangeSelection(); };
    events.OnKeyDown = [this](TELKeyArgs &args) { designerKeyDown(args); };
    events.OnValidateName = [this](TELValidateNameArgs &args) {
        args.refusal = controlNameRefusal(args.currentName, args.name);
        args.isValidName = args.refusal.isEmpty();
    };
    connect(m_designer, &TELDesigner::controlsPasted, this, &TFormDesigner::controlsPasted);
    connect(m_palette, &DesignerPalette::clicked, this, &TFormDesigner::paletteClicked);
}

void TFormDesigner::FormShow()
{
    m_host.showSidePane(SidePane::PropertiesAndHelp);
    m_hostContext = new QObject(m_host.pageContext());
    QComboBox *dropDown = m_host.objectsDropDown();
    dropDown->show();
    connect(dropDown, &QComboBox::currentIndexChanged, m_hostContext,
            [this](int index) { objectsDropDownChanged(index); });
    if (m_knowledge) {
        m_helpPane = new ScriptHelpPane(m_host, *m_knowledge, m_hostContext);
        m_helpPane->bind();
        if (m_codeTab)
            connect(m_codeTab->editor(), &ScriptEditor::locateSelectionInHelper, m_helpPane, &ScriptHelpPane::locate);
    }
    if (!pageExists()) {
        UiServices::current().showMessage(this, UiMessageKind::Error, WindowCaption, WrongIndexMessage);
        return;
    }
    PageInspectorHooks hooks;
    hooks.savePage = [this] { SavePageDfm(); };
    hooks.controlRenamed = [this] {
        SyncObjectsDropDown();
        SyncEventEntries();
        UpdatePageCaptions();
    };
    hooks.pageFieldsChanged = [this] {
        UpdatePageCaptions();
        m_host.setCurrentNodeText(page().Name);
    };
    hooks.showEventCode = [this](int entry) { showEventCode(entry); };
    hooks.eventDisabled = [this] { m_codeTab->refreshEvents(); };
    m_inspector = new PageInspector(*m_host.inspector(), m_project, m_formIndex, m_whiteList, std::move(hooks),
                                    m_hostContext);
    m_pages->setActivePageIndex(0);
    TCustomForm &form = page();
    if (form.Caption.isEmpty())
        form.Caption = QStringLiteral("CustomForm Caption");
    if (form.Description.isEmpty())
        form.Description = QStringLiteral("CustomForm Description");
    if (form.Name.isEmpty())
        form.Name = QStringLiteral("NewCustomForm");
    m_palette->selectPointer();
    if (!loadPage())
        return;
    m_designer->SetDesignControl(m_root);
    m_designer->SetActive(true);
    ChangeSelection();
    SyncObjectsDropDown();
    SyncEventEntries();
    if (m_helpPane)
        m_helpPane->restart();
    UpdatePageCaptions();
}

// A page whose text cannot be read keeps its text: the error is shown, the
// surface stays off and nothing is saved over it.
bool TFormDesigner::loadPage()
{
    m_root->setParent(m_designPanel);
    m_root->show();
    try {
        PageDfm::OpenPage(*m_root, page(), m_registry);
    } catch (const ComponentTextError &error) {
        UiServices::current().showMessage(this, UiMessageKind::Error, WindowCaption, QString::fromUtf8(error.what()));
        return false;
    }
    // Whatever size the text stored, the engine lets the root fill the surface.
    m_root->setAlign(TVisualControl::alClient);
    m_loaded = true;
    return true;
}

void TFormDesigner::SavePageDfm()
{
    if (m_loaded)
        PageDfm::SavePageDfm(*m_root, page(), m_registry);
}

void TFormDesigner::controlInserting(TELControlInsertingArgs &args)
{
    const int index = m_palette->selectedIndex();
    args.controlClass = index < 0 ? QString() : DesignerPalette::className(index);
    if (!m_keepPaletteSelection)
        m_palette->selectPointer();
}

void TFormDesigner::paletteClicked(bool shift)
{
    m_keepPaletteSelection = shift;
}

void TFormDesigner::controlInserted()
{
    SyncObjectsDropDown();
    SyncEventEntries();
    markModified();
}

// Whatever the engine changed, by command or by key: a changed set of
// controls brings the event entries along.
void TFormDesigner::designerModified()
{
    ChangeSelection();
    if (m_loaded && controlNames() != m_syncedControls)
        controlsChanged();
    SavePageDfm();
    markModified();
}

void TFormDesigner::ChangeSelection()
{
    if (!m_loaded)
        return;
    m_fillingDropDown = true;
    enableClipboardButtons();
    const QList<TDesignControl *> selection = selectedControls();
    if (selection.size() == 1 && selection.first() == m_root) {
        m_designer->SelectedControls().Clear();
        m_fillingDropDown = false;
        return;
    }
    SyncObjectsDropDown();
    m_fillingDropDown = true;
    QComboBox *dropDown = m_host.objectsDropDown();
    dropDown->setEnabled(true);
    if (m_inspector)
        m_inspector->fill(selection);
    m_delete->setEnabled(!selection.isEmpty());
    dropDown->setPlaceholderText(selection.size() > 1 ? PageInspector::MultipleSelection : QString());
    m_fillingDropDown = false;
}

void TFormDesigner::designerKeyDown(TELKeyArgs &args)
{
    if (args.shift != Qt::ControlModifier)
        return;
    if (args.key == Qt::Key_C)
        copyControls();
    else if (args.key == Qt::Key_X)
        cutControls();
    else if (args.key == Qt::Key_V)
        pasteControls();
}

void TFormDesigner::copyControls()
{
    if (m_designer->CanCopy())
        runEngineCommand([this] { m_designer->CopyToClipboard(); });
}

// The entries of the controls a cut takes away are kept, so that pasting
// them back under their names brings their code back.
void TFormDesigner::cutControls()
{
    if (!m_designer->CanCut())
        return;
    m_cutStash.keep(page().ExecUnits, ownedNames(selectedControls()));
    runEngineCommand([this] { m_designer->CutToClipboard(); });
    controlsChanged();
}

void TFormDesigner::pasteControls()
{
    if (!m_designer->CanPaste())
        return;
    runEngineCommand([this] { m_designer->PasteFromClipboard(); });
    controlsChanged();
}

void TFormDesigner::controlsPasted(const QList<TELPastedControl> &pasted)
{
    TCustomForm &form = page();
    for (const TELPastedControl &control : pasted) {
        if (control.oldName != control.newName || !m_cutStash.holds(control.oldName))
            continue;
        // A sync may already have given the control fresh default entries.
        for (int i = form.ExecUnits.Count() - 1; i >= 0; --i) {
            if (form.ExecUnits[i].Object == control.newName)
                DeleteEventUnit(form.ExecUnits, i);
        }
        m_cutStash.restore(form, control.newName, ProcedureNames(&m_project.CustomForms, form));
    }
}

void TFormDesigner::deleteControls()
{
    runEngineCommand([this] { m_designer->DeleteSelectedControls(); });
    controlsChanged();
}

void TFormDesigner::selectAllControls()
{
    m_designer->SelectedControls().SelectAll();
}

// Bring to Front and Send to Back change the order the page text is written
// in: it is saved at once.
void TFormDesigner::changeControlOrder(int tag)
{
    const QList<TDesignControl *> selection = selectedControls();
    if (selection.size() != 1 || m_root->components().isEmpty())
        return;
    if (tag == 0)
        selection.first()->bringToFront();
    else
        selection.first()->sendToBack();
    SavePageDfm();
    markModified();
}

void TFormDesigner::prepareSurfaceMenu()
{
    m_cut->setEnabled(m_designer->CanCut());
    m_copy->setEnabled(m_designer->CanCopy());
    m_paste->setEnabled(m_designer->CanPaste());
    const bool selected = m_designer->SelectedControls().GetCount() > 0;
    for (QAction *action : { m_delete, m_bringToFront, m_sendToBack })
        action->setEnabled(selected);
    if (!selected) {
        m_designer->SelectedControls().Clear();
        ChangeSelection();
    }
    m_selectAll->setEnabled(m_root->components().size() > 1);
}

void TFormDesigner::objectsDropDownChanged(int index)
{
    if (m_fillingDropDown || index < 0 || !m_loaded)
        return;
    auto *control = qobject_cast<TDesignControl *>(m_host.objectsDropDown()->itemData(index).value<QObject *>());
    m_fillingDropDown = true;
    TELDesignerEvents &events = m_designer->events;
    const auto selectionHandler = std::exchange(events.OnChangeSelection, nullptr);
    if (index == 0 || !control)
        m_designer->SelectedControls().Clear();
    else
        m_designer->SelectedControls().SelectOnly(control);
    events.OnChangeSelection = selectionHandler;
    m_fillingDropDown = false;
    ChangeSelection();
}

void TFormDesigner::FillObjectsDropDown()
{
    const bool filling = std::exchange(m_fillingDropDown, true);
    QComboBox *dropDown = m_host.objectsDropDown();
    dropDown->clear();
    for (TDesignControl *control : m_root->components())
        dropDown->addItem(control->name() + QStringLiteral(": ") + m_registry.classNameOf(*control),
                          QVariant::fromValue<QObject *>(control));
    dropDown->insertItem(0, PageObjectEntry, QVariant::fromValue<QObject *>(nullptr));
    m_fillingDropDown = filling;
}

void TFormDesigner::SyncObjectsDropDown()
{
    FillObjectsDropDown();
    const bool filling = std::exchange(m_fillingDropDown, true);
    QComboBox *dropDown = m_host.objectsDropDown();
    const QList<TDesignControl *> selection = selectedControls();
    int index = -1;
    if (selection.isEmpty()) {
        index = 0;
    } else if (selection.size() == 1) {
        for (int i = 1; i < dropDown->count() && index < 0; ++i) {
            if (dropDown->itemText(i).section(QStringLiteral(": "), 0, 0) == selection.first()->name())
                index = i;
        }
    }
    dropDown->setCurrentIndex(index);
    m_fillingDropDown = filling;
}

void TFormDesigner::SyncEventEntries()
{
    PageEventEntries::Sync(page(), PageControlNames(*m_root, m_registry),
                           ProcedureNames(&m_project.CustomForms, page()));
    m_syncedControls = controlNames();
    m_codeTab->refreshObjects();
}

// The drop-down is filled again and keeps naming what the inspector shows.
void TFormDesigner::controlsChanged()
{
    if (!m_loaded)
        return;
    SyncObjectsDropDown();
    SyncEventEntries();
}

void TFormDesigner::UpdatePageCaptions()
{
    const TCustomForm &form = page();
    m_caption->setText(form.Caption);
    m_caption->adjustSize();
    m_description->setText(form.Description);
    m_description->adjustSize();
    setWindowTitle(WindowCaption + QStringLiteral(" - ") + form.Name);
}

void TFormDesigner::pageTabChanged()
{
    m_host.showSidePane(m_pages->activePageIndex() == CodeTabIndex ? SidePane::Helper : SidePane::PropertiesAndHelp);
}

void TFormDesigner::showEventCode(int entry)
{
    m_codeTab->showProcedureOf(entry);
    m_codeTabTimer.start();
}

QList<TDesignControl *> TFormDesigner::selectedControls() const
{
    return m_designer->SelectedControls().Controls();
}

// The names of the controls and of every control inside them.
QStringList TFormDesigner::ownedNames(const QList<TDesignControl *> &controls) const
{
    QStringList names;
    for (TDesignControl *component : m_root->components()) {
        for (const TDesignControl *control : controls) {
            if (component == control || control->isAncestorOf(component)) {
                names.append(component->name());
                break;
            }
        }
    }
    return names;
}

QStringList TFormDesigner::controlNames() const
{
    QStringList names;
    for (const TDesignControl *control : m_root->components())
        names.append(control->name());
    return names;
}

void TFormDesigner::enableClipboardButtons()
{
    m_cut->setEnabled(m_designer->CanCut());
    m_copy->setEnabled(m_designer->CanCopy());
    m_paste->setEnabled(m_designer->CanPaste());
}

bool TFormDesigner::runEngineCommand(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const EELDesigner &error) {
        UiServices::current().showMessage(this, UiMessageKind::Error, WindowCaption, error.message());
        return false;
    }
}

// A control's name is also part of its variable in the setup's code.
QString TFormDesigner::controlNameRefusal(const QString &currentName, const QString &name) const
{
    const QString refusal = PageNameRules::ControlNameRefusal(name);
    if (!refusal.isEmpty() || !pageExists())
        return refusal;
    return CodeIdentifiers(m_project.CustomForms, m_project.CommonCode).ControlNameRefusal(m_formIndex, currentName, name);
}

void TFormDesigner::markModified()
{
    m_project.Modified = true;
}

void registerDesignerPages(ProjectPageFactory &factory)
{
    factory.setCreator(PageKind::CustomPage, [](const PageArguments &arguments, QWidget *parent) -> HostedPage * {
        return new TFormDesigner(arguments.project, arguments.host, arguments.key, arguments.knowledge, parent);
    });
}

} // namespace talmo
