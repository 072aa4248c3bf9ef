#include "TestFiles.h"

#include "resources/ResourceDetails.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace talmo::test {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder()
{
    static std::atomic<int> counter = 0;
    m_path = fs::path(testing::TempDir()) / ("talmo-resources-" + std::to_string(getpid()) + "-"
                                             + std::to_string(counter++));
    fs::remove_all(m_path);
    fs::create_directories(m_path);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

Bytes ReadFileBytes(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const fs::path &file, const Bytes &bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

fs::path TemplateDll()
{
    return fs::path(TALMO_TEST_PROGRAM_DIR) / "talmo_res.dll";
}

CommandResult RunCommand(const std::string &commandLine)
{
    CommandResult result{-1, {}};
    FILE *pipe = popen(commandLine.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    size_t read;
    while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.Output.append(buffer, read);
    const int status = pclose(pipe);
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::vector<std::string> TypesAndNames(const TResourceModule &module)
{
    std::vector<std::string> result;
    for (int i = 0; i < module.ResourceCount(); ++i)
        result.push_back(module.ResourceDetails(i).ResourceType() + "/" + module.ResourceDetails(i).ResourceName());
    return result;
}

std::vector<std::string> ResourceSummary(const TResourceModule &module)
{
    std::vector<std::string> result = TypesAndNames(module);
    for (int i = 0; i < module.ResourceCount(); ++i) {
        const TResourceDetails &details = module.ResourceDetails(i);
        result[size_t(i)] += "/" + std::to_string(details.LanguageId()) + ":" + std::to_string(details.Data().size());
    }
    return result;
}

Bytes Le16(std::initializer_list<uint16_t> values)
{
    Bytes bytes;
    for (uint16_t value : values)
        AppendU16(bytes, value);
    return bytes;
}

Bytes Le32(std::initializer_list<uint32_t> values)
{
    Bytes bytes;
    for (uint32_t value : values)
        AppendU32(bytes, value);
    return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes bytes;
    for (const Bytes &part : parts)
        AppendBytes(bytes, part);
    return bytes;
}

} // namespace talmo::test
