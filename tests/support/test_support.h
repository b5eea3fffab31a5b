#pragma once
// Helpers shared by the test programs: where fixtures are, temporary folders, running the CLI.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zorvane::test {

// Fixtures built at test time (modules from .rc files) and those kept in the tree.
std::filesystem::path BuiltFixture(const std::string& name);
std::filesystem::path SourceFixture(const std::string& name);

// A fresh folder removed again when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
// Writes text as it is, creating the folders on the way.
void WriteText(const std::filesystem::path& path, const std::string& text);

struct CommandResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};
// Runs a shell command line, capturing standard output and standard error.
CommandResult RunCommand(const std::string& commandLine);
// Runs zorvane-cli with the given arguments (each quoted for the shell).
CommandResult RunCli(const std::vector<std::string>& args);
std::string ShellQuote(const std::string& text);
// True when an external program is on the PATH.
bool HaveProgram(const std::string& name);
// A Python that has the imaging library (the system's first), or empty: the independent
// reader several tests check our files against.
std::string PythonWithPillow();

}  // namespace zorvane::test
