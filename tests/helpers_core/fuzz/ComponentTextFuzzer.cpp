// Feeds arbitrary UTF-8 text to the component text reader. Text it accepts
// must write without fault and read back to the same tree; reading against a
// registry that drops unknown classes must give a tree that does the same.

#include "helpers/core/ComponentText.h"

#include <cstdlib>

using namespace talmo;

namespace {

const ComponentTextClassRegistry &pageClasses()
{
    static const ComponentTextClassRegistry registry = [] {
        ComponentTextClassRegistry classes;
        for (const char *name : { "TLabel", "TNewEdit", "TNewListBox", "TPanel" })
            classes.registerClass(QString::fromLatin1(name));
        return classes;
    }();
    return registry;
}

// Writing and reading back must give the same tree; any fault is a finding.
void checkRoundTrip(const ComponentTextNode &tree, bool withRegistry)
{
    try {
        const QString written = ComponentText::toText(tree);
        const ComponentTextNode back = withRegistry ? ComponentText::read(written, pageClasses()) : ComponentText::parse(written);
        if (!(back == tree))
            std::abort();
    } catch (const ComponentTextError &) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    ComponentTextNode parsed;
    try {
        parsed = ComponentText::parse(text);
    } catch (const ComponentTextError &) {
        return 0;
    }
    checkRoundTrip(parsed, false);
    ComponentTextNode known;
    try {
        known = ComponentText::read(text, pageClasses(), [](const ComponentTextError &) { return true; });
    } catch (const ComponentTextError &) {
        // Text the syntax accepts fails only for a class the handler refused.
        std::abort();
    }
    checkRoundTrip(known, true);
    return 0;
}
