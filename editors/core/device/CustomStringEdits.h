#pragma once

#include <QString>

namespace talmo {

class TProjectContainer;

// The CAB page's edits of the project's custom strings (the %Name% macros of
// device paths). Every edit sets the project's Modified flag.
class CustomStringEdits
{
public:
    explicit CustomStringEdits(TProjectContainer &project);

    // Appends a string; returns its index.
    int Add(const QString &name, const QString &value);
    void Replace(int index, const QString &name, const QString &value);
    void Delete(int index);

private:
    TProjectContainer &m_project;
};

} // namespace talmo
