#include "editors/core/device/FileListOrder.h"

namespace talmo {

void FileListOrder::ClickColumn(int column)
{
    m_ascending = column == m_column ? !m_ascending : true;
    m_column = column;
}

void FileListOrder::Restore(int column, bool ascending, int columnCount)
{
    m_column = column >= 0 && column < columnCount ? column : 0;
    m_ascending = ascending;
}

} // namespace talmo
