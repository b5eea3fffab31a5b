#include "support/test_support.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/wait.h>

namespace zorvane::test {

namespace fs = std::filesystem;

fs::path BuiltFixture(const std::string& name) { return fs::path(ZORVANE_FIXTURE_BUILD_DIR) / name; }
fs::path SourceFixture(const std::string& name) { return fs::path(ZORVANE_FIXTURE_SOURCE_DIR) / name; }

TempDir::TempDir() {
    std::random_device rd;
    for (;;) {
        path_ = fs::temp_directory_path() / ("zorvane-test-" + std::to_string(rd()));
        if (fs::create_directory(path_)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& path, const std::string& text) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    WriteFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string ShellQuote(const std::string& text) {
    std::string q = "'";
    for (char c : text) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

CommandResult RunCommand(const std::string& commandLine) {
    TempDir dir;
    const fs::path out = dir / "out", err = dir / "err";
    const std::string line = commandLine + " >" + ShellQuote(out.string()) + " 2>" + ShellQuote(err.string());
    const int status = std::system(line.c_str());
    CommandResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    auto text = [](const fs::path& p) {
        auto b = ReadFile(p);
        return std::string(b.begin(), b.end());
    };
    r.out = text(out);
    r.err = text(err);
    return r;
}

CommandResult RunCli(const std::vector<std::string>& args) {
    std::string line = ShellQuote(ZORVANE_CLI_PATH);
    for (const auto& a : args) line += " " + ShellQuote(a);
    return RunCommand(line);
}

bool HaveProgram(const std::string& name) {
    return std::system(("command -v " + ShellQuote(name) + " >/dev/null 2>&1").c_str()) == 0;
}

std::string PythonWithPillow() {
    for (const char* python : {"/usr/bin/python3", "python3"})
        if (RunCommand(std::string(python) + " -c 'import PIL'").exitCode == 0) return python;
    return {};
}

}  // namespace zorvane::test
