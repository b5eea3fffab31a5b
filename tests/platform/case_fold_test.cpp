#include <gtest/gtest.h>

#include "platform/case_fold.h"

namespace zorvane {
namespace {

TEST(CaseFold, LettersOfEveryScriptMatchInEitherCaseAndNothingElseDoes) {
    const struct {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"Shell32.DLL", "shell32.dll", true},
        {"Ärger Éclair Ÿ", "äRGER éCLAIR ÿ", true},  // Latin-1 and the one above it
        {"ΑΒΓ Ωμέγα", "αβγ ωΜΈΓΑ", true},
        {"ДИСК Ёж", "диск ёЖ", true},
        {"ＡＢＣ", "ａｂｃ", true},    // full-width, as Japanese names write them
        {"Straße", "STRASSE", false},  // simple folding: one letter never becomes two
        {"アイコン", "アイコン", true},
        {"Ärger", "Arger", false},
        {"a", "ab", false},
        {"\xFF\xFE", "\xFF\xFE", true},  // bytes that are not UTF-8 compare as they are
        {"\xC4", "\xE4", false},         // ... and are not folded as Latin-1
    };
    for (const auto& c : cases) EXPECT_EQ(EqualsFoldingCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
    EXPECT_EQ(FoldCase(U'Ａ'), U'ａ');
    EXPECT_EQ(FoldCase(U'ｚ'), U'ｚ');
    EXPECT_EQ(FoldCase(U'ǅ'), U'ǆ');
}

}  // namespace
}  // namespace zorvane
