#include "editors/dialogs/PathBuilder.h"

#include "editors/common/DialogLayout.h"
#include "editors/dialogs/PathBuilderText.h"
#include "model/ProjectContainer.h"
#include "widgets/Colors.h"
#include "widgets/NxEdit.h"
#include "widgets/NxHeaderPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace talmo {

namespace {

QLabel *macroLinks(const QList<PathBuilderText::Macro> &macros, QWidget *parent)
{
    QStringList lines;
    for (const auto &[macro, meaning] : macros)
        lines.append(QStringLiteral("<a href=\"%1\">%1</a> = %2").arg(macro.toHtmlEscaped(), meaning.toHtmlEscaped()));
    auto *label = new QLabel(lines.join(QStringLiteral("<br>")), parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    return label;
}

} // namespace

TPathBuilder::TPathBuilder(QWidget *parent)
    : QDialog(parent)
    , eb_path(new TNxEdit(this))
    , JvLinkLabel1(nullptr)
    , JvLinkLabel2(nullptr)
    , JvLinkLabel3(new QLabel(QStringLiteral("[ Interpreted: ]"), this))
    , NxButton1(new QPushButton(QStringLiteral("Cancel"), this))
    , NxButton2(new QPushButton(QStringLiteral("Ok"), this))
{
    setWindowTitle(QStringLiteral("Path Builder"));
    prepareDialog(this, "PathBuilder");
    JvLinkLabel3->setTextFormat(Qt::RichText);

    auto *info = new TNxHeaderPanel(this);
    info->setCaption(QStringLiteral("Info"));
    info->setHeaderSize(16);
    info->setHeaderColor(clBtnFace);
    info->setColor(clCream);
    JvLinkLabel1 = macroLinks(PathBuilderText::firstColumn(), info);
    JvLinkLabel2 = macroLinks(PathBuilderText::secondColumn(), info);
    auto *links = new QHBoxLayout(info);
    links->addWidget(JvLinkLabel1);
    links->addWidget(JvLinkLabel2);

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(QStringLiteral("Path"), this));
    pathRow->addWidget(eb_path, 1);
    auto *column = new QVBoxLayout(this);
    column->addLayout(pathRow);
    column->addWidget(JvLinkLabel3);
    column->addWidget(info, 1);
    column->addLayout(okCancelRow(NxButton2, NxButton1));
    resize(555, 233);

    connect(JvLinkLabel1, &QLabel::linkActivated, this, &TPathBuilder::insertMacro);
    connect(JvLinkLabel2, &QLabel::linkActivated, this, &TPathBuilder::insertMacro);
    connect(eb_path, &QLineEdit::textChanged, this, &TPathBuilder::eb_pathChange);
    connect(NxButton2, &QPushButton::clicked, this, &TPathBuilder::Button1Click);
    connect(NxButton1, &QPushButton::clicked, this, &QDialog::reject);
}

void TPathBuilder::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    eb_path->setText(Path);
    eb_pathChange();
    eb_path->setFocus(Qt::OtherFocusReason);
    eb_path->selectAll();
}

void TPathBuilder::insertMacro(const QString &macro)
{
    const int start = eb_path->hasSelectedText() ? eb_path->selectionStart() : -1;
    const int length = eb_path->hasSelectedText() ? eb_path->selectedText().size() : 0;
    eb_path->setText(PathBuilderText::insertMacro(eb_path->text(), start, length, macro));
    if (start >= 0)
        eb_path->setCursorPosition(start + int(macro.size()));
}

void TPathBuilder::eb_pathChange()
{
    if (Project)
        JvLinkLabel3->setText(PathBuilderText::interpretation(*Project, eb_path->text()));
}

void TPathBuilder::Button1Click()
{
    Path = eb_path->text();
    accept();
}

} // namespace talmo
