#include "windows/builder/BuilderFormRunner.h"

#include "windows/builder/BuilderForm.h"

namespace talmo {

BuilderFormRunner::BuilderFormRunner(TBuilderForm &form)
    : m_form(form)
{
}

BuildOutcome BuilderFormRunner::run(const BuilderRequest &request)
{
    m_form.SetProject(request.project);
    m_form.SetBuildMode(request.mode);
    m_form.SetKeepOpen(request.keepOpen);
    m_form.SetRunAfterBuild(request.runAfterBuild);
    m_form.exec();
    return { m_form.ResultCode(), m_form.ErrorText() };
}

} // namespace talmo
