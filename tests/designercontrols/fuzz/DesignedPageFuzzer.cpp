// Feeds arbitrary text to the page designer as a stored page, one line per
// line of the input, and builds the real designed controls from it. A page
// that is refused throws one ComponentTextError and leaves the page empty, as
// it was; a page that opens writes a text that opens again and writes the
// same text.

#include "designer/DesignClassRegistry.h"
#include "designer/PageDfm.h"
#include "designer/controls/FormDesignerClasses.h"
#include "designer/controls/Panel.h"
#include "helpers/core/ComponentTextError.h"
#include "model/CustomForm.h"

#include <QApplication>

#include <cstdlib>

using namespace talmo;

namespace {

const TDesignClassRegistry &palette()
{
    static int argc = 1;
    static char name[] = "DesignedPageFuzzer";
    static char *argv[] = {name, nullptr};
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    static TDesignClassRegistry registry;
    static const bool registered = [] {
        InitFormDesignerUnit(registry);
        return true;
    }();
    (void)offscreen;
    (void)registered;
    return registry;
}

// An empty page as the designer opens one.
struct DesignedPage
{
    DesignedPage()
    {
        root.setBounds(0, 0, 418, 230);
        root.setDesigning(true);
    }
    ~DesignedPage() { root.destroyComponents(); }

    TPanel root;
};

} // namespace

// Fontconfig keeps what it caches for the life of the process; that is no
// leak of the designer's.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TDesignClassRegistry &registry = palette();
    TCustomForm form(true);
    for (QByteArray line : QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        form.Data.append(QString::fromLatin1(line));
    }

    DesignedPage page;
    try {
        PageDfm::OpenPage(page.root, form, registry);
    } catch (const ComponentTextError &) {
        if (!page.root.components().isEmpty())
            std::abort();
        return 0;
    }
    const QStringList written = PageDfm::WritePageDfm(page.root, registry);
    DesignedPage reopened;
    try {
        PageDfm::LoadPageDfm(reopened.root, PageDfm::preparedPage(written, registry), registry);
    } catch (const ComponentTextError &) {
        std::abort();
    }
    if (PageDfm::WritePageDfm(reopened.root, registry) != written)
        std::abort();
    return 0;
}
