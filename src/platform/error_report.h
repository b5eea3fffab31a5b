#pragma once
// The application's default error report: what the user sees when an exception ends a
// command. The window shows a message box with the text and OK; tests record it.

#include <string>
#include <vector>

namespace zorvane {

class ErrorReport {
public:
    virtual ~ErrorReport() = default;
    virtual void report(const std::string& text) = 0;
};

class RecordingErrorReport : public ErrorReport {
public:
    void report(const std::string& text) override { reports.push_back(text); }
    std::vector<std::string> reports;
};

}  // namespace zorvane
