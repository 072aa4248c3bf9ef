#pragma once

#include "helpers/ui/UiServices.h"

namespace talmo {

// The real dialogs: message boxes and Qt's file dialogs. main() installs it.
class QtUiServices : public UiServices
{
public:
    UiButton ask(QWidget *parent, const QString &title, const QString &text, const UiButtons &buttons) override;
    void showMessage(QWidget *parent, UiMessageKind kind, const QString &title, const QString &text) override;
    QStringList openFiles(QWidget *parent, const FileDialogRequest &request) override;
    QStringList openFilesWithCheckBox(QWidget *parent, const FileDialogRequest &request,
                                      DialogCheckBox &checkBox) override;
    std::optional<QString> saveFile(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QString> pickFolder(QWidget *parent, const QString &title, const QString &startFolder) override;
    std::optional<FontChoice> pickFont(QWidget *parent, const FontChoice &initial) override;
};

} // namespace talmo
