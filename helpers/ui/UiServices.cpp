#include "helpers/ui/UiServices.h"

#include <QDebug>

#include <utility>

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

private:
    static void warn(const QString &what)
    {
        qWarning().noquote() << "No UI services installed; cancelled:" << what;
    }
};

UiServices *&installedServices()
{
    static UiServices *services = nullptr;
    return services;
}

} // namespace

UiServices::~UiServices()
{
    if (installedServices() == this)
        installedServices() = nullptr;
}

UiServices &UiServices::current()
{
    if (UiServices *services = installedServices())
        return *services;
    static CancellingUiServices standIn;
    return standIn;
}

UiServices *UiServices::setCurrent(UiServices *services)
{
    return std::exchange(installedServices(), services);
}

} // namespace talmo
