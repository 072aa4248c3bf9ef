#pragma once

#include <QByteArray>
#include <QStringList>

namespace talmo {

// Turns the console output of a child process, which arrives in chunks cut
// anywhere, into whole lines. LF, CR LF and a lone CR end a line, also when
// CR and LF arrive in different chunks. Lines are decoded only once complete,
// so a character cut between two chunks survives.
class ProcessLineAssembler
{
public:
    // The lines this chunk completed, without their line ends.
    QStringList Feed(const QByteArray &chunk);
    // The unterminated last line, if any, once the process has ended.
    QStringList Finish();

private:
    void completeLine(QStringList &lines);

    QByteArray m_pending;
    bool m_afterCarriageReturn = false;
};

} // namespace talmo
