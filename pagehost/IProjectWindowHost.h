#pragma once

#include <QStringList>

class QAction;
class QComboBox;
class QObject;
class QTextBrowser;
class QToolBar;

namespace talmo {

class TNextInspector;
class TNxButton;
class TNxEdit;

// What the left-hand pane of the project window shows. The pane has no tabs
// of its own: the page shown decides, so its help is in sight from the start.
enum class SidePane {
    Options,            // the project's general options
    Properties,         // the inspector alone
    PropertiesAndHelp,  // the inspector with the page's help below it
    Helper,             // the help; below the inspector while the page shows both
};

// The buttons of the help tool bar.
enum class HelpNavigation {
    Home,
    Back,
    Forward,
};

// What a hosted page may use of the project window around it. The project
// window implements it; FakeProjectWindowHost stands in for it in tests.
//
// Every selection in the breadcrumb first resets these controls: the
// inspector is emptied to one "Nothing to show..." row, the help viewer and
// objects drop-down are cleared, and pageContext() is deleted. A page makes
// every connection to these controls with pageContext() as context object,
// so no handler of a closed page stays attached.
//
// Messages, pickers and the shell go through UiServices::current() and
// ShellServices::current(), not through the host.
class IProjectWindowHost
{
public:
    virtual ~IProjectWindowHost();

    // The shared property inspector of the side pane.
    virtual TNextInspector *inspector() = 0;
    virtual void showSidePane(SidePane pane) = 0;

    // The HTML help viewer, its tool bar, search edit and "Next" button.
    virtual QTextBrowser *helpViewer() = 0;
    virtual QToolBar *helpToolBar() = 0;
    virtual QAction *helpNavigation(HelpNavigation button) = 0;
    virtual TNxEdit *helpSearchEdit() = 0;
    virtual TNxButton *helpNextButton() = 0;
    // Clears the help viewer and shows these lines of HTML.
    virtual void setHelpHtml(const QStringList &lines) = 0;

    // The drop-down above the inspector naming the objects a page edits.
    virtual QComboBox *objectsDropDown() = 0;

    // Renames the breadcrumb's current node (after the page renamed its object).
    virtual void setCurrentNodeText(const QString &text) = 0;
    // The current module node takes the display caption of the module now
    // shown in the module tab.
    virtual void refreshModuleNodeCaption() = 0;
    // The registry sections under the CAB creator module's node, one node per
    // caption, keyed by index. Does not open any page; a selected section node
    // of an index that still exists stays selected, else its parent is.
    virtual void setRegistrySectionNodes(const QStringList &captions) = 0;
    // Opens the registry section of this index beside the module page.
    virtual void openRegistrySection(int index) = 0;

    // The context object of the page now shown; see above.
    virtual QObject *pageContext() = 0;
};

} // namespace talmo
