#include "editors/modules/RuntimeModuleDialog.h"

#include "editors/common/DialogLayout.h"
#include "editors/common/EditorMessages.h"
#include "model/ProgramOptions.h"
#include "model/ProjectContainer.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talmo {

namespace {

const std::vector<TMSQL_CustomSet> *setsOf(RuntimeModuleKind kind)
{
    const TProgramOptions *options = TProgramOptions::current();
    if (!options)
        return nullptr;
    return kind == RuntimeModuleKind::SqlMobile ? &options->MSQLSets : &options->NETCF2Sets;
}

} // namespace

TRuntimeModuleDialog::TRuntimeModuleDialog(RuntimeModuleKind kind, QWidget *parent)
    : QDialog(parent)
    , ed_caption(new QLineEdit(this))
    , JvTreeView1(new QTreeWidget(this))
    , JvCheckListBox1(new QListWidget(this))
    , JvBitBtn2(new QPushButton(QStringLiteral("Ok"), this))
    , bt_cancel(new QPushButton(QStringLiteral("Cancel"), this))
    , m_kind(kind)
{
    const bool sql = kind == RuntimeModuleKind::SqlMobile;
    setWindowTitle(sql ? QStringLiteral("SQL Mobile Module") : QStringLiteral(".NET Compact Framework v2 Details"));
    prepareDialog(this, sql ? "SQLMobileModule" : "net2module");
    JvTreeView1->setHeaderHidden(true);

    auto *lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Windows Version"), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Proccessor type"), this), 0, 1);
    lists->addWidget(JvTreeView1, 1, 0);
    lists->addWidget(JvCheckListBox1, 1, 1);
    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Module Title"), this));
    column->addWidget(ed_caption);
    column->addWidget(new QLabel(QStringLiteral("Choose which Version and Proccessors to include into installation"), this));
    column->addLayout(lists, 1);
    column->addLayout(okCancelRow(JvBitBtn2, bt_cancel));
    resize(420, 320);

    connect(JvTreeView1, &QTreeWidget::currentItemChanged, this, &TRuntimeModuleDialog::JvTreeView1Click);
    connect(JvCheckListBox1, &QListWidget::itemChanged, this, &TRuntimeModuleDialog::JvCheckListBox1Click);
    connect(JvBitBtn2, &QPushButton::clicked, this, &TRuntimeModuleDialog::JvBitBtn2Click);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

RuntimeModuleShape TRuntimeModuleDialog::shape() const
{
    if (EditMode) {
        if (Container && SetIndex >= 0 && SetIndex < Container->PluginContainers.Count())
            return RuntimeModuleShape::ofModule(Container->PluginContainers[SetIndex]);
        return {};
    }
    const auto *sets = setsOf(m_kind);
    if (sets && SetIndex >= 0 && SetIndex < int(sets->size()))
        return RuntimeModuleShape::ofSet((*sets)[std::size_t(SetIndex)]);
    return {};
}

void TRuntimeModuleDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TRuntimeModuleDialog::FormShow()
{
    const RuntimeModuleShape offered = shape();
    if (!EditMode)
        Checked = offered.emptyMarks();
    JvTreeView1->clear();
    for (const RuntimeModuleShape::Platform &platform : offered.platforms)
        JvTreeView1->addTopLevelItem(new QTreeWidgetItem({platform.caption}));
    if (JvTreeView1->topLevelItemCount() == 0) {
        JvCheckListBox1->clear();
        return;
    }
    JvTreeView1->expandAll();
    JvTreeView1->setCurrentItem(JvTreeView1->topLevelItem(0));
    JvTreeView1->scrollToItem(JvTreeView1->topLevelItem(0));
    JvTreeView1Click();
}

int TRuntimeModuleDialog::selectedPlatform() const
{
    QTreeWidgetItem *current = JvTreeView1->currentItem();
    return current ? JvTreeView1->indexOfTopLevelItem(current) : -1;
}

void TRuntimeModuleDialog::JvTreeView1Click()
{
    m_listing = true;
    JvCheckListBox1->clear();
    const int platform = selectedPlatform();
    const RuntimeModuleShape offered = shape();
    if (platform >= 0 && platform < offered.platforms.size()) {
        const QStringList &processors = offered.platforms[platform].processors;
        for (qsizetype entry = 0; entry < processors.size(); ++entry) {
            auto *item = new QListWidgetItem(processors[entry], JvCheckListBox1);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            const bool marked = platform < Checked.size() && entry < Checked[platform].size() && Checked[platform][entry];
            item->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
        }
    }
    m_listing = false;
}

void TRuntimeModuleDialog::JvCheckListBox1Click()
{
    const int platform = selectedPlatform();
    if (m_listing || platform < 0)
        return;
    if (Checked.size() <= platform)
        Checked.resize(platform + 1);
    QList<bool> &row = Checked[platform];
    if (row.size() < JvCheckListBox1->count())
        row.resize(JvCheckListBox1->count());
    for (int entry = 0; entry < JvCheckListBox1->count(); ++entry)
        row[entry] = JvCheckListBox1->item(entry)->checkState() == Qt::Checked;
}

void TRuntimeModuleDialog::JvBitBtn2Click()
{
    if (!shape().anyMarked(Checked)) {
        ShowEditorError(this, QStringLiteral("Please select atleast one Platform/Processor"));
        return;
    }
    accept();
}

} // namespace talmo
