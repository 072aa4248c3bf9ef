#pragma once

#include "helpers/core/ComponentTextClassRegistry.h"
#include "helpers/core/ComponentTextError.h"
#include "helpers/core/ComponentTextNode.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace talmo {

// The text form of a component tree, as a designed page is stored:
//
//   object TPanel
//     Left = 0
//     object Label1: TLabel
//       Caption = 'Name:'
//     end
//   end
//
// Reading parses the whole text before anything is returned, so text with a
// fault yields nothing.
class ComponentText
{
public:
    // Gets each unknown-class error while reading; returning true drops that
    // block (with its children) and goes on, false ends the reading with it.
    using ErrorHandler = std::function<bool(const ComponentTextError &)>;

    // Syntax only; throws ComponentTextError.
    static ComponentTextNode parse(const QString &text);
    // The lines of a page record, one line per entry.
    static ComponentTextNode parse(const QStringList &lines);

    // Parses, then checks the class of every block below the root against the
    // registry (the root is the reader's own object, so its class is not looked
    // up). Throws ComponentTextError for a syntax error, and for an unknown class
    // that the handler does not take.
    static ComponentTextNode read(const QString &text, const ComponentTextClassRegistry &registry,
                                  const ErrorHandler &onError = {});
    static ComponentTextNode read(const QStringList &lines, const ComponentTextClassRegistry &registry,
                                  const ErrorHandler &onError = {});

    // How strings hold characters above 127: wide strings write them as "#"
    // codes, 8-bit strings (the designed controls' own) as they stand.
    enum class StringForm { Wide, EightBit };

    // One entry per line, without line ends. Throws ComponentTextError for a
    // tree no text can hold.
    static QStringList toLines(const ComponentTextNode &root, StringForm form = StringForm::Wide);
    // Every line ended by CR LF.
    static QString toText(const ComponentTextNode &root, StringForm form = StringForm::Wide);
};

} // namespace talmo
