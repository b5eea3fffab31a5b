// zorvane-cli: the core of Zorvane without a window, for scripts and for checking the core.

#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/usage.h"
#include "zorvane_version.h"

namespace {

using namespace zorvane::cli;

struct Verb {
    const char* name;
    int (*run)(Args, std::ostream&);
};

constexpr Verb kVerbs[] = {
    {"count", RunCount}, {"list", RunList}, {"group", RunGroup}, {"save", RunSave},
    {"image", RunImage}, {"hues", RunHues}, {"scan", RunScan},
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        std::cout << "zorvane-cli " << zorvane::kVersion << "\n";
        return 0;
    }
    for (const Verb& verb : kVerbs) {
        if (args[0] != verb.name) continue;
        try {
            return verb.run(Args(args).subspan(1), std::cout);
        } catch (const UsageError& e) {
            std::cerr << e.what() << "\n" << kUsage;
            return 2;
        } catch (const std::exception& e) {
            std::cerr << e.what() << "\n";
            return 1;
        }
    }
    std::cerr << "unknown command: " << args[0] << "\n" << kUsage;
    return 2;
}
