// The names the coverage exports give the sources, and the lcov records of
// a line that never ran.
#include "report/output/coverage_export.h"

#include <gtest/gtest.h>

namespace {

using namespace vx::report;

CoverageData sources(std::initializer_list<const char*> paths) {
    CoverageData data;
    for (const char* path : paths) {
        SourceCoverage source;
        source.path = path;
        data.sources.push_back(source);
    }
    return data;
}

TEST(CoverageExport, SourcesAreNamedFromTheDirectoryTheyShare) {
    EXPECT_EQ(common_source_root(sources({"/p/unit/a.c", "/p/unit/b.c"})), "/p/unit");
    EXPECT_EQ(common_source_root(sources({"/p/unit/a.c", "/p/drivers/uart/u.c"})), "/p");
    // A directory whose name starts like another's is not its parent.
    EXPECT_EQ(common_source_root(sources({"/p/unit/a.c", "/p/unit2/b.c"})), "/p");
    EXPECT_EQ(common_source_root(sources({"/a/x.c", "/b/y.c"})), "/");
    EXPECT_EQ(common_source_root(sources({})), "");
    EXPECT_EQ(relative_source("/p/unit/a.c", "/p"), "unit/a.c");
    EXPECT_EQ(relative_source("/a/x.c", "/"), "a/x.c");
    EXPECT_EQ(relative_source("/p/unit2/b.c", "/p/unit"), "/p/unit2/b.c");
}

TEST(CoverageExport, ABranchOfALineThatNeverRanIsNotCounted) {
    CoverageData data = sources({"/p/a.c"});
    SourceCoverage& source = data.sources.front();
    source.hits = {LineHits{3, 2, {2, 0}}, LineHits{5, 0, {0, 0}}};
    source.lines = 2;
    source.lines_covered = 1;
    source.branches = 4;
    source.branches_taken = 1;
    EXPECT_EQ(lcov_document(data, "/p", "t"),
              "TN:t\nSF:a.c\nDA:3,2\nDA:5,0\nBRDA:3,0,0,2\nBRDA:3,0,1,0\nBRDA:5,0,0,-\n"
              "BRDA:5,0,1,-\nBRF:4\nBRH:1\nLF:2\nLH:1\nend_of_record\n");
    const std::string xml = cobertura_document(data, "/p", 7);
    EXPECT_NE(xml.find("<line number=\"3\" hits=\"2\" branch=\"true\" "
                       "condition-coverage=\"50% (1/2)\"/>"),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find("line-rate=\"0.5000\" branch-rate=\"0.2500\""), std::string::npos) << xml;
    EXPECT_DOUBLE_EQ(total_line_percent(data), 50.0);
    EXPECT_DOUBLE_EQ(total_branch_percent(data), 25.0);
}

}  // namespace
