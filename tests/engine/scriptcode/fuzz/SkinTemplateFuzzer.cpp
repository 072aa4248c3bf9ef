// Feeds arbitrary bytes to the skin-template reader as a skin's .iss file.
// Reading always ends, however deep its blocks nest. The InitializeWizard
// body is made of the template's own lines in their order, or the template
// is refused with a ScriptGenerationError; the [Code] part keeps template lines in their
// order and adds nothing but the page-change call, at most once per
// CurPageChanged line.

#include "engine/script/ScriptGenerationError.h"
#include "engine/scriptcode/SkinTemplate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

using namespace talmo;

namespace {

const QString kPageChangeCall = QStringLiteral("  TALMO_Script_CurPageChanged(CurPageID);");

// The output, without the lines it may add, is made of the template's lines in order.
bool keepsTemplateOrder(const QStringList &output, const QStringList &lines, const QString &added = QString())
{
    qsizetype next = 0;
    for (const QString &line : output) {
        if (!added.isEmpty() && line == added)
            continue;
        while (next < lines.size() && lines.at(next) != line)
            ++next;
        if (next == lines.size())
            return false;
        ++next;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir program;
    static const bool folderMade = QDir().mkpath(program.filePath(QStringLiteral("Setup Skins/Fuzz")));
    if (!folderMade)
        std::abort();
    QFile file(program.filePath(QStringLiteral("Setup Skins/Fuzz/Fuzz.iss")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();

    const QStringList lines = SkinTemplate::Load(program.path() + u'/', QStringLiteral("Fuzz"));
    try {
        const QStringList body = SkinTemplate::InitializeWizardBody(lines);
        if (!keepsTemplateOrder(body, lines))
            std::abort();
    } catch (const ScriptGenerationError &) {
    }
    const QStringList code = SkinTemplate::CodeWithoutInitializeWizard(lines);
    const qsizetype calls = code.count(kPageChangeCall) - lines.count(kPageChangeCall);
    qsizetype pageChangeLines = 0;
    for (const QString &line : lines)
        pageChangeLines += line.contains(QLatin1String("CURPAGECHANGED"), Qt::CaseInsensitive) ? 1 : 0;
    if (!keepsTemplateOrder(code, lines, kPageChangeCall) || calls > pageChangeLines)
        std::abort();
    return 0;
}
