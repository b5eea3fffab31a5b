#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "platform/ini_file.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteText;

TEST(IniFile, AMissingFileGivesEveryDefault) {
    TempDir dir;
    IniFile ini((dir / "Set.ini").string());
    EXPECT_EQ(ini.ReadString("SET", "ICONDIR", "x"), "x");
    EXPECT_EQ(ini.ReadInteger("WINDOW", "LEFT", 150), 150);
    EXPECT_TRUE(ini.ReadBool("WINDOW", "MAXIMIZE", true));
    EXPECT_FALSE(std::filesystem::exists(dir / "Set.ini"));
}

TEST(IniFile, NamesMatchWithoutCaseAndNumbersReadInEveryNotation) {
    TempDir dir;
    WriteText(dir / "Set.ini",
              "\xEF\xBB\xBF; comment\r\n[Window]\r\nLeft = 12\r\ntop=$1F\r\nWidth=0x10\r\nHEIGHT=-3\r\n"
              "Bad=12a\r\nHuge=99999999999\r\nMaximize=2\r\n[set]\nIconDir=/tmp/アイコン\n");
    IniFile ini((dir / "Set.ini").string());
    EXPECT_EQ(ini.ReadInteger("WINDOW", "LEFT", 0), 12);
    EXPECT_EQ(ini.ReadInteger("window", "TOP", 0), 31);
    EXPECT_EQ(ini.ReadInteger("WINDOW", "width", 0), 16);
    EXPECT_EQ(ini.ReadInteger("WINDOW", "HEIGHT", 0), -3);
    EXPECT_EQ(ini.ReadInteger("WINDOW", "BAD", 7), 7);
    EXPECT_EQ(ini.ReadInteger("WINDOW", "HUGE", 7), 7);
    EXPECT_TRUE(ini.ReadBool("WINDOW", "MAXIMIZE", false));
    EXPECT_EQ(ini.ReadString("SET", "ICONDIR", ""), "/tmp/アイコン");
    EXPECT_EQ(ini.ReadInteger("SET", "LEFT", 5), 5);  // keys belong to their section
}

TEST(IniFile, WritesReplaceValuesKeepOtherLinesAndReadBack) {
    TempDir dir;
    WriteText(dir / "Set.ini", "; kept\n[MAKEALLDLG]\nCount=3\n\n[OTHER]\nx=1\n");
    IniFile ini((dir / "Set.ini").string());
    ini.WriteInteger("makealldlg", "COUNT", 12);
    ini.WriteBool("MAKEALLDLG", "FLAG", true);
    ini.WriteString("NEW", "PATH", "a\nb");
    ini.UpdateFile();
    IniFile again((dir / "Set.ini").string());
    EXPECT_EQ(again.ReadInteger("MAKEALLDLG", "COUNT", 0), 12);
    EXPECT_TRUE(again.ReadBool("MAKEALLDLG", "FLAG", false));
    EXPECT_EQ(again.ReadString("NEW", "PATH", ""), "a b");
    EXPECT_EQ(again.ReadInteger("OTHER", "X", 0), 1);
    EXPECT_EQ(again.Text(), "; kept\n[MAKEALLDLG]\nCount=12\nFLAG=1\n\n[OTHER]\nx=1\n[NEW]\nPATH=a b\n");
}

TEST(IniFile, AFailedUpdateLeavesTheOldFileIntact) {
    TempDir dir;
    WriteText(dir / "Set.ini", "[SET]\nBACKCOLOR=clRed\n");
    const auto before = ReadFile(dir / "Set.ini");
    IniFile ini((dir / "Set.ini").string());
    for (int i = 0; i < 200; ++i) ini.WriteString("RECENT", std::to_string(i), std::string(100, 'p'));
    SetWriteFailureAfterBytesForTesting(10);
    EXPECT_THROW(ini.UpdateFile(), FileError);
    SetWriteFailureAfterBytesForTesting(-1);
    EXPECT_EQ(ReadFile(dir / "Set.ini"), before);
}

}  // namespace
}  // namespace zorvane
