#pragma once
// The desktop program's command line: at most one argument, a file opened as the open
// command opens it (the desktop entry's "%f" and the file manager's "Open with").

#include <QStringList>
#include <optional>
#include <ostream>

namespace zorvane {

class TForm1;

inline constexpr const char* kCommandLineUsage = "usage: zorvane [FILE]";

// The file the arguments (without the program's name) name, or nothing: none given, or any
// other use (an option, more than one argument), for which usage is set.
std::optional<QString> FileFromArguments(const QStringList& arguments, bool& usage);

// Opens the file the arguments name in the shown window; other use prints the usage on err
// and leaves the window without a file.
void OpenFromArguments(TForm1& window, const QStringList& arguments, std::ostream& err);

}  // namespace zorvane
