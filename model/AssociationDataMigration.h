#pragma once

namespace talmo {

class TProjectContainer;

// Projects saved before registry strings were kept as the device gets them
// hold the two file-association values in .inf-encoded form: a class's
// DefaultIcon as "<target>,0" (with the quotes) and its Shell\Open\Command as
// """"<target>"""" """"%%1"""". Only these exact forms, as the association
// dialog wrote them, are rewritten to <target>,0 and "<target>" "%1"; any
// other value stays untouched, as nothing else tells an old text from a typed
// one. Does not mark the project modified.
void MigrateAssociationData(TProjectContainer &project);

} // namespace talmo
