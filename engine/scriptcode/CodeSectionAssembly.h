#pragma once

#include "engine/script/ScriptCodeSection.h"

#include <functional>

namespace talmo {

class CustomPageCode;
class ScriptLineOrigins;

// The [Code] writers that live elsewhere: the Palm support code, the custom
// page code and the download code. An empty writer writes nothing.
struct CodeSectionPartWriters
{
    using Writer = std::function<void(const ScriptCodeContext &, QStringList &)>;
    Writer palmSupportCode;
    Writer customFormsCode;
    Writer downloadCode; // called only when the setup downloads files

    // The Palm support, custom page and download writers of the build engine;
    // customPages and origins (where the user's lines land; may be null) must
    // outlive the writers.
    static CodeSectionPartWriters Standard(const CustomPageCode &customPages, ScriptLineOrigins *origins = nullptr);
};

// The script program of the setup: the generated parts in an order that
// declares everything before its use, the support functions the sections
// call, the standard event procedures, the About button and link label,
// the skin template's code and the InitializeSetup and InitializeWizard
// routines, followed by the [CustomMessages] the code uses.
class CodeSectionAssembly : public ScriptCodeSection
{
public:
    explicit CodeSectionAssembly(CodeSectionPartWriters parts);

    void WriteCodeSection(const ScriptCodeContext &context, QStringList &script) override;

private:
    CodeSectionPartWriters m_parts;
};

} // namespace talmo
