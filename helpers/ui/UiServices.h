#pragma once

#include "platform/ScopedCurrent.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace talmo {

enum class UiButton { Ok, Yes, No, Cancel };
using UiButtons = QList<UiButton>;

enum class UiMessageKind { Information, Warning, Error };

// What a file picker is asked to show. The filter uses the pipe form the
// forms are written with: "Registry Files (*.reg;*.rgu)|*.reg;*.rgu|All Files (*.*)|*.*".
struct FileDialogRequest
{
    QString title;
    QString filter;
    QString fileName;
    QString folder;
    bool multipleFiles = false;
    // Save dialogs: the extension, without its dot, that a name typed without one gets.
    QString defaultSuffix;
    // Open dialogs: false lets the user name a file that does not exist yet.
    bool fileMustExist = true;
};

// The check box below an open dialog's own controls. checked goes in as the
// box's initial state and comes back as the state it had when the dialog
// closed, also on cancel; a box that is not shown leaves it as it was.
struct DialogCheckBox
{
    QString text;
    bool checked = false;
    bool shown = true;
};

// A font as the font picker shows and returns it. The character set is the
// GDI number the page text stores (0 ANSI, 1 default, 2 symbol, ...).
struct FontChoice
{
    QString name;
    int size = 8;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;
    int charset = 1;

    friend bool operator==(const FontChoice &, const FontChoice &) = default;
};

// Every question, message and picker the forms show goes through here, so
// tests answer them from a script and nothing waits for a person.
class UiServices
{
public:
    virtual ~UiServices();

    // The button the user chose; Cancel when the question was dismissed.
    virtual UiButton ask(QWidget *parent, const QString &title, const QString &text, const UiButtons &buttons) = 0;
    virtual void showMessage(QWidget *parent, UiMessageKind kind, const QString &title, const QString &text) = 0;
    // The chosen files; empty when cancelled.
    virtual QStringList openFiles(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual QStringList openFilesWithCheckBox(QWidget *parent, const FileDialogRequest &request,
                                              DialogCheckBox &checkBox) = 0;
    virtual std::optional<QString> saveFile(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual std::optional<QString> pickFolder(QWidget *parent, const QString &title, const QString &startFolder) = 0;
    // The font the user confirmed, starting from initial; nothing when cancelled.
    virtual std::optional<FontChoice> pickFont(QWidget *parent, const FontChoice &initial) = 0;

    // The services main() installed. Until then a stand-in answers every
    // question with Cancel and every picker as cancelled, with a warning.
    static UiServices &current();
    // Returns the services that were current before (nullptr for the stand-in).
    static UiServices *setCurrent(UiServices *services);
};

using ScopedCurrentUiServices = ScopedCurrent<UiServices>;

} // namespace talmo
