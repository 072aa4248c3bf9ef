#include "windows/main/ManagerPanelFrame.h"

#include "platform/Registry.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxSplitter.h"

#include <QMainWindow>
#include <QVBoxLayout>

namespace talmo {

namespace {

const QString WidthValue = QStringLiteral("Panel2_Width");
const QString VisibleValue = QStringLiteral("Panel2_Visible");
// The tabs never get narrower than this when the panel takes its width.
constexpr int LeastTabsWidth = 340;

} // namespace

ManagerPanelFrame::ManagerPanelFrame(QWidget *managerPanel, QWidget *tabs, QMainWindow &window)
    : QObject(&window)
    , m_window(window)
    , m_tabs(tabs)
{
    m_header = new TNxHeaderPanel;
    m_header->setObjectName(QStringLiteral("NxHeaderPanel1"));
    m_header->setCaption(QStringLiteral("Project Manager"));
    m_header->setOptions(hoCollapseButton);
    auto *panelLayout = new QVBoxLayout(m_header);
    panelLayout->addWidget(managerPanel);
    m_header->resize(230, m_header->height());
    connect(m_header, &TNxHeaderPanel::headerClick, this, [this] {
        m_headerClicked = true;
        keepWidth();
    });
    connect(m_header, &TNxHeaderPanel::change, this, &ManagerPanelFrame::headerChanged);

    tabs->setMinimumWidth(LeastTabsWidth);
    m_splitter = new TNxSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("NxSplitter1"));
    m_splitter->addWidget(m_header);
    m_splitter->addWidget(tabs);
    // The panel keeps its width as the window grows or shrinks; the tabs
    // take the rest.
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setCollapsible(1, false);
    // The panel starts at its own width, not at what its contents would like.
    m_splitter->setSizes({ m_header->width(), 1 });
    connect(m_splitter, &QSplitter::splitterMoved, this, &ManagerPanelFrame::keepWidth);
    window.setCentralWidget(m_splitter);
}

bool ManagerPanelFrame::isShown() const
{
    return m_header->isVisibleTo(&m_window);
}

void ManagerPanelFrame::setShown(bool shown)
{
    if (shown && !isShown() && m_keptWidth > 0)
        m_splitter->setSizes({ m_keptWidth, std::max(m_tabs->width(), LeastTabsWidth) });
    m_header->setVisible(shown);
}

void ManagerPanelFrame::restore(const Registry *registry)
{
    if (registry) {
        if (const std::optional<qint32> width = registry->readInteger(WidthValue)) {
            m_header->resize(*width, m_header->height());
            m_splitter->setSizes({ *width, std::max(m_window.width() - *width, LeastTabsWidth) });
        }
    }
    // The panel takes room from every page, so it shows only where the user
    // asked for it last time; a manager file opened brings it back.
    const std::optional<bool> visible = registry ? registry->readBool(VisibleValue) : std::nullopt;
    m_header->setVisible(visible.value_or(false));
    keepWidth();
}

RegistryStatus ManagerPanelFrame::save(Registry &registry)
{
    if (!isShown())
        m_header->resize(m_keptWidth, m_header->height());
    RegistryStatus status = registry.writeInteger(WidthValue, m_keptWidth);
    if (status)
        status = registry.writeBool(VisibleValue, isShown());
    return status;
}

void ManagerPanelFrame::keepWidth()
{
    m_keptWidth = m_header->width();
}

void ManagerPanelFrame::headerChanged()
{
    if (!m_headerClicked)
        return;
    m_headerClicked = false;
    if (!m_header->expanded()) {
        m_header->setExpanded(true);
        emit hideRequested();
    }
}

} // namespace talmo
