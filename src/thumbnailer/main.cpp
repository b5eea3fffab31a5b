// zorvane-thumbnailer: thumbnails of Windows programs and icon files for the desktop's file
// managers (their .thumbnailer entries call it with the size, the input and the output).

#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "thumbnailer/thumbnail.h"
#include "zorvane_version.h"

namespace {

constexpr const char* kUsage = "usage: zorvane-thumbnailer [-s SIZE] INPUT OUTPUT";
constexpr int kMaxSize = 4096;

struct Request {
    int size = zorvane::kDefaultThumbnailSize;
    std::string input, output;
};

bool ParseSize(const std::string& text, int& size) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, size);
    return ec == std::errc() && ptr == end && size >= 1 && size <= kMaxSize;
}

bool ParseRequest(const std::vector<std::string>& args, Request& request) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-s") {
            if (i + 1 == args.size() || !ParseSize(args[++i], request.size)) return false;
        } else {
            paths.push_back(args[i]);
        }
    }
    if (paths.size() != 2) return false;
    request.input = paths[0];
    request.output = paths[1];
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "zorvane-thumbnailer " << zorvane::kVersion << "\n";
        return 0;
    }
    Request request;
    if (!ParseRequest(args, request)) {
        std::cerr << kUsage << "\n";
        return 1;
    }
    try {
        // Written whole beside OUTPUT and renamed over it: a failure leaves no OUTPUT behind.
        zorvane::WriteFileReplacing(request.output, zorvane::MakeThumbnailPng(request.input, request.size));
    } catch (const std::exception& e) {
        std::cerr << "zorvane-thumbnailer: " << request.input << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
