#include "pagehost/HostedPage.h"

namespace talmo {

HostedPage::HostedPage(QWidget *parent)
    : QWidget(parent)
{
}

void HostedPage::refreshFromProject()
{
}

} // namespace talmo
