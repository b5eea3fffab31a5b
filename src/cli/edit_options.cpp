#include "cli/edit_options.h"

#include <algorithm>
#include <iterator>
#include <sstream>

namespace zorvane::cli {
namespace {

struct TurnOp {
    const char* name;
    void (TransformState::*apply)();
};

constexpr TurnOp kTurnOps[] = {
    {"r90", &TransformState::TurnRight},     {"r270", &TransformState::TurnLeft},
    {"r180", &TransformState::Turn180},      {"h", &TransformState::MirrorLeftRight},
    {"v", &TransformState::MirrorTopBottom}, {"reset", &TransformState::Reset},
};

}  // namespace

void ApplyTurnOps(const std::string& ops, TransformState& state) {
    std::istringstream list(ops);
    std::string name;
    while (std::getline(list, name, ',')) {
        const auto op = std::find_if(std::begin(kTurnOps), std::end(kTurnOps),
                                     [&](const TurnOp& t) { return name == t.name; });
        if (op == std::end(kTurnOps))
            throw UsageError("--turn: unknown operation '" + name + "' (r90, r270, r180, h, v, reset)");
        (state.*op->apply)();
    }
}

EditOptions ParseEditOptions(Args args, std::vector<std::string>& rest) {
    EditOptions edit;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takesValue = a == "--hue" || a == "--sat" || a == "--val" || a == "--turn";
        if (!takesValue) {
            rest.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) throw UsageError(a + ": a value is missing");
        const std::string& v = args[++i];
        if (a == "--hue")
            edit.hue = ParseInt(v, "--hue");
        else if (a == "--sat")
            edit.saturation = ParseInt(v, "--sat");
        else if (a == "--val")
            edit.value = ParseInt(v, "--val");
        else
            ApplyTurnOps(v, edit.state);
    }
    return edit;
}

std::optional<std::string> TakeValue(std::vector<std::string>& args, const std::string& option) {
    auto it = std::find(args.begin(), args.end(), option);
    if (it == args.end()) return std::nullopt;
    if (std::next(it) == args.end()) throw UsageError(option + " needs a value");
    std::string value = *std::next(it);
    args.erase(it, std::next(it, 2));
    return value;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& flag) {
    const auto it = std::find(args.begin(), args.end(), flag);
    if (it == args.end()) return false;
    args.erase(it);
    return true;
}

void ExpectPositional(const std::vector<std::string>& args, std::size_t count, const char* usage) {
    const bool option = std::any_of(args.begin(), args.end(), [](const std::string& a) { return a.starts_with("--"); });
    if (args.size() != count || option) throw UsageError(usage);
}

}  // namespace zorvane::cli
