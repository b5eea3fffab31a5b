// The picker's list: a cached list file of 300,000 lines read into the list and the first
// page painted, as a change of kind does.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <filesystem>
#include <string>

#include "platform/file_io.h"
#include "platform/message_sink.h"
#include "ui/module_picker.h"
#include "ui/radio_group.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;

constexpr int kLines = 300000;
constexpr int kModules = 1000;

void WriteText(const fs::path& path, const std::string& text) {
    WriteFileReplacing(path.string(), std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// kModules files in the system folder, named over and over by both flat lists.
struct LargeLists {
    fs::path root = fs::temp_directory_path() / "zorvane_picker_bench";
    LargeLists() {
        fs::remove_all(root);
        fs::create_directories(root / "system");
        fs::create_directories(root / "programs");
        for (int i = 0; i < kModules; ++i) WriteText(root / "system" / ("m" + std::to_string(i) + ".dll"), "x");
        std::string list;
        for (int i = 0; i < kLines; ++i)
            list += "m" + std::to_string(i % kModules) + ".dll," + std::to_string(i % 97) + "\r\n";
        WriteText(root / "Shell_dllList.txt", list);
        WriteText(root / "Shell_cplList.txt", list);
    }
    ~LargeLists() { fs::remove_all(root); }
    QString folder(const char* name) const { return QString::fromStdString((root / name).string() + "/"); }
};

void BM_PickerShows300000LineList(benchmark::State& state) {
    LargeLists lists;
    SilentMessageSink sink;
    TForm3 picker(lists.folder("system"), lists.folder("programs"), QString::fromStdString(lists.root.string() + "/"),
                  sink);
    picker.show();
    QApplication::processEvents();
    int kind = 0;
    for (auto _ : state) {
        kind = 1 - kind;
        picker.RadioGroup1->SetItemIndex(kind);
        picker.RadioGroup1Click();
        benchmark::DoNotOptimize(picker.ListView1->viewport()->grab());
    }
    state.counters["rows"] = picker.ListView1->model()->rowCount();
}
BENCHMARK(BM_PickerShows300000LineList)->Unit(benchmark::kMillisecond)->Iterations(4);

}  // namespace
}  // namespace zorvane
