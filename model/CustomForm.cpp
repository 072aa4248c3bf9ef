#include "model/CustomForm.h"

#include "model/StandardWizardPages.h"

namespace talmo {

namespace {

struct DefaultFormEvent
{
    const char *event;
    const char *declaration;
    const char *resultLine;  // the middle line of the default code
};

// The events a new page offers for itself, hooked once the user enables them.
constexpr DefaultFormEvent defaultFormEvents[] = {
    { "OnActivate", "procedure {}OnActivate(Page: TWizardPage);", "// Your Code here ..." },
    { "OnShouldSkipPage", "function {}OnShouldSkipPage(Page: TWizardPage): Boolean;",
      "  Result := False;" },
    { "OnBackButtonClick", "function {}OnBackButtonClick(Page: TWizardPage): Boolean;",
      "  Result := True;" },
    { "OnNextButtonClick", "function {}OnNextButtonClick(Page: TWizardPage): Boolean;",
      "  Result := True;" },
    { "OnCancelButtonClick",
      "procedure {}OnCancelButtonClick(Page: TWizardPage; var Cancel, Confirm: Boolean);",
      "// Your Code Here ..." },
};

} // namespace

TCustomForm::TCustomForm(bool loading)
{
    if (loading)
        return;
    const QString formObject = QStringLiteral("Form");
    for (const DefaultFormEvent &event : defaultFormEvents) {
        TFormCodeExecutionUnit &unit = ExecUnits.AddNew();
        unit.Object = formObject;
        unit.Event = QString::fromLatin1(event.event);
        unit.ShortHelp = QString::fromLatin1(event.declaration);
        unit.defCode = QStringList{ QStringLiteral("begin"), QString::fromLatin1(event.resultLine),
                                    QStringLiteral("end;") };
        unit.eventNameInCode = TFormCodeExecutionUnit::MakeEventNameInCode(Name, unit.Object,
                                                                           unit.Event);
    }
}

QString TCustomForm::CreatedAfterPageName() const
{
    return StandardWizardPageName(CreationOrder);
}

} // namespace talmo
