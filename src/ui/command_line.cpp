#include "ui/command_line.h"

#include <QFileInfo>

#include "ui/main_window.h"

namespace zorvane {

std::optional<QString> FileFromArguments(const QStringList& arguments, bool& usage) {
    usage = arguments.size() > 1 || (arguments.size() == 1 && arguments[0].startsWith('-'));
    if (arguments.size() != 1 || usage) return std::nullopt;
    // The recent-file list keeps the path, which must still name the file from another folder.
    return QFileInfo(arguments[0]).absoluteFilePath();
}

void OpenFromArguments(TForm1& window, const QStringList& arguments, std::ostream& err) {
    bool usage = false;
    const auto file = FileFromArguments(arguments, usage);
    if (usage) err << kCommandLineUsage << "\n";
    if (file) window.Guarded([&] { window.OpenFile(*file); });
}

}  // namespace zorvane
