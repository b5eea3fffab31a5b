#include <gtest/gtest.h>

#include "ui/name_filters.h"

namespace zorvane {
namespace {

TEST(NameFilters, PairsBecomeQtFiltersAndStarDotStarMeansEveryFile) {
    const QStringList filters = QtNameFilters(
        "アイコンを取得したいファイル (*.*)|*.*|実行モジュール(*.exe *.dll *.cpl;)|*.exe;*.dll;*.cpl;|"
        "アイコンファイル(*.ico)|*.ico");
    ASSERT_EQ(filters.size(), 3);
    // Files without a dot in their name are offered too.
    EXPECT_EQ(filters[0], "アイコンを取得したいファイル (*.*) (*)");
    EXPECT_EQ(filters[1], "実行モジュール(*.exe *.dll *.cpl;) (*.exe *.dll *.cpl)");
    EXPECT_EQ(filters[2], "アイコンファイル(*.ico) (*.ico)");
}

}  // namespace
}  // namespace zorvane
