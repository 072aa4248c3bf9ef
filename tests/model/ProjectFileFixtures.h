#pragma once

#include "helpers/core/XmlTree.h"
#include "model/ProjectContainer.h"
#include "tests/support/QtPrinters.h"

#include <QByteArray>
#include <QString>

#include <QList>

#include <memory>
#include <optional>

namespace talmo::testing {

// Gives the project a fresh sequence of generated names from 100 on
// (Disk-100, ...), as every fixture expects.
void SeedNames(TProjectContainer &project);

// Two items in every list, nested lists included, and a value that differs
// from the default in every setting.
void FillFullProject(TProjectContainer &project);

// One line per element: the path from the root joined by "/", then for an
// element without children a tab and its text (line breaks shown as \n).
QString Outline(const XmlElement &root);
QString Outline(const QByteArray &document);

// A copy of the tree with one element changed, found by its path below the
// root ("Strings/count"; the first child of each name): removed without a
// text, else given that text (an element with children loses them). A
// missing element with a text is appended to its parent.
struct ElementEdit
{
    QString path;
    std::optional<QString> text;  // nothing: remove the element
};
std::unique_ptr<XmlElement> Edited(const XmlElement &root, const QList<ElementEdit> &edits);

QByteArray ReadFixture(const QString &name);
QByteArray ReadFile(const QString &path);
void WriteFile(const QString &path, const QByteArray &bytes);

} // namespace talmo::testing
