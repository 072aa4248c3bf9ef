#pragma once

#include "helpers/core/XmlTree.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>

namespace talmo {

// Raised while a project or project-manager file is read when an element is
// missing, holds elements where text belongs, or does not decode. Guarded
// parts of the reader catch it and take their fallback; elsewhere it fails
// the load.
class ProjectFileReadError : public std::runtime_error
{
public:
    explicit ProjectFileReadError(const QString &message);
};

// Lookups among the direct children of one element. Names compare exactly;
// of several children with one name the first counts.
namespace FileElements {

// The child must exist.
const XmlElement &Required(const XmlElement &parent, const QString &name);
// The element's text; an element that holds elements cannot be read as text.
QString TextOf(const XmlElement &element);

QString RequiredText(const XmlElement &parent, const QString &name);
// A missing child reads as empty text.
QString OptionalText(const XmlElement &parent, const QString &name);

bool DecodeBooleanOrFail(const QString &text, const QString &name);
int DecodeIntegerOrFail(const QString &text, const QString &name);

bool RequiredBoolean(const XmlElement &parent, const QString &name);
// Empty text decodes to no boolean and no integer, so a missing child still fails.
bool OptionalBoolean(const XmlElement &parent, const QString &name);
int RequiredInteger(const XmlElement &parent, const QString &name);
int OptionalInteger(const XmlElement &parent, const QString &name);
QStringList RequiredCommaText(const XmlElement &parent, const QString &name);
QStringList OptionalCommaText(const XmlElement &parent, const QString &name);
QStringList RequiredLines(const XmlElement &parent, const QString &name);

using ItemReader = std::function<void(const XmlElement &item)>;

// Counted lists. The first child is taken to be the count, whatever its name.
// After count: the required count only tells an empty list (0) from one whose
// items are all further children.
void ForEachAfterCount(const XmlElement &list, const ItemReader &read);
// By count: the items are the children at positions 1 to count; fewer fail.
void ForEachByCount(const XmlElement &list, const ItemReader &read);
// Plain lists: every child is an item.
void ForEachChild(const XmlElement &list, const ItemReader &read);
// The children named prefix + 0, prefix + 1, ... up to the parent's count.
void ForEachByName(const XmlElement &parent, const QString &prefix, const ItemReader &read);

} // namespace FileElements

} // namespace talmo
