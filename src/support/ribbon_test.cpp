#include "support/ribbon.h"

#include "support/report_capture_test.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace vx {
namespace {

using testing_support::ReportCapture;

std::vector<std::string> list_texts(const Ribbon& ribbon, int list) {
    std::vector<std::string> texts;
    for (const RibbonEntry* e = ribbon.list_head(list); e != nullptr; e = e->next) {
        texts.push_back(ribbon.text(e));
    }
    return texts;
}

TEST(Ribbon, FindsWhatItAddedAndStoresEachNameOnce) {
    Ribbon ribbon;
    const RibbonEntry* x = ribbon.find_or_add("counter");
    const RibbonEntry* y = ribbon.find_or_add("total");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(ribbon.find_or_add("counter"), x);
    EXPECT_EQ(ribbon.find_or_add(std::string("total")), y);
    EXPECT_EQ(ribbon.size(), 12);
    EXPECT_EQ(ribbon.entry_count(), 2u);
    EXPECT_EQ(x->start, 0);
    EXPECT_EQ(y->start, 7);
    EXPECT_EQ(ribbon.text(x), "counter");

    std::string out = "stale";
    EXPECT_EQ(ribbon.copy(y, out), 5u);
    EXPECT_EQ(out, "total");
    CharBuffer extracted = ribbon.extract(x);
    ASSERT_TRUE(extracted);
    EXPECT_STREQ(extracted.get(), "counter");
}

TEST(Ribbon, ListsKeepLongestFirstThenSignedByteOrder) {
    Ribbon ribbon;
    for (const char* name : {"beta", "alfa", "\xE9t\xE9x", "Zulu", "gamma"}) {
        ribbon.find_or_add(name);
    }
    // Same length: ascending bytes as signed chars, so a byte above 127
    // (negative) comes before every ASCII letter.
    EXPECT_EQ(list_texts(ribbon, 4), (std::vector<std::string>{"\xE9t\xE9x", "Zulu", "alfa", "beta"}));
    EXPECT_EQ(list_texts(ribbon, 5), (std::vector<std::string>{"gamma"}));

    std::string of50(50, 'm');
    std::string of55(55, 'c');
    std::string of60(60, 'z');
    std::string other50(50, 'a');
    ribbon.find_or_add(of50);
    ribbon.find_or_add(of55);
    ribbon.find_or_add(other50);
    ribbon.find_or_add(of60);
    EXPECT_EQ(Ribbon::list_of(60), Ribbon::long_name_list);
    EXPECT_EQ(list_texts(ribbon, 50), (std::vector<std::string>{of60, of55, other50, of50}));
    EXPECT_EQ(ribbon.find_or_add(of55), ribbon.list_head(50)->next);
}

TEST(Ribbon, CompareFollowsTheListOrder) {
    Ribbon ribbon;
    const RibbonEntry& entry = *ribbon.find_or_add("mid");
    EXPECT_EQ(ribbon.compare(entry, "mid"), 0);
    EXPECT_EQ(ribbon.compare(entry, "aaa"), -1);
    EXPECT_EQ(ribbon.compare(entry, "mie"), 1);
    EXPECT_EQ(ribbon.compare(entry, "longer"), -1);
    EXPECT_EQ(ribbon.compare(entry, "zz"), 1);
    EXPECT_EQ(ribbon.compare(entry, "mi\xE9"), -1);
}

TEST(Ribbon, NamesCrossPagesAndDirectories) {
    Ribbon ribbon;
    // 995 characters, then a name that runs across the first page boundary.
    ribbon.find_or_add(std::string(995, 'p'));
    const RibbonEntry* across = ribbon.find_or_add("boundary_name");
    EXPECT_EQ(across->start, 995);
    EXPECT_EQ(ribbon.text(across), "boundary_name");
    EXPECT_EQ(ribbon.char_at(1000), 'a');

    // A long name brings the ribbon near the end of the first directory;
    // the next name runs into the second one.
    std::string filler(static_cast<std::size_t>(Ribbon::directory_span) - 1008 - 4, 'f');
    const RibbonEntry* long_name = ribbon.find_or_add(filler);
    const RibbonEntry* split = ribbon.find_or_add("dir_crossing");
    EXPECT_EQ(split->start, Ribbon::directory_span - 4);
    EXPECT_EQ(ribbon.directory_count(), 2u);
    EXPECT_EQ(ribbon.text(split), "dir_crossing");
    EXPECT_EQ(ribbon.char_at(Ribbon::directory_span), 'c');
    EXPECT_EQ(ribbon.find_or_add("dir_crossing"), split);
    EXPECT_EQ(ribbon.find_or_add(filler), long_name);
    EXPECT_EQ(ribbon.compare(*split, "dir_crossinh"), 1);
    EXPECT_EQ(ribbon.compare(*split, "dir_crossinG"), -1);
}

TEST(Ribbon, ClearForgetsNamesAndReusesPages) {
    Ribbon ribbon;
    for (int i = 0; i < 300; ++i) {
        ribbon.find_or_add("name_" + std::to_string(i));
    }
    std::size_t pages = ribbon.page_count();
    ribbon.clear();
    EXPECT_EQ(ribbon.size(), 0);
    EXPECT_EQ(ribbon.entry_count(), 0u);
    for (int list = 0; list < Ribbon::list_count; ++list) {
        EXPECT_EQ(ribbon.list_head(list), nullptr);
    }
    const RibbonEntry* again = ribbon.find_or_add("fresh");
    EXPECT_EQ(again->start, 0);
    EXPECT_EQ(ribbon.text(again), "fresh");
    EXPECT_EQ(ribbon.find_or_add("name_7")->start, 5);
    EXPECT_EQ(ribbon.page_count(), pages);
}

TEST(Ribbon, CreatedOnFirstUseThroughAPointer) {
    std::unique_ptr<Ribbon> ribbon;
    const RibbonEntry* entry = ribbon_find_or_add("field", ribbon);
    ASSERT_TRUE(ribbon);
    EXPECT_EQ(ribbon_find_or_add("field", ribbon), entry);
    std::string out;
    EXPECT_EQ(ribbon_copy(ribbon.get(), entry, out), 5u);
    EXPECT_EQ(out, "field");
    EXPECT_EQ(ribbon_compare(ribbon.get(), *entry, "field"), 0);
    ribbon_clear(ribbon.get());
    EXPECT_EQ(ribbon->size(), 0);
}

TEST(Ribbon, FailuresAreReported) {
    Ribbon ribbon;
    const RibbonEntry* entry = ribbon.find_or_add("name");
    {
        ReportCapture capture;
        EXPECT_INTERNAL_REPORT(capture, (void)ribbon.char_at(5000), "DEBORUBAN", "");
    }
    {
        ReportCapture capture;
        EXPECT_INTERNAL_REPORT(capture, (void)ribbon.text(nullptr), "DEBORUBAN", "");
    }
    {
        ReportCapture capture;
        std::string out;
        EXPECT_INTERNAL_REPORT(capture, (void)ribbon_copy(nullptr, entry, out), "DEBORUBAN", "");
    }
    {
        ReportCapture capture;
        EXPECT_INTERNAL_REPORT(capture, (void)ribbon_extract(&ribbon, nullptr), "DEBORUBAN", "");
    }
    {
        ReportCapture capture;
        EXPECT_INTERNAL_REPORT(capture, (void)ribbon_char(nullptr, 0), "RUBNOTINI", "");
    }
    {
        // An entry that points past the stored characters.
        ReportCapture capture;
        RibbonEntry stray{nullptr, 2000000, 3};
        EXPECT_INTERNAL_REPORT(capture, (void)ribbon.compare(stray, "abc"), "DEBORUBAN", "");
    }
}

}  // namespace
}  // namespace vx
