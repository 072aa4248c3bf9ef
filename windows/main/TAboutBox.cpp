#include "windows/main/TAboutBox.h"

#include "platform/ShellServices.h"
#include "windows/main/ProgramInfo.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace talmo {

namespace {

// The light blue-grey of the header without a glass frame.
const QColor HeaderColour(0x85, 0xAE, 0xC2);

QLabel *LinkLabel(const QString &objectName, const QString &text)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()));
    label->setObjectName(objectName);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);

    pc_Pages = new QTabWidget;
    pc_Pages->setObjectName(QStringLiteral("pc_Pages"));
    pc_Pages->addTab(createMemo(QStringLiteral("TntMemo1"), ProgramInfo::LicenceText()), QStringLiteral("License"));
    pc_Pages->addTab(createMemo(QStringLiteral("TntMemo2"), ProgramInfo::ThirdPartyText()), QStringLiteral("Third Party"));
    pc_Pages->addTab(createSupportPage(), QStringLiteral("Support"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createHeader());
    layout->addWidget(pc_Pages, 1);
    layout->addWidget(buttons);
    resize(480, 400);
}

QWidget *TAboutBox::createHeader()
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, HeaderColour);
    colours.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(colours);

    auto *name = new QLabel(ProgramInfo::Name);
    name->setObjectName(QStringLiteral("TntLabel1"));
    QFont large = name->font();
    large.setPointSize(large.pointSize() * 2);
    large.setBold(true);
    name->setFont(large);
    Version = new QLabel;
    Version->setObjectName(QStringLiteral("Version"));
    auto *notice = new QLabel(ProgramInfo::Notice);
    notice->setObjectName(QStringLiteral("TntLabel3"));

    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(name);
    layout->addWidget(Version);
    layout->addWidget(notice);
    return panel;
}

QWidget *TAboutBox::createSupportPage()
{
    auto *group = new QGroupBox(QStringLiteral("Online Support"));
    auto *site = LinkLabel(QStringLiteral("TntLabel2"), ProgramInfo::WebSite);
    auto *mail = LinkLabel(QStringLiteral("TntLabel5"), ProgramInfo::SupportMail);
    connect(site, &QLabel::linkActivated, this, [] { openWebSite(); });
    connect(mail, &QLabel::linkActivated, this, [] { writeMail(); });
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("Web Site"), site);
    form->addRow(QStringLiteral("Email"), mail);

    // The group fills the page as the texts fill theirs: no empty band below it.
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(group);
    return page;
}

QPlainTextEdit *TAboutBox::createMemo(const QString &objectName, const QString &text)
{
    auto *memo = new QPlainTextEdit(text);
    memo->setObjectName(objectName);
    memo->setReadOnly(true);
    return memo;
}

void TAboutBox::showEvent(QShowEvent *event)
{
    Version->setText(ProgramInfo::VersionText);
    pc_Pages->setCurrentIndex(0);
    QDialog::showEvent(event);
}

void TAboutBox::openWebSite()
{
    ShellServices::current().openDocument(ProgramInfo::WebSite);
}

void TAboutBox::writeMail()
{
    ShellServices::current().openDocument(QStringLiteral("mailto:") + ProgramInfo::SupportMail);
}

} // namespace talmo
