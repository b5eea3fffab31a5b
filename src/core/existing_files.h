#pragma once
// Which names of a module list still name files: each folder is listed once and the names
// looked up in it, so a list of hundreds of thousands of lines costs a few folder reads
// instead of one file-system query per line.

#include <string>
#include <unordered_map>
#include <unordered_set>

namespace zorvane {

class ExistingFiles {
public:
    // root ends with "/"; names are relative to it, folders separated by "/".
    explicit ExistingFiles(std::string root) : root_(std::move(root)) {}

    // True when root + name is a regular file or a link to one, as a query of that path
    // would say.
    bool Contains(const std::string& name);

private:
    std::string root_;
    std::unordered_map<std::string, std::unordered_set<std::string>> folders_;
};

}  // namespace zorvane
