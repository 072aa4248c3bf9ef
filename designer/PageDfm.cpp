#include "designer/PageDfm.h"

#include "designer/DesignControl.h"
#include "designer/DesignTreeReader.h"
#include "designer/DesignTreeWriter.h"
#include "designer/PageDrawFilter.h"
#include "helpers/core/ComponentText.h"
#include "model/CustomForm.h"

namespace talmo {

const QString PageDfm::RootHeader = QStringLiteral("object FormDesignControl: TPanel");

QStringList PageDfm::WritePageDfm(const TDesignControl &root, const TDesignClassRegistry &registry)
{
    return ComponentText::toLines(TDesignTreeWriter(registry).write(root, root), ComponentText::StringForm::EightBit);
}

void PageDfm::SavePageDfm(const TDesignControl &root, TCustomForm &page, const TDesignClassRegistry &registry)
{
    page.Data = WritePageDfm(root, registry);
}

void PageDfm::LoadPageDfm(TDesignControl &root, const ComponentTextNode &tree, const TDesignClassRegistry &registry)
{
    TDesignTreeReader(registry).readRoot(root, tree);
}

ComponentTextNode PageDfm::preparedPage(const QStringList &data, const TDesignClassRegistry &registry)
{
    QStringList lines = data;
    if (!lines.isEmpty())
        lines.first() = RootHeader;
    ComponentTextNode tree = ComponentText::parse(lines);
    PageDrawFilter::apply(tree, registry);
    return tree;
}

void PageDfm::OpenPage(TDesignControl &root, const TCustomForm &page, const TDesignClassRegistry &registry)
{
    if (page.Data.isEmpty()) {
        root.destroyComponents();
        return;
    }
    LoadPageDfm(root, preparedPage(page.Data, registry), registry);
}

} // namespace talmo
