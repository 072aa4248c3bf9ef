#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace talmo {

class TProjectContainer;

// A control renamed through the inspector's Name row. The row has already
// asked the control to take the name: a control that kept its old one
// refused it and, asked again, says why; one that took it brings the page's
// event entries of its old name along and marks the project modified.
class ControlRenameEdit
{
public:
    // Asks the control again to take a name; the message of its refusal.
    using Refusal = std::function<QString(const QString &name)>;

    ControlRenameEdit(TProjectContainer &project, int page);

    // The control the Name row stands for, by the name its entries carry.
    void select(const QString &name);
    // nameNow is the control's name after the row's attempt. The message to
    // show when the control kept its name; nothing when the entries followed.
    std::optional<QString> apply(const QString &nameNow, const QString &wanted, const Refusal &refusalOf);

private:
    TProjectContainer &m_project;
    int m_page;
    QString m_name;
};

} // namespace talmo
