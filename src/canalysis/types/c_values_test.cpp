#include "canalysis/types/c_values.h"

#include "canalysis/expr/expression_test_support.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using expression_test::Analysis;

constexpr const char* unit = R"(
typedef unsigned char _Bool;
typedef unsigned char BYTE;
typedef unsigned char __u8;
typedef signed char int8;
typedef char gchar;
typedef BYTE uuid_t[16];
typedef _Bool flag_t;
enum level { L_NEG = -1, L_LOW = -99, L_FLAG = 1 << 4, L_NEXT, L_TOP = L_FLAG * 2 };
struct span { int len; int st[2]; int tail; };
struct pair { int a; int b; };
struct digest { __u8 len; BYTE bytes[4]; char name[8]; };
char c; BYTE b; __u8 u; int8 s8; gchar g; flag_t f; unsigned long long big;
struct regs { unsigned en : 1; unsigned lvl : 3; signed trim : 4; } rg;
char text[8]; BYTE hash[4]; uuid_t id; gchar *gp; unsigned char *up; enum level lvl;
struct span sp; struct pair pairs[4]; int grid[2][3]; struct digest dig; int t5[5];
struct action { union { void (*handler)(int); void (*full)(int, void *); } u; int flags; };
struct action act;
)";

// A variable of the unit, a value written for it, and what is expected.
struct ValueCase {
    const char* variable;
    const char* value;
    const char* expected;
};

class CValues : public ::testing::Test {
protected:
    void SetUp() override { a.declare(unit); }
    const TypeNode* type_of(const char* name) {
        const Symbol* s = c_find_symbol(name, a.table, "");
        return s != nullptr ? s->type : nullptr;
    }
    // The spread leaves joined by "|", or the failure "CODE place".
    std::string spread(const char* variable, const char* value) {
        std::vector<std::string> leaves;
        SpreadFailure failure;
        if (!c_spread_value(a.run, type_of(variable), variable, value, leaves, failure)) {
            return std::string(message_code_name(failure.code.value_or(msg::INITAGREG))) + " " +
                   failure.place;
        }
        std::string out;
        for (const std::string& leaf : leaves) out += (out.empty() ? "" : "|") + leaf;
        return out;
    }
    std::string findings(const char* variable, const char* value) {
        const TypeNode* type = type_of(variable);
        std::string out;
        for (const ValueFinding& f :
             c_check_value(a.run, value, c_value_kind(type), c_type_facts(type, &a.run))) {
            out += (out.empty() ? "" : " ") + std::string(message_code_name(f.code));
        }
        return out;
    }
    Analysis a;
};

TEST_F(CValues, PlainCharIsTextAndTheOtherCharsAreBytes) {
    EXPECT_EQ(c_value_kind(type_of("c")), CValueKind::character);
    EXPECT_EQ(c_value_kind(type_of("g")), CValueKind::character);
    EXPECT_EQ(c_value_kind(type_of("text")), CValueKind::string);
    EXPECT_EQ(c_value_kind(type_of("gp")), CValueKind::string_pointer);
    for (const char* name : {"b", "u", "s8"}) {
        EXPECT_EQ(c_value_kind(type_of(name)), CValueKind::integer) << name;
        EXPECT_TRUE(c_type_facts(type_of(name)).is_byte) << name;
    }
    EXPECT_FALSE(c_type_facts(type_of("s8")).is_unsigned);
    // Arrays of bytes are arrays of integers, never strings.
    EXPECT_EQ(c_value_kind(type_of("hash")), CValueKind::integer);
    EXPECT_EQ(c_value_kind(type_of("id")), CValueKind::integer);
    EXPECT_EQ(c_value_kind(type_of("up")), CValueKind::pointer);
    EXPECT_EQ(c_value_kind(type_of("f")), CValueKind::boolean);
    EXPECT_EQ(c_type_facts(type_of("text")).length, 8);

    // The check of a byte is an unsigned integer check, from the table.
    const CheckKindRow& row =
        c_check_kind_row(c_check_kind(CValueKind::integer, c_type_facts(type_of("u"))));
    EXPECT_EQ(row.check_macro, "EDV_UNSIGNED_C");
    EXPECT_EQ(row.cast, "(vxu_unsigned)(");
    EXPECT_EQ(c_check_kind_row(CheckKind::string).check_macro, "EDV_STR_C");
}

TEST_F(CValues, EnumeratorsWrittenAsExpressionsAreFolded) {
    const TypeFacts facts = c_type_facts(type_of("lvl"), &a.run);
    ASSERT_EQ(facts.enumerators.size(), 5u);
    const std::vector<long long> expected = {-1, -99, 16, 17, 32};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(facts.enumerators[i].second, expected[i]) << facts.enumerators[i].first;
    }
}

TEST_F(CValues, ComponentsOfAStructHoldingAnArray) {
    std::vector<ValueComponent> scalars;
    c_value_components(type_of("sp"), "sp", false, scalars);
    ASSERT_EQ(scalars.size(), 4u);
    EXPECT_EQ(scalars[2].expression, "sp.st[1]");
    std::vector<ValueComponent> whole;
    c_value_components(type_of("sp"), "sp", true, whole);
    ASSERT_EQ(whole.size(), 3u);
    EXPECT_EQ(whole[1].facts.dimensions, std::vector<long long>{2});
}

// A member the library names through a macro of its own name
// ("#define handler u.handler") is written so that the compiler's
// expansion of the macro completes the path; any other macro is left alone.
TEST_F(CValues, MembersNamedThroughMacrosAreExpandedOnce) {
    const MacroBodyQuery macros = [](std::string_view name) -> std::optional<std::string> {
        if (name == "handler") return std::string(" u.handler ");
        if (name == "flags") return std::string("other.flags");  // not this path
        if (name == "len") return std::string("LEN_MAX");        // not a member chain
        return std::nullopt;
    };
    std::vector<ValueComponent> components;
    c_value_components(type_of("act"), "act", false, components, nullptr, macros);
    ASSERT_EQ(components.size(), 2u);
    EXPECT_EQ(components[0].expression, "act.handler");
    EXPECT_EQ(components[1].expression, "act.flags");
    std::vector<std::string> walked;
    c_walk_scalar_components(
        type_of("act"), "", [&](const ScalarComponent& c) { walked.push_back(c.path); }, macros);
    EXPECT_EQ(walked, (std::vector<std::string>{".handler", ".flags"}));
    // Without the macros, or with a macro that names another chain, the
    // path is written in full.
    components.clear();
    c_value_components(type_of("act"), "act", false, components);
    EXPECT_EQ(components[0].expression, "act.u.handler");
    EXPECT_EQ(c_member_path("dig", "len", macros), "dig.len");
    EXPECT_EQ(c_member_path("x.v", "handler", macros), "x.v.handler");
}

// A bit-field member holds the values of its width, whatever its type's.
TEST_F(CValues, BitFieldMembersHoldTheValuesOfTheirWidth) {
    std::vector<ValueComponent> components;
    c_value_components(type_of("rg"), "rg", false, components);
    ASSERT_EQ(components.size(), 3u);
    const std::pair<const char*, const char*> values[3][3] = {
        {{"1", ""}, {"2", "ENTOUTRAN"}, {"0", ""}},
        {{"7", ""}, {"8", "ENTOUTRAN"}, {"-1", ""}},  // all ones, as for any unsigned
        {{"-8", ""}, {"7", ""}, {"12", "ENTOUTRAN"}},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        for (const auto& [value, expected] : values[i]) {
            std::string found;
            for (const ValueFinding& f :
                 c_check_value(a.run, value, components[i].kind, components[i].facts)) {
                found += message_code_name(f.code);
            }
            EXPECT_EQ(found, expected) << components[i].expression << " = " << value;
        }
    }
}

TEST_F(CValues, ListsAreSpreadByTheShapeOfTheType) {
    const ValueCase cases[] = {
        // Nested lists, or the flat list of the scalars as C allows.
        {"sp", "{1, {2, 3}, 4}", "1|2|3|4"},
        {"sp", "{1, 2, 3, 4}", "1|2|3|4"},
        {"sp", "{1, {2, 3}}", "INITAGREG sp.tail"},
        {"sp", "{1, {2, 3, 9}, 4}", "AGREGTROP sp.st: 9"},
        {"sp", "{tail => 4, len => 1, others => 0}", "1|0|0|4"},
        // Associations, ranges and others, in braces or brackets.
        {"t5", "[0 => 1, 1..3 => 2, others => 0]", "1|2|2|2|0"},
        {"t5", "{4 => 9, others => 1}", "1|1|1|1|9"},
        {"t5", "{1, 2, 3 => 7, 8}", "INITAGREG t5[2]"},
        {"t5", "{1, 2, 3 => 7, 8, others => 0}", "1|2|0|7|8"},
        {"t5", "{1, 2, 3 => 7, 8, 6}", "AGREGTROP t5: 6"},
        {"t5", "{L_NEG + 1 => 5, others => 0}", "5|0|0|0|0"},
        {"t5", "{[1] => 5}", "TABEXPINC [1] => 5"},
        {"t5", "{5 => 1, others => 0}", "INDICEINC t5[5]"},
        {"t5", "{0 => 1, 0 => 2, others => 0}", "INITAGREG t5[0]"},
        {"t5", "{k => 1, others => 0}", "TABEXPINC k => 1"},
        {"grid", "{{1, 2, 3}, others => {others => 7}}", "1|2|3|7|7|7"},
        {"grid", "{1, 2, 3, 4, others => 0}", "1|2|3|4|0|0"},
        // others giving a struct to each remaining element.
        {"pairs", "{{1, 0}, others => {2, 20}}", "1|0|2|20|2|20|2|20"},
        // A value that is no list goes to every scalar.
        {"pairs", "0", "0|0|0|0|0|0|0|0"},
        // A list for a scalar is refused.
        {"dig", "{{1}, others => 0}", "INITAGREG dig.len = {1}"},
    };
    for (const auto& [variable, value, expected] : cases) {
        EXPECT_EQ(spread(variable, value), expected) << variable << " = " << value;
    }
}

TEST_F(CValues, ByteStringsAreReadAsCInitialisesAByteArray) {
    const ValueCase cases[] = {
        {"hash", "\"\\xba\\x00\\x7f\\x10\"", "0xba|0x00|0x7f|0x10"},
        // One byte less: the terminating zero fills the last one.
        {"hash", "\"abc\"", "0x61|0x62|0x63|0x00"},
        // As C reads it: a shorter string is followed by zeros up to the
        // bound, a longer one does not fit.
        {"hash", "\"abcde\"", "CSTTOLONG hash: 5 bytes for 4"},
        {"hash", "\"ab\"", "0x61|0x62|0x00|0x00"},
        {"hash", "\"\"", "0x00|0x00|0x00|0x00"},
        {"dig", "{4, \"\\x01\\x00\\x02\\x03\", \"name\"}", "4|0x01|0x00|0x02|0x03|\"name\""},
        // A plain char array keeps its string.
        {"text", "\"abc\"", "\"abc\""},
    };
    for (const auto& [variable, value, expected] : cases) {
        EXPECT_EQ(spread(variable, value), expected) << variable << " = " << value;
    }
}

TEST_F(CValues, NamesNothingDeclaresAreFoundOnlyWithTheMacrosKnown) {
    // Without the macros of the run, no name is judged.
    EXPECT_EQ(findings("lvl", "L_NEXTT"), "");
    a.run.is_macro = [](std::string_view name) { return name == "FRAME_LEN"; };
    const ValueCase cases[] = {
        {"lvl", "L_NEXT", ""},
        // A boolean holds 0 or 1.
        {"f", "1", ""},
        {"f", "0", ""},
        {"f", "2", "ENTOUTRAN"},
        {"f", "-1", "ENTOUTRAN"},
        {"lvl", "L_NEXTT", "IDENTINCO"},  // a misspelt enumerator
        {"b", "FRAME_LEN - 1", ""},       // a macro
        {"b", "FRAME_LENGTH", "IDENTINCO"},
        {"b", "sizeof(struct span) + sp.len + pairs[1].b", ""},  // fields are not names
        {"b", "(BYTE)u", ""},                                    // a type name
        {"b", "dig.len + undeclared_counter", "IDENTINCO"},
        {"b", "(BYTE)missing", "IDENTINCO"},
    };
    for (const ValueCase& c : cases) {
        EXPECT_EQ(findings(c.variable, c.value), c.expected) << c.variable << " = " << c.value;
    }
    // Each name once, in the order written.
    std::vector<std::string> names;
    for (const ValueFinding& f :
         c_check_value(a.run, "nope + L_NEG + nope * other", CValueKind::integer, TypeFacts{})) {
        names.push_back(f.argument);
        EXPECT_TRUE(f.refuses);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"nope", "other"}));
}

TEST_F(CValues, ValuesTheHarnessCannotTakeAreFound) {
    const ValueCase cases[] = {
        {"text", "\"1234567\"", ""},
        {"text", "\"12345678\"", "CSTTOLONG"},
        {"text", "'x'", "TYPESMISM"},
        {"text", "5", "TYPESMISM"},
        {"text", "0", ""},  // the null string, empty for the runtime
        // A number computed from the unit's objects is no text either; a
        // text they name is.
        {"text", "b + 65", "TYPESMISM"},
        {"text", "lvl", "TYPESMISM"},
        {"text", "b ? \"on\" : \"off\"", ""},
        {"text", "\"hi\"[0]", "TYPESMISM"},
        {"text", "*\"hi\"", "TYPESMISM"},
        {"text", "\"abc\" + 1", ""},
        {"text", "b ? \"on\" : b", "TYPESMISM"},
        {"text", "\"abc\" == text", "TYPESMISM"},  // a comparison is a number
        {"b", "\"x\"", "TYPESMISM"},
        {"b", "255", ""},
        {"b", "-1", ""},
        {"b", "256", "ENTOUTRAN"},
        {"s8", "128", "ENTOUTRAN"},
        {"s8", "-128", ""},
        {"big", "18446744073709551615", ""},
        {"big", "18446744073709551616", "ENTOUTRAN"},
        {"b", "1/0", "DIVISZERO"},
        {"c", "''", "CSTCARVID"},
        {"b", "b++", "POSTINCRE"},
        {"b", "(b = 1)", "AFFECTATI"},
        {"lvl", "L_NEXT", ""},
        // Lists belong to aggregates, the runtime's pointers to pointers.
        {"b", "{4, 2}", "BADAGGREGATE"},
        {"text", "{\"ab\"}", "BADAGGREGATE"},
        {"up", "[0 => 1]", "BADAGGREGATE"},
        // The aggregate notation outside an aggregate's braces is no C; in a
        // string, or as a unit's own name, it is.
        {"b", "(others => 0)", "BADAGGREGATE"},
        {"sp", "(others => 0)", "BADAGGREGATE"},
        {"b", "(0 => 1)", "BADAGGREGATE"},
        {"b", "1 .. 2", "BADAGGREGATE"},
        {"text", "\"a..b=>c\"", ""},
        {"b", "'.' + 1", ""},
        {"b", "NONIL", "TYPESMISM"},
        {"text", "nil", "TYPESMISM"},
        {"up", "NONIL", ""},
        {"gp", "NIL", ""},
        {"up", "2.5", "TYPESMISM"},
        // A fraction given to a whole number is lost on the way: told, not refused.
        {"b", "2.5", "CONVERTYP"},
        {"b", "-0.5e0", "CONVERTYP"},
        {"c", "65.5", "CONVERTYP"},
        {"b", "2.0", ""},
        {"b", "25e-1", "CONVERTYP"},
        {"up", "(unsigned char *)0", ""},
        // An array or a pointer given to a number.
        {"b", "hash", "TYPESMISM"},
        {"b", "up", "TYPESMISM"},
        {"b", "hash[1]", ""},
        {"b", "*up", ""},
    };
    for (const auto& [variable, value, expected] : cases) {
        EXPECT_EQ(findings(variable, value), expected) << variable << " = " << value;
    }

    const NumericValue v = c_numeric_value(a.run, "-(5)");
    EXPECT_TRUE(v.integer);
    EXPECT_EQ(v.value, -5);
    EXPECT_FALSE(c_numeric_value(a.run, "b + 1").integer);
}

}  // namespace
}  // namespace vx
