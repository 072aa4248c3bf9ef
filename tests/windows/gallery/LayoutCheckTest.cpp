#include "tests/windows/gallery/LayoutCheck.h"

#include "widgets/NextInspector.h"
#include "widgets/NxLinkLabel.h"
#include "widgets/NxTextItem.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxTabSheet.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

using namespace talmo;
using namespace talmo::testing;

namespace {

// A dialog as a developer would lay it out: everything fits.
std::unique_ptr<QWidget> GoodWindow()
{
    auto window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window.get());
    layout->addWidget(new QLabel(QStringLiteral("Default installation folder:")));
    layout->addWidget(new QLineEdit(QStringLiteral("\\Storage Card\\Maps")));
    layout->addWidget(new QCheckBox(QStringLiteral("Install on the storage card")));
    auto *box = new QGroupBox(QStringLiteral("Online Support"));
    auto *boxLayout = new QHBoxLayout(box);
    boxLayout->addWidget(new QRadioButton(QStringLiteral("Web Site")));
    boxLayout->addWidget(new QComboBox);
    layout->addWidget(box);
    auto *tree = new QTreeWidget;
    tree->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Last Readme File")});
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(tree);
    auto *tabs = new QTabWidget;
    tabs->addTab(new QWidget, QStringLiteral("License"));
    tabs->addTab(new QWidget, QStringLiteral("Third Party"));
    layout->addWidget(tabs);
    layout->addWidget(new QPushButton(QStringLiteral("Ok")));
    window->resize(window->sizeHint().expandedTo({400, 300}));
    window->show();
    return window;
}

// A window of one widget placed by hand, with a name the finding shows.
template<typename Widget>
Widget *Placed(QWidget &window, Widget *widget, const QRect &geometry)
{
    widget->setParent(&window);
    widget->setObjectName(QStringLiteral("Broken"));
    widget->setGeometry(geometry);
    return widget;
}

struct BrokenWindow
{
    const char *name;
    LayoutRule rule;
    std::function<void(QWidget &)> build;
};

const BrokenWindow BrokenWindows[] = {
    {"label cut", LayoutRule::ClippedText,
     [](QWidget &w) { Placed(w, new QLabel(QStringLiteral("Creation Order")), {4, 4, 40, 20}); }},
    {"wrapped label cut at the bottom", LayoutRule::ClippedText,
     [](QWidget &w) {
         auto *label = Placed(w, new QLabel(QStringLiteral("The files are copied to the device as they are, "
                                                           "without a CAB file, into the folder below.")),
                              {4, 4, 120, 20});
         label->setWordWrap(true);
     }},
    {"button cut", LayoutRule::ClippedText,
     [](QWidget &w) { Placed(w, new QPushButton(QStringLiteral("Automatic search")), {4, 4, 50, 28}); }},
    {"check box cut", LayoutRule::ClippedText,
     [](QWidget &w) { Placed(w, new QCheckBox(QStringLiteral("Compact installation")), {4, 4, 60, 24}); }},
    {"radio button cut", LayoutRule::ClippedText,
     [](QWidget &w) { Placed(w, new QRadioButton(QStringLiteral("Unsupported Platforms")), {4, 4, 60, 24}); }},
    {"group caption cut", LayoutRule::ClippedText,
     [](QWidget &w) { Placed(w, new QGroupBox(QStringLiteral("Settings for the lab devices")), {4, 4, 60, 60}); }},
    {"header section cut", LayoutRule::ClippedText,
     [](QWidget &w) {
         auto *tree = Placed(w, new QTreeWidget, {4, 4, 300, 120});
         tree->setHeaderLabels({QStringLiteral("Last Readme File"), QStringLiteral("Size")});
         tree->header()->resizeSection(0, 50);
     }},
    {"tab behind the scroll buttons", LayoutRule::ClippedText,
     [](QWidget &w) {
         auto *tabs = Placed(w, new QTabWidget, {4, 4, 160, 100});
         for (const char *caption : {"Files", "Shortcuts", "Registry", "Run on Install", "Delete on Uninstall"})
             tabs->addTab(new QWidget, QString::fromLatin1(caption));
     }},
    {"painted tab behind the scroll buttons", LayoutRule::ClippedText,
     [](QWidget &w) {
         auto *pages = Placed(w, new TNxPageControl, {4, 4, 160, 100});
         for (const char *caption : {"Files", "Shortcuts", "Registry", "Run on Install", "Delete on Uninstall"}) {
             auto *sheet = new TNxTabSheet;
             sheet->setCaption(QString::fromLatin1(caption));
             pages->addPage(sheet, true);
         }
         pages->setActivePageIndex(0);
     }},
    {"link reaching past the edge of its panel", LayoutRule::ClippedText,
     [](QWidget &w) {
         auto *panel = new QWidget(&w);
         panel->setGeometry(4, 4, 100, 40);
         auto *link = new TNxLinkLabel(panel);
         link->setObjectName(QStringLiteral("Broken"));
         link->setCaption(QStringLiteral("Back"));
         link->move(80, 4);
     }},
    {"chosen entry of a combo box cut", LayoutRule::ClippedText,
     [](QWidget &w) {
         auto *combo = Placed(w, new QComboBox, {4, 4, 120, 24});
         combo->addItem(QStringLiteral("Build both CAB(s) and Windows Setup"));
     }},
    {"edit below its minimum height", LayoutRule::BelowMinimumSize,
     [](QWidget &w) { Placed(w, new QLineEdit(QStringLiteral("\\Storage Card\\Maps")), {4, 4, 200, 14}); }},
    {"edit too narrow", LayoutRule::NarrowEdit,
     [](QWidget &w) { Placed(w, new QLineEdit(QStringLiteral("oSetup.exe")), {4, 4, 40, 24}); }},
    {"combo box too narrow", LayoutRule::NarrowEdit,
     [](QWidget &w) {
         auto *combo = Placed(w, new QComboBox, {4, 4, 40, 24});
         combo->setMinimumSize(0, 0);
         combo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
     }},
    {"widget of no height", LayoutRule::ZeroSize, [](QWidget &w) { Placed(w, new QWidget, {4, 4, 100, 0}); }},
    {"page wider than its scroll area", LayoutRule::WiderThanArea,
     [](QWidget &w) {
         auto *area = Placed(w, new QScrollArea, {4, 4, 200, 100});
         auto *page = new QWidget;
         page->setMinimumWidth(600);
         area->setWidgetResizable(true);
         area->setWidget(page);
     }},
    {"scroll bar with nothing to scroll", LayoutRule::IdleScrollBar,
     [](QWidget &w) {
         Placed(w, new QPlainTextEdit(QStringLiteral("one line")), {4, 4, 200, 100})
             ->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
     }},
    {"scroll bar inside another of its direction", LayoutRule::StackedScrollBars,
     [](QWidget &w) {
         auto *outer = Placed(w, new QScrollArea, {4, 4, 200, 100});
         auto *page = new QWidget;
         page->setMinimumHeight(300);
         (new QVBoxLayout(page))->addWidget(new QPlainTextEdit(QStringList(40, QStringLiteral("line")).join(u'\n')));
         outer->setWidgetResizable(true);
         outer->setWidget(page);
         w.show();
         QCoreApplication::processEvents();
     }},
    {"captions that read the same cut short", LayoutRule::SameShownCaptions,
     [](QWidget &w) {
         auto *inspector = Placed(w, new TNextInspector, {4, 4, 300, 120});
         TNxPropertyItem *group = inspector->items()->addChild<TNxTextItem>(nullptr, QStringLiteral("Files"));
         for (const char *caption : {"Destination Folder On The Device", "Destination Files On The Device"})
             inspector->items()->addChild<TNxTextItem>(group, QString::fromLatin1(caption));
         // Room for little more than the ellipsis.
         inspector->setSplitterPosition(TNextInspector::MarginWidth + 20);
     }},
    {"siblings of one layout over each other", LayoutRule::Overlap,
     [](QWidget &w) {
         auto *layout = new QVBoxLayout(&w);
         auto *first = new QWidget;
         auto *second = new QWidget;
         second->setObjectName(QStringLiteral("Broken"));
         layout->addWidget(first);
         layout->addWidget(second);
         w.show();
         second->setGeometry(first->geometry().adjusted(0, 10, 0, 10));
     }},
};

} // namespace

TEST(LayoutCheckTest, AWindowThatFitsPasses)
{
    const std::unique_ptr<QWidget> window = GoodWindow();
    QStringList findings;
    for (const LayoutFinding &finding : LayoutCheck().check(window.get(), QStringLiteral("Good")))
        findings.append(finding.toString());
    EXPECT_TRUE(findings.isEmpty()) << findings.join(u'\n').toStdString();
}

TEST(LayoutCheckTest, EachBrokenRuleIsFoundWithWindowWidgetAndSizes)
{
    for (const BrokenWindow &broken : BrokenWindows) {
        SCOPED_TRACE(broken.name);
        QWidget window;
        window.resize(400, 300);
        broken.build(window);
        window.show();
        const QList<LayoutFinding> findings = LayoutCheck().check(&window, QStringLiteral("Broken-window"));
        const auto found = std::find_if(findings.begin(), findings.end(), [&](const LayoutFinding &finding) {
            return finding.rule == broken.rule && finding.widget.startsWith(QStringLiteral("Broken"));
        });
        ASSERT_NE(found, findings.end()) << findings.size() << " other findings";
        EXPECT_TRUE(found->toString().startsWith(QStringLiteral("Broken-window: Broken")));
        EXPECT_TRUE(found->toString().contains(QRegularExpression(QStringLiteral("\\d+ x \\d+"))))
            << found->toString().toStdString();
    }
}

TEST(LayoutCheckTest, AnExceptionCoversItsWidgetOnlyAndIsReportedWhenNeverUsed)
{
    QWidget window;
    window.resize(400, 300);
    // A path shown in what room there is, as an eliding label would.
    Placed(window, new QLabel(QStringLiteral("/home/me/projects/Hello/Hello.talmo")), {4, 4, 60, 20})
        ->setMinimumWidth(20);
    auto *other = new QLabel(QStringLiteral("Creation Order"), &window);
    other->setObjectName(QStringLiteral("Other"));
    other->setGeometry(4, 30, 40, 20);
    window.show();

    const LayoutCheck check({
        {QStringLiteral("Broken-*"), QStringLiteral("Brok*"), LayoutRule::ClippedText, QStringLiteral("a path"), {}},
        {QStringLiteral("*"), QStringLiteral("Picture"), LayoutRule::ZeroSize, QStringLiteral("never met"), {}},
    });
    const QList<LayoutFinding> findings = check.check(&window, QStringLiteral("Broken-window"));
    ASSERT_FALSE(findings.isEmpty());
    for (const LayoutFinding &finding : findings)
        EXPECT_EQ(finding.widget, QStringLiteral("Other")) << finding.toString().toStdString();
    ASSERT_EQ(check.unusedExceptions().size(), 1);
    EXPECT_EQ(check.unusedExceptions()[0].widget, QStringLiteral("Picture"));
}
