// The window's speed: opening a large module and painting the first page of its grid, and
// one recolour of a big preview (what a dragged bar asks for on every move).

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <filesystem>

#include "controls/auto_adjust_icon_grid.h"
#include "controls/focus_edge_scroll_bar.h"
#include "platform/file_io.h"
#include "support/icon_builder.h"
#include "ui/main_window.h"

namespace zorvane {
namespace {

class NoDialogs : public Form1Dialogs {
public:
    std::optional<QString> OpenFileName(QWidget*) override { return std::nullopt; }
    std::optional<QColor> ChooseColor(QWidget*, const QColor&) override { return std::nullopt; }
};

struct QuietWindow {
    QuietWindow() : form(Form1Services{&dialogs, &messages, &errors}) {
        form.resize(720, 500);
        form.show();
        QApplication::processEvents();
    }
    NoDialogs dialogs;
    SilentMessageSink messages;
    RecordingErrorReport errors;
    TForm1 form;
};

QString Fixture(const char* name) {
    return QString::fromStdString((std::filesystem::path(ZORVANE_FIXTURE_BUILD_DIR) / name).string());
}

// ZORVANE_BENCH_MODULE names another module to open (Wine's shell32.dll has 184 groups).
void BM_OpenModuleAndPaintFirstGridPage(benchmark::State& state) {
    QuietWindow w;
    const QString module = qEnvironmentVariableIsEmpty("ZORVANE_BENCH_MODULE")
                               ? Fixture("many.dll")
                               : qEnvironmentVariable("ZORVANE_BENCH_MODULE");
    for (auto _ : state) {
        w.form.CloseFileExecute();
        w.form.OpenFile(module);
        benchmark::DoNotOptimize(w.form.DG->viewport()->grab());
    }
    state.counters["groups"] = w.form.DG->IconCount();
    state.counters["cells"] = w.form.DG->ColCount() * (w.form.DG->viewport()->height() / 40 + 1);
}
BENCHMARK(BM_OpenModuleAndPaintFirstGridPage)->Unit(benchmark::kMillisecond);

// One recolour of a 256 x 256 preview at 800 %; with paint, the visible part of the
// preview is also drawn, as the window does after each move of a bar.
void RecolourPreview256At800(benchmark::State& state, bool paint) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "zorvane_bench_256.ico";
    WriteFileReplacing(file.string(), test::MakeIconFile({{256, 256, 32, 7}}));
    QuietWindow w;
    w.form.OpenFile(QString::fromStdString(file.string()));
    w.form.N8001Click(w.form.ZoomItems.last());
    int hue = 0;
    for (auto _ : state) {
        hue = hue == 90 ? -90 : 90;
        w.form.SBar_H->setValue(hue);
        w.form.ScrollBarScroll(w.form.SBar_H);
        if (paint) w.form.ImgBox->viewport()->repaint();
    }
    state.counters["preview_px"] = w.form.WorkBitmap.width() * 8.0 * ((w.form.WorkBitmap.height() - 1) * 8 + 1);
    std::filesystem::remove(file);
}
void BM_RecolourPreview256At800(benchmark::State& state) { RecolourPreview256At800(state, false); }
void BM_RecolourAndPaintPreview256At800(benchmark::State& state) { RecolourPreview256At800(state, true); }
BENCHMARK(BM_RecolourPreview256At800)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecolourAndPaintPreview256At800)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvane

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
