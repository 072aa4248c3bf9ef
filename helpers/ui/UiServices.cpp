#include "helpers/ui/UiServices.h"

#include "platform/CurrentInstance.h"

#include <QDebug>

namespace talmo {

namespace {

class CancellingUiServices : public UiServices
{
public:
    UiButton ask(QWidget *, const QString &, const QString &text, const UiButtons &) override
    {
        warn(text);
        return UiButton::Cancel;
    }
    void showMessage(QWidget *, UiMessageKind, const QString &, const QString &text) override { warn(text); }
    QStringList openFiles(QWidget *, const FileDialogRequest &request) override
    {
        warn(request.title);
        return {};
    }
    QStringList openFilesWithCheckBox(QWidget *, const FileDialogRequest &request, DialogCheckBox &) override
    {
        warn(request.title);
        return {};
    }
    std::optional<QString> saveFile(QWidget *, const FileDialogRequest &request) override
    {
        warn(request.title);
        return std::nullopt;
    }
    std::optional<QString> pickFolder(QWidget *, const QString &title, const QString &) override
    {
        warn(title);
        return std::nullopt;
    }
    std::optional<FontChoice> pickFont(QWidget *, const FontChoice &initial) override
    {
        warn(initial.name);
        return std::nullopt;
    }

private:
    static void warn(const QString &what)
    {
        qWarning().noquote() << "No UI services installed; cancelled:" << what;
    }
};

using CurrentUiServices = CurrentInstance<UiServices, CancellingUiServices>;

} // namespace

UiServices::~UiServices()
{
    CurrentUiServices::forget(this);
}

UiServices &UiServices::current()
{
    return CurrentUiServices::get();
}

UiServices *UiServices::setCurrent(UiServices *services)
{
    return CurrentUiServices::install(services);
}

} // namespace talmo
