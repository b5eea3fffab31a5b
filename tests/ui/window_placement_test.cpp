#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>

#include "platform/ini_file.h"
#include "support/test_support.h"
#include "ui/module_picker.h"
#include "ui/window_placement.h"
#include "ui_test_support.h"

namespace zorvane {
namespace {

std::string Text(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

TEST(WindowPlacement, ARectangleMovesAndShrinksOnlyAsFarAsItMustToFitTheArea) {
    const QRect area(0, 30, 1280, 970);  // a panel above the work area
    struct Case {
        QRect stored, fitted;
    };
    for (const Case& c : {
             Case{{150, 100, 720, 500}, {150, 100, 720, 500}},
             Case{{150, 100, 100000, 500}, {0, 100, 1280, 500}},
             Case{{-5000, 99999, 720, 500}, {0, 500, 720, 500}},
             Case{{1000, 0, 720, 100000}, {560, 30, 720, 970}},
             Case{{10, 40, 0, -3}, {10, 40, 1, 1}},
         })
        EXPECT_EQ(FitToArea(c.stored, area), c.fitted) << c.stored.x() << "," << c.stored.y();
}

// Set.ini written on a larger screen, or by hand: the main window and the picker open
// within the available screen, the picker (frame and all) centred on it, and what is
// written back is the size they had.
TEST(WindowPlacement, StoredWindowsOpenWithinTheScreenAndWriteBackWhatTheyShowed) {
    test::WindowUnderTest w;
    const QRect area = w->screen()->availableGeometry();
    for (const char* ini : {
             "[WINDOW]\nLEFT=-5000\nTOP=99999\nWIDTH=100000\nHEIGHT=100000\n[SELECTDLG]\nWIDTH=100000\nHEIGHT=100000\n",
             "[WINDOW]\nLEFT=99999\nTOP=-99999\nWIDTH=400\nHEIGHT=300\n[SELECTDLG]\nWIDTH=300\nHEIGHT=99999\n",
         }) {
        SCOPED_TRACE(ini);
        w.Restart(ini);
        w->show();
        QApplication::processEvents();
        // Its frame is not known before it was first shown: its place and inner size fit.
        const QRect place(w->pos(), w->size());
        EXPECT_TRUE(area.contains(place)) << Text(place) << " in " << Text(area);
        {
            const QString settings = QString::fromStdString(w.settingsFolder.path().string() + "/");
            TForm3 picker(settings, settings, settings, w.messages, w.form.get());
            picker.show();
            QApplication::processEvents();
            const QRect shown = picker.frameGeometry();
            EXPECT_TRUE(area.contains(shown)) << Text(shown) << " in " << Text(area);
            EXPECT_LE((shown.center() - area.center()).manhattanLength(), 2);
        }
        w.form.reset();
        const IniFile saved((w.settingsFolder / "Set.ini").string());
        for (const char* section : {"WINDOW", "SELECTDLG"}) {
            EXPECT_LE(saved.ReadInteger(section, "WIDTH", 0), area.width()) << section;
            EXPECT_LE(saved.ReadInteger(section, "HEIGHT", 0), area.height()) << section;
        }
    }
}

}  // namespace
}  // namespace zorvane
