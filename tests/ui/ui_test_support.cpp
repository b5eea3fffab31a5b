#include "ui_test_support.h"

#include <QApplication>
#include <QTableWidget>

#include "platform/folders.h"
#include "support/qt_app.h"
#include "support/icon_builder.h"

namespace zorvane::test {

WindowUnderTest::WindowUnderTest() {
    EnsureQtApp();
    SetSettingsFolderForTesting(settingsFolder.path().string());
    form = std::make_unique<TForm1>(Form1Services{&dialogs, &messages, &errors, &saveDialogs});
    form->resize(720, 500);
    form->show();
    QApplication::processEvents();
}

void WindowUnderTest::Open(const std::filesystem::path& path) {
    dialogs.openAnswers.push_back(QString::fromStdString(path.string()));
    form->ActionOpen->trigger();
}

void WindowUnderTest::Restart(const std::string& settingsText) {
    form.reset();
    if (!settingsText.empty()) WriteText(settingsFolder / "Set.ini", settingsText);
    SetSettingsFolderForTesting(settingsFolder.path().string());
    form = std::make_unique<TForm1>(Form1Services{&dialogs, &messages, &errors, &saveDialogs});
}

QString ListText(const TForm1& form, int row, int column) {
    const QTableWidgetItem* item = form.ListView1->item(row, column);
    return item ? item->text() : QString();
}

std::vector<std::uint8_t> MakeIcon24(int width, int height, Rgb24 (*pixel)(int x, int y)) {
    std::vector<std::uint8_t> v;
    auto put = [&v](std::uint32_t x, int bytes) {
        for (int i = 0; i < bytes; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
    };
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height * 2), 4);
    put(1, 2);
    put(24, 2);
    for (int i = 0; i < 6; ++i) put(0, 4);
    const int rowBytes = (width * 24 + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb24 c = pixel(x, y);
            v.insert(v.end(), {c.blue, c.green, c.red});
        }
        v.insert(v.end(), static_cast<std::size_t>(rowBytes - 3 * width), 0);
    }
    v.insert(v.end(), static_cast<std::size_t>(height * ((width + 31) / 32 * 4)), 0);
    return v;
}

}  // namespace zorvane::test
