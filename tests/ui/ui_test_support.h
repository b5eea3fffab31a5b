#pragma once
// Offscreen window tests: one application object for the program, the main window with
// its dialogs, message boxes and error report replaced by recorders.

#include <QColor>
#include <QString>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "support/qt_app.h"
#include "support/test_support.h"
#include "ui/main_window.h"
#include "ui/save_test_support.h"

namespace zorvane::test {

// Answers the window's dialogs from queues; an empty queue, an empty path or an invalid
// colour answers "cancelled".
class ScriptedDialogs : public Form1Dialogs {
public:
    std::optional<QString> OpenFileName(QWidget*) override {
        const QString path = Next(openAnswers);
        if (path.isEmpty()) return std::nullopt;
        return path;
    }
    std::optional<QColor> ChooseColor(QWidget*, const QColor& initial) override {
        colorInitials.push_back(initial);
        const QColor color = Next(colorAnswers);
        if (!color.isValid()) return std::nullopt;
        return color;
    }
    std::deque<QString> openAnswers;
    std::deque<QColor> colorAnswers;
    std::vector<QColor> colorInitials;

private:
    template <typename T>
    static T Next(std::deque<T>& queue) {
        if (queue.empty()) return T();
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

// A main window whose outside world is recorded.
struct WindowUnderTest {
    WindowUnderTest();
    // Holds this window's "Set.ini" and module lists, so no test sees another's settings.
    TempDir settingsFolder;
    ScriptedDialogs dialogs;
    ScriptedSaveDialogs saveDialogs;
    RecordingMessageSink messages;
    RecordingErrorReport errors;
    std::unique_ptr<TForm1> form;

    TForm1& operator*() { return *form; }
    TForm1* operator->() { return form.get(); }
    // Opens a path the way the open dialog does.
    void Open(const std::filesystem::path& path);
    // Closes the window (writing its settings) and starts a new one on the same settings,
    // after replacing them with settingsText when given.
    void Restart(const std::string& settingsText = "");
};

// The text of list cell (row, column).
QString ListText(const TForm1& form, int row, int column);

// A 24-bit icon image whose pixel (x, y) has the colour given by pixel(x, y); the mask is
// clear (every pixel opaque).
struct Rgb24 {
    std::uint8_t red, green, blue;
};
std::vector<std::uint8_t> MakeIcon24(int width, int height, Rgb24 (*pixel)(int x, int y));

}  // namespace zorvane::test
