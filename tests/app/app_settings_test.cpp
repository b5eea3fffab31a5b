#include <gtest/gtest.h>

#include <filesystem>

#include "app/app_settings.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteText;

std::string Folder(const TempDir& dir) { return dir.path().string() + "/"; }

TEST(AppSettings, AFirstRunTakesEveryDefault) {
    TempDir dir;
    const IniFile ini((dir / "Set.ini").string());
    const AppSettings s = LoadAppSettings(ini, Folder(dir));
    EXPECT_FALSE(s.window.maximized);
    EXPECT_EQ(s.window.left, 150);
    EXPECT_EQ(s.window.top, 100);
    EXPECT_EQ(s.window.width, 720);
    EXPECT_EQ(s.window.height, 500);
    EXPECT_EQ(s.backColor, 0xFFFFFF);
    EXPECT_EQ(s.iconFolder, Folder(dir) + "Icons");
    EXPECT_TRUE(s.recent.MenuItems().empty());
    const PickerSettings p = LoadPickerSettings(ini);
    EXPECT_EQ(p.width, 530);
    EXPECT_EQ(p.height, 450);
    EXPECT_EQ(p.listWidth, 190);
    EXPECT_EQ(p.columnWidth, 120);
}

TEST(AppSettings, EveryKeySurvivesARestartInItsFixedOrder) {
    TempDir dir;
    const std::string path = (dir / "Set.ini").string();
    AppSettings s = DefaultAppSettings(Folder(dir));
    s.recent.set(0, "/a/新しい.dll");
    s.recent.set(3, "/b/old.exe");
    s.window = {true, -20, 30, 800, 640};
    s.iconFolder = "/icons/出力";
    s.backColor = 193 | (220 << 8) | (192 << 16);
    const PickerSettings picker{600, 480, 210, 99};
    {
        IniFile ini(path);
        StoreAppSettings(ini, s);
        StorePickerSettings(ini, picker);
        ini.UpdateFile();
    }
    const auto bytes = ReadFile(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "[RECENT]\n0=/a/新しい.dll\n1=\n2=\n3=/b/old.exe\n4=\n"
              "[WINDOW]\nLEFT=-20\nTOP=30\nWIDTH=800\nHEIGHT=640\nMAXIMIZE=1\n"
              "[SET]\nBACKCOLOR=$00C0DCC1\nICONDIR=/icons/出力\n"
              "[SELECTDLG]\nWIDTH=600\nHEIGHT=480\nLISTWIDTH=210\nCOLUMNWIDTH=99\n");
    const IniFile again(path);
    const AppSettings back = LoadAppSettings(again, "/elsewhere/");
    EXPECT_EQ(back.recent.entries(), s.recent.entries());
    EXPECT_TRUE(back.window.maximized);
    EXPECT_EQ(back.window.left, -20);
    EXPECT_EQ(back.window.height, 640);
    EXPECT_EQ(back.iconFolder, "/icons/出力");
    EXPECT_EQ(back.backColor, s.backColor);
    const PickerSettings p = LoadPickerSettings(again);
    EXPECT_EQ(p.width, 600);
    EXPECT_EQ(p.columnWidth, 99);
}

TEST(AppSettings, TheGridColourReadsNamesAndNumbersAndFallsBackToWhite) {
    TempDir dir;
    const auto colourOf = [&](const std::string& text) {
        WriteText(dir / "Set.ini", "[set]\nbackcolor=" + text + "\n[RECENT]\n0=/kept.dll\n");
        const AppSettings s = LoadAppSettings(IniFile((dir / "Set.ini").string()), Folder(dir));
        EXPECT_EQ(s.recent.at(0), "/kept.dll");  // the rest of the start-up still happens
        return s.backColor;
    };
    EXPECT_EQ(colourOf("clMoneyGreen"), 192 | (220 << 8) | (192 << 16));
    EXPECT_EQ(colourOf("CLRED"), 0x0000FF);
    EXPECT_EQ(colourOf("$00C0DCC1"), 0x00C0DCC1);
    EXPECT_EQ(colourOf("0x00FF00"), 0x00FF00);
    EXPECT_EQ(colourOf("clBtnFace"), static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(colourOf("purple-ish"), 0xFFFFFF);
    EXPECT_EQ(colourOf(""), 0xFFFFFF);
}

TEST(RecentFiles, NewPathsGoFirstListedOnesKeepTheirPlace) {
    RecentFiles r;
    for (const char* p : {"/f1.dll", "/f2.dll", "/f3.dll", "/f4.dll", "/f5.dll", "/f6.dll"}) EXPECT_TRUE(r.Add(p));
    EXPECT_EQ(r.entries(), (std::array<std::string, 5>{"/f6.dll", "/f5.dll", "/f4.dll", "/f3.dll", "/f2.dll"}));
    EXPECT_FALSE(r.Add("/F3.DLL"));  // entry 3, in other case
    EXPECT_EQ(r.at(3), "/f3.dll");
    EXPECT_EQ(r.at(0), "/f6.dll");
    EXPECT_FALSE(r.Add(""));

    // Case is folded in every script, not only in ASCII.
    EXPECT_TRUE(r.Add("/アイコン/Ärger-Ω-Ｚ.dll"));
    EXPECT_FALSE(r.Add("/アイコン/äRGER-ω-ｚ.DLL"));
    EXPECT_TRUE(r.Add("/アイコン/Arger-Ω-Ｚ.dll")) << "another letter is another file";
    EXPECT_EQ(r.at(1), "/アイコン/Ärger-Ω-Ｚ.dll");
}

TEST(RecentFiles, MenuItemsKeepTheirNumbersAcrossGaps) {
    RecentFiles r;
    r.set(0, "/new.exe");
    r.set(2, "/mid.dll");
    const auto items = r.MenuItems();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].index, 0);
    EXPECT_EQ(items[0].caption, "0 :/new.exe");
    EXPECT_EQ(items[1].index, 2);
    EXPECT_EQ(items[1].caption, "2 :/mid.dll");
}

}  // namespace
}  // namespace zorvane
