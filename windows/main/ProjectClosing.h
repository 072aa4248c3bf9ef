#pragma once

#include "helpers/ui/UiServices.h"

#include <QList>
#include <QString>

#include <functional>

namespace talmo {

// What giving up open projects asks and what each answer does. Unmodified
// work goes without a question; modified work asks once: Yes saves (a save
// that fails or is cancelled keeps the work open), No discards, Cancel keeps.
class ProjectClosing
{
public:
    // Asked when a tab's close button is clicked.
    static inline const QString TabQuestion =
        QStringLiteral("Project have unsaved changes. Do you want to save them before closing ?");
    // Asked by the Close commands and when the program quits.
    static inline const QString ProjectsQuestion =
        QStringLiteral("Some Projects have unsaved changes. Do you want to save them before closing ?");

    // Asked before the project manager is given up for another file, and
    // when the program quits.
    static inline const QString ManagerOpeningQuestion = QStringLiteral(
        "Project Manager have unsaved changes. Do you want to save them before opening another file ?");
    static inline const QString ManagerClosingQuestion =
        QStringLiteral("Project Manager have unsaved changes. Do you want to save them before closing ?");

    // A question about one project, which names its file: two open projects
    // may share a file name.
    static QString AboutProject(const QString &question, const QString &projectFileName);

    using Ask = std::function<UiButton(const QString &question)>;

    // One project: Yes when it may go saved or with nothing to save, No when
    // its changes are discarded, Cancel when it stays open.
    static UiButton CloseOne(bool modified, const QString &question, const Ask &ask,
                             const std::function<bool()> &save);
    // Every open project at once, modified[i] telling project i: one question
    // for all; Yes saves the modified ones in turn, and the first save that
    // fails keeps them all open. True when they may all go.
    static bool CloseAll(const QList<bool> &modified, const Ask &ask, const std::function<bool(int index)> &save);
};

} // namespace talmo
