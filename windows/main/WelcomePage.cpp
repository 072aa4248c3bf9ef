#include "windows/main/WelcomePage.h"

#include "helpers/ui/TntMRU.h"
#include "windows/main/ProgramInfo.h"
#include "widgets/NxLinkLabel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talmo {

namespace {

class GradientHeader : public QWidget
{
public:
    GradientHeader()
    {
        setFixedHeight(72);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QLinearGradient gradient(rect().topLeft(), rect().topRight());
        gradient.setColorAt(0, QColor(0x2F, 0x5D, 0x8C));
        gradient.setColorAt(1, Qt::white);
        painter.fillRect(rect(), gradient);
        painter.setPen(Qt::white);
        QFont large = font();
        large.setPointSize(large.pointSize() * 2 + 4);
        large.setBold(true);
        painter.setFont(large);
        painter.drawText(rect().adjusted(16, 0, 0, -18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Welcome"));
        painter.setFont(font());
        painter.drawText(rect().adjusted(18, 30, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, ProgramInfo::Name);
    }
};

QLabel *Heading(const QString &text)
{
    auto *label = new QLabel(text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

TNxLinkLabel *Link(QVBoxLayout *layout, const char *objectName, const QString &caption)
{
    auto *link = new TNxLinkLabel;
    link->setObjectName(QLatin1String(objectName));
    link->setCaption(caption);
    layout->addWidget(link);
    return link;
}

} // namespace

WelcomePage::WelcomePage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pagWelcome"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);

    lv_RecentFilename = new QTreeWidget;
    lv_RecentFilename->setObjectName(QStringLiteral("lv_RecentFilename"));
    lv_RecentFilename->setColumnCount(2);
    lv_RecentFilename->setHeaderHidden(true);
    lv_RecentFilename->setRootIsDecorated(false);
    lv_RecentFilename->setFrameShape(QFrame::NoFrame);
    lv_RecentFilename->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv_RecentFilename->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv_RecentFilename->setColumnHidden(1, true);
    lv_RecentFilename->setMinimumWidth(250);
    lv_RecentFilename->setMaximumWidth(350);
    // Return opens the chosen row as a double click does.
    connect(lv_RecentFilename, &QTreeWidget::itemActivated, this, &WelcomePage::rowActivated);
    setFocusProxy(lv_RecentFilename);

    auto *recent = new QVBoxLayout;
    recent->addWidget(Heading(QStringLiteral("Recently edited projects:")));
    recent->addWidget(lv_RecentFilename, 1);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->addLayout(recent, 1);
    body->addSpacing(14);
    body->addWidget(createActions(), 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createHeader());
    layout->addLayout(body, 1);
}

QWidget *WelcomePage::createHeader()
{
    return new GradientHeader;
}

QWidget *WelcomePage::createActions()
{
    auto *actions = new QWidget;
    auto *layout = new QVBoxLayout(actions);
    // Level with the recent list's heading, and no room lost beside the links.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Heading(QStringLiteral("Actions")));
    connect(Link(layout, "LinkView28", QStringLiteral("Create new empty project.")), &TNxLinkLabel::clicked,
            this, &WelcomePage::newEmptyProjectRequested);
    connect(Link(layout, "NxLinkLabel1", QStringLiteral("Create new project using wizard.")), &TNxLinkLabel::clicked,
            this, &WelcomePage::wizardRequested);
    connect(Link(layout, "NxLinkLabel2", QStringLiteral("Load project from disk.")), &TNxLinkLabel::clicked,
            this, &WelcomePage::openRequested);
    connect(Link(layout, "LinkView16", QStringLiteral("Visit Brenvik Software Site")), &TNxLinkLabel::clicked,
            this, &WelcomePage::webSiteRequested);
    layout->addStretch(1);
    return actions;
}

void WelcomePage::fillRecentFiles(const QStringList &files, bool showFullPath)
{
    lv_RecentFilename->clear();
    for (int index = 0; index < files.size(); ++index) {
        const QString &file = files[index];
        auto *row = new QTreeWidgetItem(lv_RecentFilename);
        row->setText(0, showFullPath ? file : TTntMRU::shownName(files, index));
        row->setText(1, file);
        row->setToolTip(0, file);
        row->setData(0, Qt::UserRole, index);
    }
    lv_RecentFilename->resizeColumnToContents(0);
    if (lv_RecentFilename->topLevelItemCount() > 0)
        lv_RecentFilename->setCurrentItem(lv_RecentFilename->topLevelItem(0));
}

void WelcomePage::rowActivated(QTreeWidgetItem *item)
{
    if (item)
        emit recentFileChosen(item->data(0, Qt::UserRole).toInt(), item->text(1));
}

} // namespace talmo
