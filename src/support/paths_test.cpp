#include "support/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace vx {
namespace {

namespace fs = std::filesystem;

TEST(Paths, PartsOfPathsAndNamesAndDirectoriesMadeAbsoluteAsWritten) {
    EXPECT_EQ(split_directory("a/b/c.x").directory, "a/b/");
    EXPECT_EQ(split_directory("a/b/c.x").name, "c.x");
    EXPECT_EQ(split_directory("c.x").directory, "./");
    EXPECT_EQ(split_directory("/c").directory, "/");
    EXPECT_EQ(split_extension("a.b.c").base, "a.b");
    EXPECT_EQ(split_extension("a.b.c").extension, "c");
    EXPECT_EQ(split_extension("abc").base, "abc");
    EXPECT_EQ(split_extension("abc").extension, "");

    const std::string here = fs::current_path().string() + "/";
    EXPECT_EQ(make_absolute("/abs/dir/"), "/abs/dir/");
    EXPECT_EQ(make_absolute("rel/"), here + "rel/");
    EXPECT_EQ(make_absolute("./"), here);
    EXPECT_EQ(make_absolute("../up"), here + "../up");
}

TEST(Paths, SplitPathKeepsTheSlashWithTheDirectory) {
    struct Case {
        const char* path;
        const char* directory;
        const char* file;
    };
    const Case cases[] = {
        {"tests/unit/sample.ptu", "tests/unit/", "sample.ptu"},
        {"sample.ptu", "./", "sample.ptu"},
        {"/sample.ptu", "/", "sample.ptu"},
        {"out/", "out/", ""},
        {"", "./", ""},
    };
    for (const Case& c : cases) {
        std::string directory;
        std::string file;
        split_path(c.path, directory, file);
        EXPECT_EQ(directory, c.directory) << c.path;
        EXPECT_EQ(file, c.file) << c.path;
    }
}

TEST(Paths, AbsolutePathJoinsTheWorkingDirectory) {
    const std::string cwd = fs::current_path().string();
    EXPECT_EQ(absolute_path("/usr//include/./x.h"), "/usr//include/./x.h");
    EXPECT_EQ(absolute_path("out/h.c"), cwd + "/out/h.c");
    EXPECT_EQ(absolute_path("out/"), cwd + "/out/");
    EXPECT_EQ(absolute_path("./a//b/../c"), cwd + "/a/c");
    EXPECT_EQ(absolute_path("."), cwd);
    EXPECT_EQ(absolute_path("./"), cwd + "/");

    std::string parent = fs::current_path().parent_path().string();
    EXPECT_EQ(absolute_path(".."), parent);

    // Names are data: nothing in them is expanded.
    EXPECT_EQ(absolute_path("$HOME/`x`;*"), cwd + "/$HOME/`x`;*");
}

TEST(Paths, FullFileNameOfExistingAndMissingFiles) {
    const fs::path dir = fs::current_path() / "paths_test_dir";
    fs::create_directories(dir);
    { std::ofstream(dir / "unit.c") << "int x;\n"; }

    const std::string cwd = fs::current_path().string();
    EXPECT_EQ(full_file_name("paths_test_dir/./unit.c"), cwd + "/paths_test_dir/unit.c");
    EXPECT_EQ(full_file_name((dir / "unit.c").string()), (dir / "unit.c").string());
    EXPECT_EQ(full_file_name("paths_test_dir/missing.c"), "");
    EXPECT_EQ(full_file_name(""), "");

    fs::remove_all(dir);
}

}  // namespace
}  // namespace vx
