#pragma once
// The verbs of zorvane-cli. Each takes the arguments after the verb, writes results to
// out, and returns the exit status; errors are raised and turned into exit codes by main.

#include <ostream>
#include <span>
#include <stdexcept>
#include <string>

namespace zorvane::cli {

using Args = std::span<const std::string>;

// Wrong arguments: usage on standard error, exit 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure already reported in the system's own words: exit 1.
class CommandFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses a decimal number or raises UsageError naming what was expected.
int ParseInt(const std::string& text, const char* what);

int RunCount(Args args, std::ostream& out);
int RunList(Args args, std::ostream& out);
int RunGroup(Args args, std::ostream& out);
int RunSave(Args args, std::ostream& out);
int RunImage(Args args, std::ostream& out);
int RunHues(Args args, std::ostream& out);
int RunScan(Args args, std::ostream& out);

}  // namespace zorvane::cli
