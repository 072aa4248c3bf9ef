#pragma once

#include "resources/ByteView.h"
#include "resources/ResourceModule.h"

#include <filesystem>
#include <string>
#include <vector>

namespace talmo::test {

// A fresh folder under the test temp folder, removed with the object.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::filesystem::path &Path() const { return m_path; }
    std::filesystem::path operator/(const std::string &name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

Bytes ReadFileBytes(const std::filesystem::path &file);
void WriteFileBytes(const std::filesystem::path &file, const Bytes &bytes);

// The generated template in the program folder.
std::filesystem::path TemplateDll();

// Runs a command line through the shell; returns its exit code and standard output.
struct CommandResult
{
    int ExitCode;
    std::string Output;
};
CommandResult RunCommand(const std::string &commandLine);

// "type/name" of every resource in list order.
std::vector<std::string> TypesAndNames(const TResourceModule &module);
// "type/name/language:size" of every resource in list order.
std::vector<std::string> ResourceSummary(const TResourceModule &module);

// Little-endian bytes for hand-written fixtures.
Bytes Le16(std::initializer_list<uint16_t> values);
Bytes Le32(std::initializer_list<uint32_t> values);
Bytes Concat(std::initializer_list<Bytes> parts);

} // namespace talmo::test
