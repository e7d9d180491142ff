#include "codegen/stub_generation.h"

#include "canalysis/decl/declaration_parser.h"
#include "canalysis/expr/expression_analysis.h"
#include "canalysis/types/target_model.h"
#include "codegen/codegen_test_fixture.h"
#include "codegen/harness_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vx {
namespace {

// The lines END ELEMENT writes for the stubs the element described.
std::vector<std::string> element_lines(StubGenerator& stubs) {
    std::vector<std::string> lines;
    stubs.end_element(
        [&](std::string text, const StubEntry*) { lines.push_back(std::move(text)); });
    return lines;
}

// The calls of a STUB statement as the script side reads them: the values
// of its list as written, what the stub returns, and the calls they are
// for (0: the call after the last one described).
StubCall stub(std::string name, std::vector<std::string> values,
              std::optional<std::string> returned = std::nullopt, long first = 0, long last = 0) {
    StubCall call;
    call.name = std::move(name);
    call.has_list = true;
    call.values = std::move(values);
    call.return_value = std::move(returned);
    call.first = first;
    call.last = last;
    return call;
}

// A STUB statement that gives no list of values.
StubCall listless(std::string name) {
    StubCall call;
    call.name = std::move(name);
    return call;
}

using Lines = std::vector<std::string>;
using vx::testing::CodegenTest;

class StubGenerationTest : public CodegenTest {
protected:
    void SetUp() override {
        CodegenTest::SetUp();
        run_.is_type_modifier = [](std::string_view w) {
            return w == "_in" || w == "_out" || w == "_inout";
        };
        session_ = std::make_unique<OutputSession>(output_settings(), reporter(), files());
        session_->start_outputs();
    }

    void TearDown() override {
        if (session_ != nullptr) finish();
        CodegenTest::TearDown();
    }

    HarnessLayout& layout(bool kr = false) {
        if (layout_ == nullptr) {
            HarnessSettings h = layout_settings();
            h.kr = kr;
            layout_ = std::make_unique<HarnessLayout>(h, *session_);
            layout_->emit_prologue();
        }
        return *layout_;
    }

    // Parses the prototypes of a DEFINE STUB block and defines its stubs;
    // `unit` holds the declarations of the code under test, when given.
    void define(const std::string& text, bool kr = false, const std::string& unit = {}) {
        auto table = std::make_unique<TypeTable>();
        NullSink sink;
        if (!unit.empty()) {
            auto unit_table = std::make_unique<TypeTable>();
            c_parse_declarations(unit, *unit_table, {}, sink, run_);
            table->set_secondary(unit_table.get());
            tables_.push_back(std::move(unit_table));
        }
        c_parse_declarations(text, *table, {}, sink, run_);
        StubDeclarations declarations;
        declarations.table = table.get();
        table->for_each_symbol([&](const Symbol& symbol) {
            if (symbol.type != nullptr && c_resolve_type(symbol.type)->kind == TypeKind::function) {
                declarations.functions.push_back(&symbol);
            }
        });
        std::sort(declarations.functions.begin(), declarations.functions.end(),
                  [&](const Symbol* a, const Symbol* b) {
                      return text.find(a->name + "(") < text.find(b->name + "(");
                  });
        tables_.push_back(std::move(table));
        layout(kr).stubs().define("block", 1, "s.ptu", declarations);
    }

    // Ends the run; the generated and declarations files can then be read.
    void finish() {
        if (layout_ != nullptr) layout_->emit_declarations_end();
        session_->finish_outputs(false,
                                 layout_ ? layout_->usage().lines() : std::vector<UsageCount>{});
        session_.reset();
    }

    static bool mentions(const Lines& lines, const std::string& text) {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find(text) != std::string::npos; });
    }
    // The lines from the one equal to `first` on, `count` of them.
    static Lines from(const Lines& lines, const std::string& first, std::size_t count) {
        auto it = std::find(lines.begin(), lines.end(), first);
        if (it == lines.end()) return {};
        auto end = std::distance(it, lines.end()) < static_cast<long>(count)
                       ? lines.end()
                       : it + static_cast<long>(count);
        return Lines(it, end);
    }

    TargetModel target_;
    DeclarationRun run_{target_};
    std::vector<std::unique_ptr<TypeTable>> tables_;
    std::unique_ptr<OutputSession> session_;
    std::unique_ptr<HarnessLayout> layout_;
};

TEST_F(StubGenerationTest, WithoutServiceTheStubsAreDeclaredButNoServiceFunction) {
    define("int read_sensor(_in int channel, _out int *value);");
    finish();
    Lines c = read_lines("t.c");
    EXPECT_EQ(missing(c,
                      {
                          "/* simulation: read_sensor */",
                          "#define _fn_1_s_read_sensor 1",
                          "VXU_STUB_CNT _ix_1_s_read_sensor STUBINACTIVE ;",
                          "int (read_sensor)(int channel, int *value)",
                      }),
              Lines{});
    // A call made before the first element gives back nothing, read from a
    // set pointer.
    EXPECT_TRUE(has(c, "Vexor_ptr_out=&(_os_1_s_read_sensor[0]);"));
    EXPECT_FALSE(mentions(c, "_vx_check_muets"));
    EXPECT_FALSE(mentions(c, "_vx_init_muets"));
    // The direction words never reach the C text.
    EXPECT_FALSE(mentions(c, "(_in "));
    EXPECT_FALSE(mentions(c, " _out "));
    EXPECT_TRUE(has(read_lines("t.ic"), "#define size_1_s_read_sensor 0"));
    Lines tdc = read_lines("t.tdc");
    EXPECT_EQ(missing(tdc,
                      {
                          "U1  read_sensor(channel,value)",
                          "L3 channel RA=FORM=CD64, INIT=, VA=",
                          "M0",
                      }),
              Lines{});
}

TEST_F(StubGenerationTest, ServiceFunctionsCallEveryStubInDefinitionOrder) {
    define("void zeta(_in int a);\nint alpha(_in double d);");
    layout().emit_stub_services();
    finish();
    Lines c = read_lines("t.c");
    EXPECT_EQ(from(c, "void _vx_check_muets(void)", 6),
              (Lines{"void _vx_check_muets(void)", "{", "checkin_1_s_zeta();",
                     "checkin_2_s_alpha();", "_vx_late_stub_checks", "EDV_MUET_CHECK(0,0);"}));
    Lines init = from(c, "      _vx_call_order[_vx_call_order_Idx]=0;", 17);
    EXPECT_EQ(init,
              (Lines{"      _vx_call_order[_vx_call_order_Idx]=0;", "#endif", "_ix_1_s_zeta=0;",
                     "#if size_1_s_zeta", "_os_1_s_zeta[0].min=-1;", "_os_1_s_zeta[0].max=0;",
                     "_it_1_s_zeta=0;", "#endif", "_ix_2_s_alpha=0;", "#if size_2_s_alpha",
                     "_os_2_s_alpha[0].min=-1;", "_os_2_s_alpha[0].max=0;", "_it_2_s_alpha=0;",
                     "#endif", "_vx_late_stub_inits", "}"}))
        << init.size();
    // Without a stub defined after them, the names they use for such
    // stubs stand for nothing.
    Lines ic = read_lines("t.ic");
    EXPECT_TRUE(has(ic, "#define _vx_late_stub_checks"));
    EXPECT_TRUE(has(ic, "#define _vx_late_stub_inits"));
    // Floating inputs are recorded in their own form.
    EXPECT_TRUE(has(read_lines("t.tdc"), "L6 d RA=FORM=CH0, INIT=, VA="));
}

// Stubs defined after the service functions were written: each gets an
// initialisation function, and the declarations file, included before the
// service functions, declares both functions and names them in the macros
// the service functions expand, so that every element of the script,
// before the definition as after it, sets up and checks every stub.
TEST_F(StubGenerationTest, StubsDefinedAfterTheServiceFunctionsAreReachedThroughTheDeclarations) {
    define("void early(_in int a);", true);
    layout(true).emit_stub_services();
    define("void late_one(_in int a);\nvoid late_two(void);", true);
    finish();
    Lines c = read_lines("t.c");
    EXPECT_EQ(from(c, "void _vx_init_2_s_late_one()", 9),
              (Lines{"void _vx_init_2_s_late_one()", "{", "_ix_2_s_late_one=0;",
                     "#if size_2_s_late_one", "_os_2_s_late_one[0].min=-1;",
                     "_os_2_s_late_one[0].max=0;", "_it_2_s_late_one=0;", "#endif", "}"}));
    EXPECT_TRUE(has(c, "void _vx_init_3_s_late_two()"));
    EXPECT_FALSE(mentions(c, "void _vx_init_1_s_early"));
    EXPECT_EQ(from(read_lines("t.ic"), "void checkin_2_s_late_one();", 10),
              (Lines{"void checkin_2_s_late_one();", "void _vx_init_2_s_late_one();",
                     "void checkin_3_s_late_two();", "void _vx_init_3_s_late_two();",
                     "#define _vx_late_stub_checks \\", "checkin_2_s_late_one(); \\",
                     "checkin_3_s_late_two();", "#define _vx_late_stub_inits \\",
                     "_vx_init_2_s_late_one(); \\", "_vx_init_3_s_late_two();"}));
}

TEST_F(StubGenerationTest, AStubWithoutParametersHasNoCounterSelectorsOrInputRecords) {
    define("int tick(void);");
    layout().emit_stub_services();
    finish();
    Lines c = read_lines("t.c");
    EXPECT_TRUE(has(c, "int (tick)(void)"));
    EXPECT_FALSE(mentions(c, "_it_1_s_tick"));
    EXPECT_FALSE(mentions(c, "sel["));
    EXPECT_FALSE(mentions(c, "_si_1_s_tick"));
    EXPECT_FALSE(mentions(c, "_is_1_s_tick"));
    EXPECT_EQ(missing(c,
                      {
                          " int ret;",
                          "      return(Vexor_ptr_out->ret);",
                          "  return(int)0;",
                      }),
              Lines{});
}

TEST_F(StubGenerationTest, TheCallOrderTableWidensWithTheNumberOfStubs) {
    std::string text;
    for (int i = 0; i < 300; ++i) text += "void f" + std::to_string(i) + "(void);\n";
    define(text);
    finish();
    Lines ic = read_lines("t.ic");
    EXPECT_TRUE(has(ic, "static ZQZQ_U_INT16 _vx_call_order[STUB_CALL_IDX_MAX];"));
    EXPECT_TRUE(has(ic, "#define size_300_s_f299 0"));
}

TEST_F(StubGenerationTest, FewStubsUseTheEightBitTable) {
    define("void f(void);");
    finish();
    EXPECT_TRUE(has(read_lines("t.ic"), "static ZQZQ_U_INT8 _vx_call_order[STUB_CALL_IDX_MAX];"));
}

TEST_F(StubGenerationTest, KernighanAndRitchieHeads) {
    define("int put(_in char *text, _out int *count);\nvoid ping(void);", true);
    layout().emit_stub_services();
    finish();
    Lines c = read_lines("t.c");
    EXPECT_EQ(from(c, "int (put)(text, count)", 3),
              (Lines{"int (put)(text, count)", "char *text;", "int *count;"}));
    EXPECT_EQ(missing(c,
                      {
                          "void (ping)()",
                          "void checkin_1_s_put()",
                          "void checkin_2_s_ping()",
                          "void _vx_check_muets()",
                          "void _vx_init_muets()",
                      }),
              Lines{});
    EXPECT_EQ(from(c, "static int _vxcc_str(str, ref)", 3),
              (Lines{"static int _vxcc_str(str, ref)", "char * str;", "char * ref;"}));
}

TEST_F(StubGenerationTest, StatementsFillTheElementTable) {
    define(
        "int read_sensor(_in int channel, _out int *value);\n"
        "int exchange(_inout int *slot);");
    HarnessLayout& l = layout();
    StubCall first = stub("read_sensor", {"3", "42"}, "0");
    l.stubs().describe(first);
    StubCall range = stub("read_sensor", {"3", "7"}, "1", 2, 4);
    l.stubs().describe(range);
    StubCall both = stub("exchange", {"5 => 6"}, "1");
    l.stubs().describe(both);
    Lines lines = element_lines(l.stubs());
    EXPECT_EQ(lines, (Lines{"#if size_1_s_read_sensor",
                            "_os_1_s_read_sensor[0].min=1;",
                            "_os_1_s_read_sensor[0].max=1;",
                            "_os_1_s_read_sensor[0]._datain.channel=(int)(3);",
                            "_os_1_s_read_sensor[0]._dataout.value=(int)(42);",
                            "_os_1_s_read_sensor[0].sel[0]=1;",
                            "_os_1_s_read_sensor[0].sel[1]=1;",
                            "_os_1_s_read_sensor[0].ret=(int)(0);",
                            "_os_1_s_read_sensor[1].min=2;",
                            "_os_1_s_read_sensor[1].max=4;",
                            "_os_1_s_read_sensor[1]._datain.channel=(int)(3);",
                            "_os_1_s_read_sensor[1]._dataout.value=(int)(7);",
                            "_os_1_s_read_sensor[1].sel[0]=1;",
                            "_os_1_s_read_sensor[1].sel[1]=1;",
                            "_os_1_s_read_sensor[1].ret=(int)(1);",
                            "_os_1_s_read_sensor[2].min=0;",
                            "_os_1_s_read_sensor[2].max=0;",
                            "#endif",
                            "#if size_2_s_exchange",
                            "_os_2_s_exchange[0].min=1;",
                            "_os_2_s_exchange[0].max=1;",
                            "_os_2_s_exchange[0]._datain.slot=(int)(5);",
                            "_os_2_s_exchange[0]._dataout.slot=(int)(6);",
                            "_os_2_s_exchange[0].sel[0]=1;",
                            "_os_2_s_exchange[0].sel[1]=1;",
                            "_os_2_s_exchange[0].ret=(int)(1);",
                            "_os_2_s_exchange[1].min=0;",
                            "_os_2_s_exchange[1].max=0;",
                            "#endif"}));
    // The next element starts afresh, and the size is the largest count.
    EXPECT_TRUE(element_lines(l.stubs()).empty());
    EXPECT_EQ(l.stubs().size_lines(),
              (Lines{"#define size_1_s_read_sensor 2", "#define calls_1_s_read_sensor 5",
                     "#define size_2_s_exchange 1", "#define calls_2_s_exchange 2"}));
}

TEST_F(StubGenerationTest, StatementsThatDoNotFitTheStubAreRefused) {
    define("int read_sensor(_in int channel, _out int *value);\nvoid log_text(_in char *t);");
    HarnessLayout& l = layout();
    long line = 0;
    auto describe = [&](const StubCall& call) {
        // A message is shown once per line: each statement has its own.
        reporter().set_report_line(++line);
        shown();
        l.stubs().describe(call);
        return shown();
    };
    EXPECT_NE(describe(stub("nothing", {"1"})).find("MUETUNDEF"), std::string::npos);
    EXPECT_NE(describe(stub("read_sensor", {"1"}, "0")).find("NBVALMUET"), std::string::npos);
    EXPECT_NE(describe(listless("read_sensor")).find("VALOMIMUE"), std::string::npos);
    // A missing return value is reported; the call keeps the default one.
    EXPECT_NE(describe(stub("read_sensor", {"1", "2"})).find("VALRETMUE"), std::string::npos);
    // A return value for a void function says that it returns nothing.
    const std::string given_to_void = describe(stub("log_text", {"\"x\""}, "3"));
    EXPECT_NE(given_to_void.find("Harnex-W-VALRETVOI"), std::string::npos) << given_to_void;
    EXPECT_NE(given_to_void.find("log_text, whose function returns nothing"), std::string::npos)
        << given_to_void;
    EXPECT_NE(describe(stub("read_sensor", {"1 => 2", "3"}, "0")).find("PARINCDEC"),
              std::string::npos);
    // Calls go forwards: an overlap or a backwards range is refused.
    EXPECT_EQ(describe(stub("read_sensor", {"1", "2"}, "0", 2, 3)), "");
    EXPECT_NE(describe(stub("read_sensor", {"1", "2"}, "0", 3, 3)).find("NBAPPMUET"),
              std::string::npos);
    EXPECT_NE(describe(stub("read_sensor", {"1", "2"}, "0", 6, 5)).find("NBAPPMUET"),
              std::string::npos);
    // An empty value leaves the input unchecked, with a warning.
    std::string omitted = describe(stub("read_sensor", {"", "2"}, "0"));
    EXPECT_NE(omitted.find("VALOMIPAR"), std::string::npos);
    Lines lines = element_lines(l.stubs());
    EXPECT_EQ(missing(lines,
                      {
                          "_os_1_s_read_sensor[0].min=1;",
                          "_os_1_s_read_sensor[1].min=2;",
                          "_os_1_s_read_sensor[2].min=4;",
                          "_os_1_s_read_sensor[2].sel[0]=0;",
                          "_os_1_s_read_sensor[3].min=0;",
                      }),
              Lines{});
}

TEST_F(StubGenerationTest, OutputsMustBeWritablePointers) {
    shown();
    define("void give(_out int count);\nvoid keep(_out const int *p);\nvoid ok(_out int *p);");
    std::string err = shown();
    EXPECT_NE(err.find("PARINCDEC"), std::string::npos);
    ASSERT_EQ(layout().stubs().stubs().size(), 1u);
    EXPECT_EQ(layout().stubs().stubs()[0].name, "ok");
}

TEST_F(StubGenerationTest, AVariadicStubTakesTheVariablePartAndChecksTheFixedOnes) {
    shown();
    define("int log_printf(_in int level, _in const char *fmt, ...);");
    EXPECT_EQ(shown(), "");
    ASSERT_EQ(layout().stubs().stubs().size(), 1u);
    const Stub& log = layout().stubs().stubs()[0];
    EXPECT_TRUE(log.variadic);
    ASSERT_EQ(log.parameters.size(), 2u);
    EXPECT_EQ(log.parameters[1].name, "fmt");
    finish();
    Lines c = read_lines("t.c");
    EXPECT_TRUE(mentions(c, "int log_printf(int level, const char *fmt, ...)"));
}

TEST_F(StubGenerationTest, AnAnonymousStructBehindAPointerTypedefIsNamedByItsTypedef) {
    define(
        "typedef struct { int width; int height; } image, *imagep;\n"
        "int load(_inout imagep img);");
    ASSERT_EQ(layout().stubs().stubs().size(), 1u);
    finish();
    Lines c = read_lines("t.c");
    EXPECT_TRUE(mentions(c, "int _vxcc_t_image( _vxcc_const image *p"));
    EXPECT_FALSE(mentions(c, "struct { int width"));
}

TEST_F(StubGenerationTest, KernighanAndRitchieHasNoVariadicStub) {
    shown();
    define("int log_printf(_in int level, _in char *fmt, ...);", true);
    EXPECT_NE(shown().find("PARINCDEC"), std::string::npos);
    EXPECT_TRUE(layout().stubs().stubs().empty());
}

TEST_F(StubGenerationTest, StructInputsAreComparedAndCheckedMemberByMember) {
    define("struct point { int x; char *name; };\nvoid move_to(struct point p);");
    finish();
    Lines c = read_lines("t.c");
    EXPECT_TRUE(has(c, "#define _vxcc_const"));
    EXPECT_TRUE(mentions(c, "int _vxcc_s_point( _vxcc_const struct point *p,"));
    EXPECT_TRUE(has(c, "  Vexor_res|=(((*p).x)!=((*ref).x));"));
    EXPECT_TRUE(has(c, "  Vexor_res|=_vxcc_str((char *)((*p).name),(char *)((*ref).name));"));
    Lines tdc = read_lines("t.tdc");
    EXPECT_TRUE(has(tdc, "L3 p.x RA=FORM=CD64, INIT=, VA="));
    EXPECT_TRUE(has(tdc, "L4 p.name RA=FORM=C, INIT=, VA="));
}

TEST_F(StubGenerationTest, BytesAreNumbersAndPlainCharsAreCharacters) {
    // The model of C values decides, as for variables: a uint8_t is an
    // unsigned number, a char a character, a char pointer a string, an
    // unsigned char pointer an address.
    define(
        "typedef unsigned char uint8_t;\n"
        "void put(_in uint8_t v, _in char c, _in char *s, _in unsigned char *b);");
    finish();
    Lines c = read_lines("t.c");
    std::string joined;
    for (const std::string& line : c) joined += line + "\n";
    // Long lines are folded: the checks are searched in the unfolded text.
    std::string flat;
    for (const std::string& line : c) flat += line;
    EXPECT_NE(flat.find("EDV_UNSIGNED_C((Vexor_ptr_out->min>0&&(unsigned "
                        "int)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=("
                        "unsigned int)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0)"),
              std::string::npos)
        << joined;
    // A char's expected value is kept whole in the table (a computed 300
    // is not the char 44): its check takes it so.
    EXPECT_NE(flat.find("EDV_CHAR_HELD_C((Vexor_ptr_out->min>0&&(unsigned "
                        "int)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=("
                        "unsigned int)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0)"),
              std::string::npos)
        << joined;
    EXPECT_NE(flat.find("EDV_STR_C((Vexor_ptr_out->min>0&&(unsigned "
                        "int)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=("
                        "unsigned int)Vexor_ptr_out->max?Vexor_ptr_out->sel[2]:0)"),
              std::string::npos)
        << joined;
    EXPECT_NE(flat.find("EDV_POINTER_C((Vexor_ptr_out->min>0&&(unsigned "
                        "int)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=("
                        "unsigned int)Vexor_ptr_out->max?Vexor_ptr_out->sel[3]:0)"),
              std::string::npos)
        << joined;
}

// The model of C values over the stub's own table, as the C analysis
// gives it to the generator.
class TableValues : public StubValueModel {
public:
    TableValues(TypeTable& table, DeclarationRun& run) : run_(table, run) {}
    bool spread(const TypeNode* type, const std::string& root, std::string_view value,
                std::vector<std::string>& leaves, SpreadFailure& failure,
                bool compound_literal) override {
        return c_spread_value(run_, type, root, value, leaves, failure, compound_literal);
    }
    std::vector<ValueFinding> check(std::string_view value, CValueKind kind,
                                    const TypeFacts& facts) override {
        return c_check_value(run_, value, kind, facts);
    }

private:
    ExpressionRun run_;
};

TEST_F(StubGenerationTest, ArraysWithABoundAreBuffersAndTheOthersPointers) {
    define(
        "typedef unsigned char BYTE;\n"
        "int io_send(_in const BYTE data[], _in BYTE tag[2]);\n"
        "int blk_read(_out BYTE buf[4], _out int count[]);\n"
        "void blk_swap(_inout int v[3]);\n"
        "void blk_log(_in const char text[6]);");
    ASSERT_EQ(layout().stubs().stubs().size(), 4u);
    TableValues values(*tables_.back(), run_);
    auto describe = [&](const StubCall& call) { layout().stubs().describe(call, &values); };
    describe(stub("io_send", {"NONIL", "{1, 2}"}, "0"));
    describe(stub("blk_read", {"[0 => 7, others => 0]", "4"}, "1"));
    describe(stub("blk_swap", {"{1, 2, 3} => [others => 9]"}));
    describe(stub("blk_log", {"\"ok\""}));
    Lines lines = element_lines(layout().stubs());
    // An array without bound is stored and compared as the pointer C
    // passes; a bounded one takes its elements one by one.
    EXPECT_EQ(missing(lines,
                      {
                          "_os_1_s_io_send[0]._datain.data=(const BYTE *)(NONIL);",
                          "_os_1_s_io_send[0]._datain.tag[1]=(BYTE)(2);",
                          "_os_2_s_blk_read[0]._dataout.buf[0]=(BYTE)(7);",
                          "_os_2_s_blk_read[0]._dataout.buf[3]=(BYTE)(0);",
                          "_os_2_s_blk_read[0]._dataout.count=(int)(4);",
                          "_os_3_s_blk_swap[0]._datain.v[2]=(int)(3);",
                          "_os_3_s_blk_swap[0]._dataout.v[2]=(int)(9);",
                      }),
              Lines{});
    EXPECT_TRUE(
        has(lines,
            "memset(_os_4_s_blk_log[0]._datain.text,0,sizeof(_os_4_s_blk_log[0]._datain.text));"));
    finish();
    Lines c = read_lines("t.c");
    EXPECT_TRUE(has(c, " const BYTE * data;"));
    EXPECT_TRUE(has(c, " BYTE buf[4];"));
    EXPECT_TRUE(has(c, " char text[7];"));  // room for the terminating zero
    // The caller's buffer is filled whole, and kept whole for the checks
    // (long lines are folded: they are read joined).
    std::string joined;
    for (const std::string& l : c) joined += l;
    EXPECT_NE(
        joined.find("memcpy(buf,Vexor_ptr_out->_dataout.buf,sizeof(Vexor_ptr_out->_dataout.buf));"),
        std::string::npos);
    EXPECT_NE(
        joined.find(
            "if (VXU_GIVEN(v)) memcpy(Vexor_ptr_in->_datain.v,v,sizeof(Vexor_ptr_in->_datain.v));"),
        std::string::npos);
    EXPECT_NE(joined.find("strncmp((const char *)(text),Vexor_ptr_out->_datain.text,6)"),
              std::string::npos);
    // One record per element, checked in a loop over consecutive records.
    Lines tdc = read_lines("t.tdc");
    EXPECT_TRUE(mentions(tdc, " tag[0] RA=FORM=CD64"));
    EXPECT_TRUE(mentions(tdc, " tag[1] RA=FORM=CD64"));
    EXPECT_TRUE(mentions(tdc, " v[2] RA=FORM=CD64"));
    EXPECT_TRUE(mentions(c, "for (_Vexor_j=0;_Vexor_j<3;++_Vexor_j)"));
}

TEST_F(StubGenerationTest, TheHeadTakesTheFormOfTheUnitsDeclaration) {
    // The compiler compares array bounds of two declarations
    // (-Warray-parameter): the unit's own form is the one to repeat.
    define("int blk_read(_out unsigned char buf[4]);\nvoid blk_put(_in const int v[2]);", false,
           "int blk_read(unsigned char *buf);\nvoid blk_put(const int v[]);");
    finish();
    Lines c = read_lines("t.c");
    EXPECT_TRUE(has(c, "int (blk_read)(unsigned char *buf)"));
    EXPECT_TRUE(has(c, "void (blk_put)(const int v[])"));
}

TEST_F(StubGenerationTest, ValuesTheHarnessCannotTakeRefuseTheStatement) {
    define(
        "typedef unsigned char BYTE;\nint io_get(_out int *v);\n"
        "void io_send(_in BYTE data[4]);\nvoid io_name(_in const char name[4]);");
    TableValues values(*tables_.back(), run_);
    long line = 0;
    auto describe = [&](const StubCall& call) {
        reporter().set_report_line(++line);
        shown();
        layout().stubs().describe(call, &values);
        return shown();
    };
    EXPECT_NE(describe(stub("io_get", {"{4, 2}"}, "0")).find("BADAGGREGATE"), std::string::npos);
    EXPECT_NE(describe(stub("io_get", {"NONIL"}, "0")).find("TYPESMISM"), std::string::npos);
    EXPECT_NE(describe(stub("io_get", {"1"}, "{0}")).find("BADAGGREGATE"), std::string::npos);
    EXPECT_NE(describe(stub("io_send", {"{1, 2, 3}"})).find("INITAGREG"), std::string::npos);
    // A string longer than the byte buffer does not fit (a shorter one is
    // followed by zeros, as C reads it).
    EXPECT_NE(describe(stub("io_send", {"\"abcde\""})).find("CSTTOLONG"), std::string::npos);
    EXPECT_NE(describe(stub("io_send", {"NIL"})).find("TYPESMISM"), std::string::npos);
    EXPECT_NE(describe(stub("io_name", {"\"abcd\""})).find("CSTTOLONG"), std::string::npos);
    // None of them reached the table; a fitting one does, and "( )" is the
    // one value of a stub of one parameter, left unchecked.
    EXPECT_TRUE(element_lines(layout().stubs()).empty());
    EXPECT_EQ(describe(stub("io_send", {"\"abcd\""})), "");
    EXPECT_NE(describe(stub("io_name", {})).find("VALOMIPAR"), std::string::npos);
    Lines lines = element_lines(layout().stubs());
    EXPECT_TRUE(has(lines, "_os_2_s_io_send[0]._datain.data[3]=(BYTE)(0x64);") ||
                has(lines, "_os_2_s_io_send[0]._datain.data[3]=(BYTE)('d');"))
        << ::testing::PrintToString(lines);
    EXPECT_TRUE(has(lines, "_os_3_s_io_name[0].sel[0]=0;"));
}

TEST(StubFileKey, IsTheBaseNameMadeAnIdentifier) {
    EXPECT_EQ(stub_file_key("dir/my-tests.v2.ptu"), "my_tests");
    EXPECT_EQ(stub_file_key("sensors.ptu"), "sensors");
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

TEST_F(StubGenerationTest, ABlockOfAnExcludedBranchDefinesNoStub) {
    layout();
    session_->output().set_enabled(false);
    define("void hidden(_in int a);");
    session_->output().set_enabled(true);
    define("void shown(_in int a);");
    layout().emit_stub_services();
    finish();
    Lines c = read_lines("t.c");
    EXPECT_FALSE(mentions(c, "hidden"));
    EXPECT_TRUE(has(c, "checkin_1_s_shown();"));
}

}  // namespace
}  // namespace vx
