// The round trip of generated C expressions: each one parses without a
// message, its image parses again to the same tree, and a C compiler that
// evaluates the text as written, and its image, finds the value the
// generator computed and the folding found.
#include "canalysis/expr/expression_analysis.h"

#include "canalysis/expr/expression_test_support.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace vx {
namespace {

// A generated expression with the value C gives it; `wide` when its type
// is long long, `constant` when it has no variable in it.
struct Generated {
    std::string text;
    __int128 value = 0;
    bool wide = false;
    bool constant = true;
};

// The variables of the generated program, with their values.
constexpr const char* program_prologue =
    "#include <stdio.h>\n"
    "struct S { int x; int y; };\n"
    "static int a = 3, b = -5, c = 7;\n"
    "static struct S s = {4, -2};\n"
    "static struct S *p = &s;\n"
    "static int t[4] = {1, 2, 3, 4};\n"
    "static int f(int v) { return v * 2; }\n"
    "int main(void) {\n";

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    // An expression of up to `depth` levels whose evaluation has no
    // undefined behaviour: every intermediate value fits its type.
    Generated expression(int depth, bool with_variables) {
        for (;;) {
            Generated g;
            if (attempt(depth, with_variables, g)) return g;
        }
    }

private:
    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    static bool fits(__int128 v, bool wide) {
        return wide ? v >= INT64_MIN && v <= INT64_MAX : v >= INT32_MIN && v <= INT32_MAX;
    }

    bool leaf(bool with_variables, Generated& g) {
        int kind = pick(with_variables ? 9 : 6);
        int n = pick(200);
        switch (kind) {
            case 0:
            case 1:
                g.text = std::to_string(n);
                g.value = n;
                return true;
            case 2: {
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, pick(2) ? "0x%X" : "0%o",
                              static_cast<unsigned>(n));
                g.text = buffer;
                g.value = n;
                return true;
            }
            case 3: {
                char ch = static_cast<char>('a' + pick(26));
                g.text = std::string("'") + ch + "'";
                g.value = ch;
                return true;
            }
            case 4: {
                long long big = static_cast<long long>(n) * 1000003LL * 1000033LL;
                g.text = std::to_string(big) + "LL";
                g.value = big;
                g.wide = true;
                return true;
            }
            case 5:
                g.text = "'\\" + std::to_string(pick(8)) + std::to_string(pick(8)) + "'";
                g.value = (g.text[2] - '0') * 8 + (g.text[3] - '0');
                return true;
            default: {
                static const char* const names[] = {"a",    "b",    "c",      "s.x",     "p->y",
                                                    "t[2]", "f(a)", "(*p).x", "t[s.x-1]"};
                static const int values[] = {3, -5, 7, 4, -2, 3, 6, 4, 4};
                int k = pick(9);
                g.text = names[k];
                g.value = values[k];
                g.constant = false;
                return true;
            }
        }
    }

    bool attempt(int depth, bool with_variables, Generated& g) {
        if (depth == 0 || pick(4) == 0) return leaf(with_variables, g);
        int form = pick(10);
        if (form == 0) {
            Generated inner;
            if (!attempt(depth - 1, with_variables, inner)) return false;
            static const char* const ops[] = {"-", "~", "!", "+"};
            int op = pick(4);
            g.text = std::string(ops[op]) + "(" + inner.text + ")";
            g.wide = op == 2 ? false : inner.wide;
            g.constant = inner.constant;
            g.value = op == 0   ? -inner.value
                      : op == 1 ? ~inner.value
                      : op == 2 ? (inner.value == 0)
                                : inner.value;
            return fits(g.value, g.wide);
        }
        if (form == 1) {
            Generated cond, x, y;
            if (!attempt(depth - 1, with_variables, cond) ||
                !attempt(depth - 1, with_variables, x) || !attempt(depth - 1, with_variables, y))
                return false;
            g.text = "((" + cond.text + ") ? (" + x.text + ") : (" + y.text + "))";
            g.wide = x.wide || y.wide;
            g.constant = cond.constant && x.constant && y.constant;
            g.value = cond.value != 0 ? x.value : y.value;
            return true;
        }
        Generated l, r;
        if (!attempt(depth - 1, with_variables, l) || !attempt(depth - 1, with_variables, r))
            return false;
        static const char* const ops[] = {"+",  "-",  "*",  "/",  "%",  "<<", ">>", "<", ">",
                                          "<=", ">=", "==", "!=", "&&", "||", "&",  "|", "^"};
        int op = pick(18);
        bool wide = l.wide || r.wide;
        __int128 v = 0;
        switch (op) {
            case 0:
                v = l.value + r.value;
                break;
            case 1:
                v = l.value - r.value;
                break;
            case 2:
                v = l.value * r.value;
                break;
            case 3:
            case 4:
                if (r.value == 0) return false;
                v = op == 3 ? l.value / r.value : l.value % r.value;
                break;
            case 5:
            case 6:
                wide = l.wide;
                if (l.value < 0 || r.value < 0 || r.value > (wide ? 62 : 30)) return false;
                v = op == 5 ? l.value << static_cast<int>(r.value)
                            : l.value >> static_cast<int>(r.value);
                break;
            case 7:
                v = l.value < r.value;
                wide = false;
                break;
            case 8:
                v = l.value > r.value;
                wide = false;
                break;
            case 9:
                v = l.value <= r.value;
                wide = false;
                break;
            case 10:
                v = l.value >= r.value;
                wide = false;
                break;
            case 11:
                v = l.value == r.value;
                wide = false;
                break;
            case 12:
                v = l.value != r.value;
                wide = false;
                break;
            case 13:
                v = l.value && r.value;
                wide = false;
                break;
            case 14:
                v = l.value || r.value;
                wide = false;
                break;
            case 15:
                v = l.value & r.value;
                break;
            case 16:
                v = l.value | r.value;
                break;
            default:
                v = l.value ^ r.value;
                break;
        }
        if (!fits(v, wide)) return false;
        // With and without blanks, so that the image's own spacing is
        // exercised; operands always in parentheses, so that the grouping
        // is the generator's.
        bool blanks = pick(2) == 0;
        g.text = blanks ? "((" + l.text + ") " + ops[op] + " (" + r.text + "))"
                        : "(" + l.text + ")" + ops[op] + "(" + r.text + ")";
        g.value = v;
        g.wide = wide;
        g.constant = l.constant && r.constant;
        return true;
    }

    std::mt19937 random_;
};

std::string decimal(__int128 v) {
    return pint_image(pint_from_int(static_cast<std::int64_t>(v)), ImageFormat::decimal);
}

class RoundTrip : public ::testing::Test, protected expression_test::Analysis {};

TEST_F(RoundTrip, GeneratedExpressionsKeepTreeAndValue) {
    constexpr int corpus_size = 400;
    Generator generator(20261208);
    std::vector<Generated> corpus;
    for (int i = 0; i < corpus_size; ++i)
        corpus.push_back(generator.expression(1 + i % 5, i % 3 == 2));

    std::string program = program_prologue;
    std::vector<std::string> folded_values;
    int folded = 0;
    for (const Generated& g : corpus) {
        sink.messages.clear();
        ExpressionTree tree = c_parse_expression(run, g.text, "corpus.ptu", 1, sink);
        ASSERT_TRUE(tree && tree->root) << g.text;
        EXPECT_TRUE(sink.messages.empty()) << g.text << ": " << sink.messages.front();
        std::string image = c_expression_image(tree->root, sink);
        ExpressionTree again = c_parse_expression(run, image, "corpus.ptu", 1, sink);
        ASSERT_TRUE(again && again->root) << image;
        EXPECT_TRUE(expression_test::same_tree(tree->root, again->root))
            << g.text << " -> " << image;
        if (g.constant) {
            ASSERT_EQ(tree->root->kind, ExprKind::integer_constant) << g.text;
            EXPECT_EQ(pint_image(tree->root->value, ImageFormat::decimal), decimal(g.value))
                << g.text;
            ++folded;
        }
        program += "  printf(\"%lld %lld\\n\", (long long)(" + g.text + "), (long long)(" + image +
                   "));\n";
    }
    EXPECT_GT(folded, corpus_size / 2);
    program += "  return 0;\n}\n";

    testkit::ScratchDir dir;
    testkit::write_file(dir.file("corpus.c"), program);
    testkit::ProcessResult compiled = testkit::run_program(
        "cc", {"-std=c99", "-w", "-o", dir.file("corpus"), dir.file("corpus.c")});
    ASSERT_EQ(compiled.status, 0) << compiled.err;
    testkit::ProcessResult ran = testkit::run_program(dir.file("corpus"), {});
    ASSERT_EQ(ran.status, 0) << ran.err;
    std::vector<std::string> lines = testkit::split_lines(ran.out);
    ASSERT_EQ(lines.size(), corpus.size());
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        std::string expected = decimal(corpus[i].value);
        EXPECT_EQ(lines[i], expected + " " + expected) << corpus[i].text;
    }
}

TEST_F(RoundTrip, RealConstantsFoldToWhatTheCompilerComputes) {
    const char* texts[] = {"1.5 * 2.25 + 0.5",  "3e2 - 0.125",           "-(2.5 * 4) / 8",
                           "1 + 0.1 * 3",       ".75 * .75 * .75",       "100.0 / 16",
                           "12.5e-3 * 8e3 - 2", "(1.25 - 3) * (2 + 0.5)"};
    std::string program = "#include <stdio.h>\nint main(void) {\n";
    std::vector<std::string> images;
    for (const char* text : texts) {
        ExpressionTree tree = c_parse_expression(run, text, "corpus.ptu", 1, sink);
        ASSERT_EQ(tree->root->kind, ExprKind::real_constant) << text;
        images.push_back(c_expression_image(tree->root, sink));
        ExpressionTree again = c_parse_expression(run, images.back(), "corpus.ptu", 1, sink);
        EXPECT_TRUE(expression_test::same_tree(tree->root, again->root)) << images.back();
        program += "  printf(\"%.17g\\n\", (double)(" + std::string(text) + "));\n";
    }
    EXPECT_TRUE(sink.messages.empty());
    program += "  return 0;\n}\n";
    testkit::ScratchDir dir;
    testkit::write_file(dir.file("reals.c"), program);
    testkit::ProcessResult compiled =
        testkit::run_program("cc", {"-o", dir.file("reals"), dir.file("reals.c")});
    ASSERT_EQ(compiled.status, 0) << compiled.err;
    testkit::ProcessResult ran = testkit::run_program(dir.file("reals"), {});
    std::vector<std::string> lines = testkit::split_lines(ran.out);
    ASSERT_EQ(lines.size(), images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        double ours = std::strtod(images[i].c_str(), nullptr);
        double theirs = std::strtod(lines[i].c_str(), nullptr);
        EXPECT_NEAR(ours, theirs, std::fabs(theirs) * 1e-12) << texts[i] << " -> " << images[i];
    }
}

}  // namespace
}  // namespace vx
