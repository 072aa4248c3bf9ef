#pragma once

#include <QStringList>

namespace talmo {

class PropertyWhiteList;
class ScriptKnowledgeBase;
class ScriptLineOrigins;
class TProjectContainer;
struct TCustomForm;
class EventCodeRewriter;

// The script code of the project's custom wizard pages and its global code:
// one variable per page and per control, the global code, and per page its
// event procedures and its creating function Page_CreatePage, which creates
// the page after a given page, its controls with their designed properties,
// and hooks the enabled events.
class CustomPageCode
{
public:
    // pageMembers: the member names of the script's wizard page class,
    // its ancestors' after its own.
    CustomPageCode(const PropertyWhiteList &whiteList, QStringList pageMembers);
    static CustomPageCode FromKnowledgeBase(const ScriptKnowledgeBase &knowledge);

    // Appends the code to the script; nothing when the project has neither
    // pages nor global code. Trims the trailing empty lines of the project's
    // code first. Where the user's own lines land goes into origins, when given.
    void WriteCustomFormsCode(TProjectContainer &project, QStringList &script,
                              ScriptLineOrigins *origins = nullptr) const;

private:
    class PageWriter;

    const PropertyWhiteList &m_whiteList;
    QStringList m_pageMembers;
};

} // namespace talmo
