#include "helpers/core/ComponentText.h"

#include "helpers/core/ComponentTextParser.h"
#include "helpers/core/ComponentTextWriter.h"

namespace talmo {

namespace {

void checkClasses(ComponentTextNode &node, const ComponentTextClassRegistry &registry,
                  const ComponentText::ErrorHandler &onError)
{
    auto child = node.children.begin();
    while (child != node.children.end()) {
        if (registry.contains(child->className)) {
            checkClasses(*child, registry, onError);
            ++child;
            continue;
        }
        const ComponentTextError error(QStringLiteral("Class %1 not found").arg(child->className),
                                       child->sourceLine);
        if (!onError || !onError(error))
            throw error;
        child = node.children.erase(child);
    }
}

} // namespace

ComponentTextNode ComponentText::parse(const QString &text)
{
    return ComponentTextParser::parse(text);
}

ComponentTextNode ComponentText::parse(const QStringList &lines)
{
    return ComponentTextParser::parse(lines.join(u'\n'));
}

ComponentTextNode ComponentText::read(const QString &text, const ComponentTextClassRegistry &registry,
                                      const ErrorHandler &onError)
{
    ComponentTextNode root = parse(text);
    checkClasses(root, registry, onError);
    return root;
}

ComponentTextNode ComponentText::read(const QStringList &lines, const ComponentTextClassRegistry &registry,
                                      const ErrorHandler &onError)
{
    return read(lines.join(u'\n'), registry, onError);
}

QStringList ComponentText::toLines(const ComponentTextNode &root, StringForm form)
{
    return ComponentTextWriter::write(root, form == StringForm::EightBit);
}

QString ComponentText::toText(const ComponentTextNode &root, StringForm form)
{
    QString text;
    for (const QString &line : toLines(root, form))
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace talmo
