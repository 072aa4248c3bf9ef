#pragma once

namespace talmo {

class TProjectContainer;

// Brings a project older than model version 24 to the current shortcut
// layout: every configuration gets a section of its own, "wiz-" and its
// index, holding copies of every entry it used to receive (a section no
// configuration names goes to all of them), and all other sections go.
// Nothing happens from version 24 on. Does not mark the project modified.
void MigrateShortcutSections(TProjectContainer &project);

} // namespace talmo
