#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;
struct TCustomForm;

// A page's own fields as the inspector edits them. An edit the page takes
// marks the project modified; a refused one leaves both as they were.
class PageFields
{
public:
    PageFields(TProjectContainer &project, int page);

    // The standard pages a page may be created after, in creation order.
    static QStringList creationOrderChoices();

    // The message to show when the name would not compile, else empty.
    QString setName(const QString &name);
    void setCaption(const QString &caption);
    void setDescription(const QString &description);
    // By the standard page's name; a name that is none counts as the first.
    void setCreationOrder(const QString &standardPage);
    void setEnabled(bool enabled);

private:
    TCustomForm &page() const;
    template <typename Value>
    void store(Value TCustomForm::*field, const Value &value);

    TProjectContainer &m_project;
    int m_page;
};

} // namespace talmo
