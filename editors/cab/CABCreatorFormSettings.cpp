#include "editors/cab/CABCreatorForm.h"

#include "helpers/ui/ListViewHelpers.h"
#include "helpers/ui/WindowSettings.h"
#include "platform/Registry.h"
#include "widgets/NxSplitter.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace talmo {

namespace {

const QString SettingsKey = QStringLiteral("Software\\Talmo\\CCM");
const QString LeftWidthValue = QStringLiteral("ppcfs_left_width");
const QString RightWidthValue = QStringLiteral("ppcfs_right_width");
const QString SortColumnValue = QStringLiteral("MFsortColumn");
const QString ViewStyleValue = QStringLiteral("lv_ppcfs_files_ViewStyle");
const QString SortAscendingValue = QStringLiteral("MFsortAscending");

} // namespace

// Settings that cannot be read or written leave the layout as it is.
void TCABCreatorForm::readSettings()
{
    Registry registry;
    if (registry.openKey(SettingsKey, false)) {
        const QList<int> sizes = NxSplitter1->sizes();
        NxSplitter1->setSizes({registry.readInteger(LeftWidthValue).value_or(sizes.value(0)),
                               registry.readInteger(RightWidthValue).value_or(sizes.value(1))});
        m_fileOrder.Restore(registry.readInteger(SortColumnValue).value_or(0),
                            registry.readBool(SortAscendingValue).value_or(true), lv_ppcfs_files->columnCount());
        m_filesViewStyle = registry.readInteger(ViewStyleValue).value_or(m_filesViewStyle);
        RestoreListViewColumns(registry, lv_ppcfs_files);
        RestoreListViewColumns(registry, gui_CEDevices);
        (void)registry.closeKey();
    }
    SetListViewSortArrow(lv_ppcfs_files->header(), m_fileOrder.column, !m_fileOrder.ascending);
}

void TCABCreatorForm::writeSettings() const
{
    Registry registry;
    if (!registry.openKey(SettingsKey, true))
        return;
    // Stacked panes have heights, not the widths kept here.
    if (NxSplitter1 && NxSplitter1->orientation() == Qt::Horizontal) {
        const QList<int> sizes = NxSplitter1->sizes();
        (void)registry.writeInteger(LeftWidthValue, sizes.value(0));
        (void)registry.writeInteger(RightWidthValue, sizes.value(1));
    }
    (void)registry.writeInteger(SortColumnValue, m_fileOrder.column);
    (void)registry.writeInteger(ViewStyleValue, m_filesViewStyle);
    (void)registry.writeBool(SortAscendingValue, m_fileOrder.ascending);
    (void)SaveListViewColumns(registry, lv_ppcfs_files);
    (void)SaveListViewColumns(registry, gui_CEDevices);
    (void)registry.closeKey();
}

} // namespace talmo
