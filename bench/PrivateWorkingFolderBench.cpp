// What a build's private working folder costs: the CAB build of
// examples/Hello through the builder and the real cabwiz, against making and
// removing the two private folders that build uses (one under the temporary
// folder, one in the output folder). The second must be lost in the noise of
// the first; plain folders made and removed show the file system's own share.
// Run from the build tree: _build/bench/bench_PrivateWorkingFolderBench.
#include "engine/builder/BuildController.h"
#include "engine/builder/PrivateWorkingFolder.h"
#include "model/ProjectContainer.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using namespace talmo;

QString ProgramFolderOfTheBuildTree()
{
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin")).absolutePath();
}

// A copy of examples/Hello in its own folder, loaded.
struct HelloCopy
{
    HelloCopy()
    {
        const QString from = ProgramFolderOfTheBuildTree() + QStringLiteral("/examples/Hello");
        QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString source = files.next();
            const QString target = root.filePath(QStringLiteral("Hello/") + QDir(from).relativeFilePath(source));
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(source, target);
        }
        QDir(root.path()).mkpath(QStringLiteral("tmp"));
        QDir(root.path()).mkpath(QStringLiteral("Hello/output"));
        if (!project.LoadFromFile(root.filePath(QStringLiteral("Hello/Hello.talmo"))))
            throw std::runtime_error("examples/Hello cannot be read");
    }

    QTemporaryDir root;
    TProjectContainer project;
};

void cabBuildOfHello(benchmark::State &state)
{
    ProgramFolder::setOverride(ProgramFolderOfTheBuildTree());
    HelloCopy hello;
    BuildController builder;
    builder.Project = &hello.project;
    builder.SetWorkingFolder(hello.root.filePath(QStringLiteral("tmp")));
    builder.BuildMode = 4;
    builder.WindowShown();
    for (auto _ : state) {
        builder.BuildCabs();
        if (builder.ResultCode != 0)
            throw std::runtime_error(builder.ErrorText.toStdString());
    }
    ProgramFolder::clearOverride();
}
BENCHMARK(cabBuildOfHello)->Unit(benchmark::kMillisecond)->UseRealTime();

void privateFoldersOfOneBuild(benchmark::State &state)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("tmp"));
    QDir(root.path()).mkpath(QStringLiteral("output"));
    for (auto _ : state) {
        QString reason;
        PrivateWorkingFolder working(root.filePath(QStringLiteral("tmp")));
        PrivateWorkingFolder staging(root.filePath(QStringLiteral("output")), PrivateWorkingFolder::StagingPrefix());
        if (!working.Create(&reason) || !staging.Create(&reason))
            throw std::runtime_error(reason.toStdString());
    }
}
BENCHMARK(privateFoldersOfOneBuild)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The file system's own share: two plain folders made and removed, no lock, no look for leftovers.
void plainFoldersForComparison(benchmark::State &state)
{
    QTemporaryDir root;
    for (auto _ : state) {
        QDir(root.path()).mkdir(QStringLiteral("tmp-folder"));
        QDir(root.path()).mkdir(QStringLiteral(".output-folder"));
        QDir(root.path()).rmdir(QStringLiteral("tmp-folder"));
        QDir(root.path()).rmdir(QStringLiteral(".output-folder"));
    }
}
BENCHMARK(plainFoldersForComparison)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
