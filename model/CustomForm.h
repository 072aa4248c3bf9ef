#pragma once

#include "model/FormCodeExecutionUnit.h"

namespace talmo {

// A custom wizard page of the desktop setup: the designed controls as
// component text and one code unit per object and event.
struct TCustomForm
{
    // A page made for loading gets no event units; the reader adds the stored
    // ones. Any other new page starts with the five events of its "Form".
    explicit TCustomForm(bool loading);

    QString Name = QStringLiteral("CustomForm");
    QString Caption = QStringLiteral("CustomForm Caption");
    QString Description = QStringLiteral("CustomForm Description");
    int CreationOrder = 0;  // the standard page the page follows, see StandardWizardPages.h
    QStringList Data;       // the page's component text, one line per item
    bool Enabled = true;
    TFormCodeExecutionUnits ExecUnits;

    // The name of the standard page this page is created after; a stored
    // order outside the table counts as the first page.
    QString CreatedAfterPageName() const;
};

using TCustomForms = OwningList<TCustomForm>;

} // namespace talmo
