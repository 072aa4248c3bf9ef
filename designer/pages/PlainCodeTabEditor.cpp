#include "designer/pages/PlainCodeTabEditor.h"

#include <QFontDatabase>
#include <QPlainTextEdit>

namespace talmo {

PlainCodeTabEditor::PlainCodeTabEditor(QObject *parent)
    : CodeTabEditor(parent), m_edit(new QPlainTextEdit)
{
    m_edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(m_edit, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_silent)
            emit edited();
    });
}

PlainCodeTabEditor::~PlainCodeTabEditor()
{
    if (m_edit && !m_edit->parent())
        delete m_edit;
}

QWidget *PlainCodeTabEditor::widget() const
{
    return m_edit;
}

QStringList PlainCodeTabEditor::lines() const
{
    return m_edit->toPlainText().split(u'\n');
}

void PlainCodeTabEditor::setLines(const QStringList &lines)
{
    m_silent = true;
    m_edit->setPlainText(lines.join(u'\n'));
    m_silent = false;
}

} // namespace talmo
