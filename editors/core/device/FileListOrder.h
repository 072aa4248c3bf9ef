#pragma once

namespace talmo {

// The column and direction the device files list is sorted by. A click on
// the sorted column turns the direction round; a click on another column
// sorts it ascending.
class FileListOrder
{
public:
    int column() const { return m_column; }
    bool ascending() const { return m_ascending; }

    void ClickColumn(int column);
    // The order the settings kept; a column the list does not have sorts by the first.
    void Restore(int column, bool ascending, int columnCount);

private:
    int m_column = 0;
    bool m_ascending = true;
};

} // namespace talmo
