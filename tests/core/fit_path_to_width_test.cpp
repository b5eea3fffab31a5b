#include "core/fit_path_to_width.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorvane {
namespace {

// One pixel per byte: the width a box must have to show a text is its length.
int OnePixelPerByte(const std::string& text) { return static_cast<int>(text.size()); }

// Each form of the sequence is what a box exactly as wide as that form shows.
void ExpectShortensThrough(const std::vector<std::string>& forms, char sep) {
    for (const std::string& form : forms) {
        SCOPED_TRACE(form);
        const int width = static_cast<int>(form.size());
        EXPECT_EQ(FitPathToWidth(forms.front(), OnePixelPerByte, width, sep), form);
        // One pixel less never shows this form (except the last, which cannot shrink).
        if (&form != &forms.back()) {
            EXPECT_NE(FitPathToWidth(forms.front(), OnePixelPerByte, width - 1, sep), form);
        }
    }
    EXPECT_EQ(FitPathToWidth(forms.front(), OnePixelPerByte, 1, sep), forms.back());
}

TEST(FitPathToWidth, DrivePathLosesOneLeadingFolderPerStep) {
    ExpectShortensThrough({"C:\\Documents and Settings\\user\\My Documents\\Icons",
                           "C:\\...\\user\\My Documents\\Icons", "C:\\...\\My Documents\\Icons", "C:\\...\\Icons",
                           "...\\Icons", "Icons"},
                          '\\');
}

TEST(FitPathToWidth, HiddenFoldersAreCutWhole) {
    ExpectShortensThrough({"/home/u/.local/share/icons", "/.../u/.local/share/icons", "/.../.local/share/icons",
                           "/.../share/icons", "/.../icons", ".../icons", "icons"},
                          '/');
}

TEST(FitPathToWidth, PathThatFitsIsUntouched) { EXPECT_EQ(FitPathToWidth("/a/b", OnePixelPerByte, 5), "/a/b"); }

TEST(FitPathToWidth, DegeneratePathsEnd) {
    for (const std::string path : {"", "/", "//", "///x", "a:", "a:/", "/.../", ".../", "/./../x/"})
        EXPECT_LE(FitPathToWidth(path, OnePixelPerByte, 0).size(), path.size()) << path;
}

}  // namespace
}  // namespace zorvane
