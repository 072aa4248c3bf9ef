#pragma once

#include "editors/core/desktop/Win32EntryRows.h"

#include <QList>
#include <QMetaObject>
#include <QString>

#include <functional>

namespace talmo {

class IProjectWindowHost;
class TNextInspector;
class TNxPropertyItem;

// The rows the desktop-installer page shows in the project window's shared
// inspector. Every rebuild detaches the handlers first and attaches them
// last, so filling the rows never reaches the model.
class Win32InspectorRows
{
public:
    using ChangeHandler = std::function<void(TNxPropertyItem *item, const QString &value)>;
    using SelectHandler = std::function<void(TNxPropertyItem *item)>;

    explicit Win32InspectorRows(IProjectWindowHost &host);

    TNextInspector *inspector() const;
    // Detaches the handlers, ends in-place editing and clears the rows.
    void Clear();
    // Only detaches the handlers and ends editing; the rows stay.
    void Detach();
    // A read-only bold row with tag 99.
    TNxPropertyItem *AddCategory(const QString &caption);
    // A row of this kind below the category, with its value.
    TNxPropertyItem *AddRow(TNxPropertyItem *category, const QString &caption, EntryRowKind kind, int tag,
                            const QString &value);
    // The table's rows that pass the filter, each under its category, values from the entry.
    template <typename Entry>
    void AddRows(const EntryRows<Entry> &rows, const Entry &entry,
                 const std::function<bool(const EntryRow<Entry> &)> &shown = {})
    {
        TNxPropertyItem *category = nullptr;
        QString categoryCaption;
        for (const EntryRow<Entry> &row : rows) {
            if (shown && !shown(row))
                continue;
            if (!category || row.category != categoryCaption) {
                categoryCaption = row.category;
                category = AddCategory(categoryCaption);
            }
            AddRow(category, row.caption, row.kind, row.tag, row.valueOf(entry));
        }
    }
    // Shows what storing the changed row cleared: the values of the flags it
    // excludes, without reporting them as changes (the entry holds them already).
    template <typename Entry>
    void ShowExcludedFlags(const EntryRows<Entry> &rows, const EntryRow<Entry> &changed, const Entry &entry)
    {
        for (bool Entry::*excluded : changed.excludes) {
            if (const EntryRow<Entry> *row = rowOfFlag(rows, excluded))
                ShowValueQuietly(row->tag, row->valueOf(entry));
        }
    }
    // Sets the value of the row of this tag, if shown, without a change report.
    void ShowValueQuietly(int tag, const QString &value);
    // Attaches the tab's handlers; either may be empty.
    void Attach(ChangeHandler onChange, SelectHandler onSelect);
    // The caption of the selected row when a row selection exists (a row
    // selected among more than one row), else empty.
    QString SelectedCaption() const;
    int RowCount() const;

private:
    IProjectWindowHost &m_host;
    QList<QMetaObject::Connection> m_connections;
};

} // namespace talmo
