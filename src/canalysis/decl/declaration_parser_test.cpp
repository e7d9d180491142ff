#include "canalysis/decl/declaration_parser.h"

#include "canalysis/types/target_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

class RecordingSink : public DiagnosticSink {
public:
    void report(Severity level, MessageCode code, std::string_view argument, std::string_view file,
                long line) override {
        messages.push_back(std::string(level == Severity::error ? "E:" : "W:") +
                           std::string(vx::message_code_name(code)) + ":" + std::string(argument));
        files.emplace_back(file);
        lines.push_back(line);
    }
    std::vector<std::string> messages;
    std::vector<std::string> files;
    std::vector<long> lines;
};

class Declarations : public ::testing::Test {
protected:
    void parse(std::string_view text, std::string_view scope = {}, bool keep_bodies = false) {
        DeclarationOptions options;
        options.scope = scope;
        options.file = "unit.h";
        options.keep_bodies = keep_bodies;
        c_parse_declarations(text, table_, options, sink_, run_);
    }
    const Symbol* symbol(std::string_view name, std::string_view scope = {}) {
        const Symbol* s = table_.lookup_symbol(name, scope);
        EXPECT_NE(s, nullptr) << name;
        return s;
    }
    const TypeNode* type_of(std::string_view name) {
        const Symbol* s = symbol(name);
        return s ? s->type : nullptr;
    }
    // The declaration of a symbol as C text: its type around its name,
    // "typedef" and the aliased type for a type name, its initial value.
    std::string image(std::string_view name) {
        const Symbol* s = symbol(name);
        if (s == nullptr) return "";
        if (s->storage & storage_typedef) {
            const TypeNode* aliased =
                s->type && s->type->kind == TypeKind::named ? s->type->target : s->type;
            return "typedef " + c_type_image(aliased, s->name) + ";";
        }
        std::string text = c_type_image(s->type, s->name);
        if (!s->initial_value.empty()) text += " = " + s->initial_value;
        return text + ";";
    }
    const std::vector<std::string>& messages() const { return sink_.messages; }

    TargetModel target_;
    DeclarationRun run_{target_};
    TypeTable table_;
    RecordingSink sink_;
};

TEST_F(Declarations, IntegerWidthsFollowTheTargetModel) {
    parse(
        "unsigned char uc; char c; signed char sc; short s; unsigned short us; int i; unsigned u;\n"
        "long l; unsigned long ul; long long ll; unsigned long long ull; long int li; short int "
        "si;\n"
        "long unsigned int lui; long double ld; float f; double d;");
    EXPECT_TRUE(messages().empty()) << messages()[0];
    struct Case {
        const char* name;
        const char* type;
        int width;
        bool is_char;
    };
    for (const Case& c :
         {Case{"uc", "unsigned char", 8, true}, Case{"c", "char", -8, true},
          Case{"sc", "signed char", -8, true}, Case{"s", "short", -16, false},
          Case{"us", "unsigned short", 16, false}, Case{"i", "int", -32, false},
          Case{"u", "unsigned", 32, false}, Case{"l", "long", -32, false},
          Case{"ul", "unsigned long", 32, false}, Case{"ll", "long long", -64, false},
          Case{"ull", "unsigned long long", 64, false}, Case{"li", "long int", -32, false},
          Case{"si", "short int", -16, false}, Case{"lui", "long unsigned int", 32, false}}) {
        const TypeNode* t = type_of(c.name);
        ASSERT_NE(t, nullptr) << c.name;
        EXPECT_EQ(t->kind, TypeKind::integer) << c.name;
        EXPECT_EQ(t->name, c.type) << c.name;
        EXPECT_EQ(t->width, c.width) << c.name;
        EXPECT_EQ(t->is_char, c.is_char) << c.name;
    }
    EXPECT_EQ(type_of("ld")->name, "long double");
    EXPECT_EQ(type_of("f")->kind, TypeKind::floating);
    // Two declarations of the same construction share one node.
    parse("unsigned long other;");
    EXPECT_EQ(type_of("other"), type_of("ul"));
}

TEST_F(Declarations, TargetPragmasChangeWidthsAndSignedness) {
    parse(
        "#pragma vexor signof char unsigned\nchar c;\n#pragma vexor sizeof long 64\nlong y;\n"
        "typedef unsigned int u32;\n#pragma vexor sizeof u32 16\nu32 z;\n");
    EXPECT_TRUE(messages().empty()) << messages()[0];
    EXPECT_EQ(type_of("c")->width, 8);
    EXPECT_EQ(type_of("y")->width, -64);
    EXPECT_EQ(target_.base_width(BaseInteger::long_type), 64);
    EXPECT_EQ(c_resolve_type(type_of("z"))->width, 16);
    // The typedef itself changes: every use of it follows.
    parse("#pragma vexor signof u32 signed\nu32 w;\n#pragma vexor sizeof (float) 32\n");
    EXPECT_EQ(c_resolve_type(type_of("w"))->width, -16);
    EXPECT_EQ(c_resolve_type(type_of("z"))->width, -16);
    EXPECT_EQ(target_.declared_size("long"), 8);
    EXPECT_EQ(target_.declared_size("u32"), 2);
    EXPECT_EQ(target_.declared_size("float"), 4);
}

TEST_F(Declarations, BadConstructionsAreWarnedAndLeaveNoType) {
    parse("unsigned signed x;\nshort long y;\nlong short z;\nint char w;\n");
    ASSERT_EQ(messages().size(), 4u);
    EXPECT_EQ(messages()[0], "W:CONSTRUCT:unsigned signed");
    EXPECT_EQ(messages()[1], "W:CONSTRUCT:short long");
    EXPECT_EQ(messages()[2], "W:CONSTRUCT:long short");
    EXPECT_EQ(messages()[3], "W:CONSTRUCT:int char");
    EXPECT_EQ(type_of("x"), nullptr);
    EXPECT_EQ(sink_.lines[1], 2);
    // One warning for a declaration, however many declarators it has.
    sink_.messages.clear();
    parse("unsigned signed a, b, c;");
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(Declarations, TagsAreCompletedAndRedefinitionsWarned) {
    parse("struct s; struct s { int a; };");
    EXPECT_TRUE(messages().empty());
    const TypeNode* s = c_lookup_tag("s", table_, TagKind::struct_tag);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->complete);
    ASSERT_EQ(s->fields.size(), 1u);
    EXPECT_EQ(s->fields[0].symbol->name, "a");
    parse("struct s { int b; };");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "W:REDEFSTRU:s");
    EXPECT_EQ(s->fields[0].symbol->name, "b");
    // A self-referring struct points at its own entry.
    parse("struct node { struct node *next; int value; } head;");
    const TypeNode* node = c_lookup_tag("node", table_, TagKind::struct_tag);
    EXPECT_EQ(node->fields[0].symbol->type->target, node);
    EXPECT_EQ(type_of("head"), node);
    EXPECT_EQ(c_lookup_tag("node", table_, TagKind::union_tag), nullptr);
}

TEST_F(Declarations, TypedefWithoutANameIsReported) {
    parse(
        "typedef int;\nstruct keep { int a; };\ntypedef struct tagged { int b; };\n"
        "typedef int named;\n");
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0], "W:TYPDEFSEU:typedef int;");
    EXPECT_EQ(sink_.lines[0], 1);
    EXPECT_EQ(messages()[1].rfind("W:TYPDEFSEU:typedef struct tagged", 0), 0u) << messages()[1];
    EXPECT_EQ(sink_.lines[1], 3);
    // The tag is entered all the same, and the named typedef too.
    EXPECT_NE(c_lookup_tag("tagged", table_, TagKind::struct_tag), nullptr);
    EXPECT_NE(type_of("named"), nullptr);
}

TEST_F(Declarations, SymbolRedefinitions) {
    parse("int f(int); int f(int, int);");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "W:REDEFSYMB:f");
    sink_.messages.clear();
    parse("int g(); int g(void); int h(int a, char); int h(int, char b);");
    EXPECT_TRUE(messages().empty()) << messages()[0];
    const TypeNode* h = type_of("h");
    ASSERT_EQ(h->parameters.size(), 2u);
    EXPECT_EQ(h->parameters[0].name, "a");  // taken from the first declaration
    EXPECT_EQ(h->parameters[1].name, "b");
    // An extern declaration is completed by the definition; a later extern
    // of a known object changes nothing.
    parse("extern int counter; int counter = 3; extern int counter;");
    EXPECT_TRUE(messages().empty()) << messages()[0];
    EXPECT_EQ(symbol("counter")->initial_value, "3");
    EXPECT_EQ(symbol("counter")->storage & storage_extern, 0u);
    parse("int twice; long twice;");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "W:REDEFSYMB:twice");
    EXPECT_EQ(type_of("twice")->name, "long");
    // The same typedef again is no redefinition.
    sink_.messages.clear();
    parse("typedef unsigned long size_t; typedef unsigned long size_t;");
    EXPECT_TRUE(messages().empty()) << messages()[0];
}

TEST_F(Declarations, StaticsOfAnotherFileAndScopes) {
    parse("static int hidden = 1;");
    DeclarationOptions other;
    other.file = "other.c";
    c_parse_declarations("static int hidden = 2;", table_, other, sink_, run_);
    EXPECT_TRUE(messages().empty());
    int hidden = 0;
    table_.for_each_symbol([&](const Symbol& s) { hidden += s.name == "hidden"; });
    EXPECT_EQ(hidden, 2);
    parse("int local;", "service_a");
    parse("int local;", "service_b");
    parse("int local;");
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(symbol("local", "service_a")->scope, "service_a");
    EXPECT_EQ(symbol("local", "service_c")->scope, "");
}

TEST_F(Declarations, EnumeratorValuesAndBoundsAreKeptAsText) {
    parse(
        "enum e {A, B = 4, C};\nenum {P, Q = X * 2, R, S,} anon;\nint t[N + 1];\nint u[(unsigned "
        "long) 8];\n"
        "typedef unsigned int idx_t;\nint v[(idx_t)N][3];\nint w[];");
    EXPECT_TRUE(messages().empty()) << messages()[0];
    const TypeNode* e = c_lookup_tag("e", table_, TagKind::enum_tag);
    ASSERT_EQ(e->enumerators.size(), 3u);
    EXPECT_EQ(e->enumerators[0].value, "0");
    EXPECT_EQ(e->enumerators[1].value, "4");
    EXPECT_EQ(e->enumerators[2].value, "4+1");
    const TypeNode* anon = type_of("anon");
    ASSERT_EQ(anon->enumerators.size(), 4u);
    EXPECT_EQ(anon->enumerators[1].value, "X*2");
    EXPECT_EQ(anon->enumerators[2].value, "X*2+1");
    EXPECT_EQ(anon->enumerators[3].value, "X*2+2");
    const EnumerationConstant* r = c_lookup_enumerator("R", table_);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->enum_type, anon);
    EXPECT_EQ(r->index, 2);
    EXPECT_EQ(run_.enumeration_constants.size(), 7u);
    EXPECT_EQ(type_of("t")->bound, "N+1");
    EXPECT_EQ(type_of("u")->bound, "8");
    EXPECT_EQ(type_of("v")->bound, "N");
    EXPECT_EQ(type_of("v")->target->bound, "3");
    EXPECT_EQ(type_of("w")->bound, "");
}

// Bounds written as integer constant expressions, as embedded headers size
// their buffers (the macros already expanded): the text stays as written,
// the length is the value C gives it; what the analysis cannot tell
// exactly gives no length, never a wrong one.
TEST_F(Declarations, ConstantExpressionBoundsGiveTheArrayItsLength) {
    parse(
        "typedef unsigned int u32;\ntypedef unsigned char u8;\n"
        "enum slots { FIRST = -2, SECOND, COUNT = SECOND + 5, MORE = COUNT * 2 };\n"
        "struct big { int a; char b; };\nstruct big one;\nint *where;\n"
        "u8 window[2 << 3];\nshort pairs[(1 << 2) + 2];\nu32 words[sizeof(u32) * 2];\n"
        "u8 copy[sizeof window / sizeof(u8)];\nchar names[MORE][(u32)4];\n"
        "int pick[4 > 2 ? 3 : 1];\nlong aligned[_Alignof(unsigned short) + 'a' - 'a'];\n"
        "u8 by_struct[sizeof(struct big)];\nu8 by_pointer[sizeof(int *)];\n"
        "u8 unknown[LIMIT + 1];\nu8 by_unsigned[sizeof(unsigned long int)];\n"
        "struct frame { u8 length; u8 bytes[]; };");
    EXPECT_TRUE(messages().empty()) << messages()[0];
    auto length = [&](std::string_view name) { return type_of(name)->length; };
    EXPECT_EQ(length("window"), 16);
    EXPECT_EQ(type_of("window")->bound, "2<<3");
    EXPECT_EQ(length("pairs"), 6);
    EXPECT_EQ(length("words"), 8);
    EXPECT_EQ(type_of("words")->bound, "sizeof(u32)*2");
    EXPECT_EQ(length("copy"), 16);
    // MORE is (SECOND + 5) * 2 with SECOND = -1.
    EXPECT_EQ(length("names"), 8);
    EXPECT_EQ(type_of("names")->target->length, 4);
    EXPECT_EQ(length("pick"), 3);
    EXPECT_EQ(length("aligned"), 2);
    EXPECT_EQ(length("by_unsigned"), 4);
    // The layout of a struct and the width of a pointer belong to the
    // target's compiler; an unknown name is no value.
    EXPECT_EQ(length("by_struct"), 0);
    EXPECT_EQ(length("by_pointer"), 0);
    EXPECT_EQ(length("unknown"), 0);
    const TypeNode* frame = c_lookup_tag("frame", table_, TagKind::struct_tag);
    ASSERT_EQ(frame->fields.size(), 2u);
    EXPECT_EQ(c_resolve_type(frame->fields[1].symbol->type)->length, 0);
}

// C11's _Atomic, as a qualifier and as a specifier, keeps the type it
// qualifies, and says so in the declarations the harness writes.
TEST_F(Declarations, AtomicTypesAreTheirTypesQualified) {
    parse(
        "_Atomic unsigned long head;\n_Atomic(unsigned short) drops;\n"
        "typedef _Atomic int atomic_int;\natomic_int * _Atomic cursor;");
    EXPECT_TRUE(messages().empty()) << messages()[0];
    EXPECT_EQ(c_resolve_type(type_of("head"))->width, 32);
    EXPECT_EQ(image("head"), "_Atomic unsigned long head;");
    EXPECT_EQ(c_resolve_type(type_of("drops"))->width, 16);
    EXPECT_EQ(image("drops"), "_Atomic unsigned short drops;");
    EXPECT_EQ(c_resolve_type(type_of("cursor"))->kind, TypeKind::pointer);
}

TEST_F(Declarations, TypesFromText) {
    parse("typedef unsigned long size_t; struct known { int a; };");
    const TypeNode* p = c_type_from_text("unsigned long *", table_, "", run_);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->kind, TypeKind::pointer);
    EXPECT_EQ(p->target->name, "unsigned long");
    const TypeNode* unknown = c_type_from_text("struct unknown", table_, "", run_);
    ASSERT_NE(unknown, nullptr);
    EXPECT_EQ(unknown->kind, TypeKind::struct_type);
    EXPECT_FALSE(unknown->complete);
    EXPECT_EQ(c_type_from_text("1 +", table_, "", run_), nullptr);
    EXPECT_EQ(c_type_from_text("", table_, "", run_), nullptr);
    const TypeNode* s = c_type_from_text("size_t", table_, "", run_);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->kind, TypeKind::named);
    EXPECT_EQ(c_resolve_type(s)->width, 32);
    const TypeNode* f = c_type_from_text("int (*)(char, ...)", table_, "", run_);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->target->kind, TypeKind::function);
    EXPECT_TRUE(f->target->variadic);
    EXPECT_TRUE(c_type_from_text("struct known", table_, "", run_)->complete);
    EXPECT_EQ(table_.lookup_symbol("__vexor_var", ""), nullptr);
    EXPECT_TRUE(messages().empty());
}

TEST_F(Declarations, FunctionBodiesAreSkippedWhole) {
    parse(
        "int f(void) { if (x) { return '}'; } s = \"}}\"; /* } */ return 0; }\nint after;\n"
        "static int g(int a) { { { } } return a; } int h(void);",
        "", true);
    EXPECT_TRUE(messages().empty()) << messages()[0];
    EXPECT_NE(table_.lookup_symbol("after", ""), nullptr);
    EXPECT_NE(table_.lookup_symbol("h", ""), nullptr);
    const Symbol* g = symbol("g");
    EXPECT_TRUE(g->is_function_definition);
    EXPECT_EQ(g->body, "{ { { } } return a; }");
    EXPECT_NE(symbol("f")->body.find("\"}}\""), std::string::npos);
    // Bodies are not kept unless asked.
    parse("int k(void) { return 1; }");
    EXPECT_TRUE(symbol("k")->body.empty());
}

TEST_F(Declarations, OldStyleDefinitionsTakeTheirParameterTypes) {
    parse("int add(a, b) int a; char b; { return a + b; }\nold(x) { return x; }");
    EXPECT_TRUE(messages().empty()) << messages()[0];
    const TypeNode* add = type_of("add");
    ASSERT_EQ(add->parameters.size(), 2u);
    EXPECT_EQ(add->parameters[1].type->name, "char");
    EXPECT_EQ(image("add"), "int add(int a, char b);");
    EXPECT_EQ(image("old"), "int old(int x);");
    // The parameters are not global symbols.
    EXPECT_EQ(table_.lookup_symbol("a", ""), nullptr);
}

TEST_F(Declarations, ImagesAreWhatAProgrammerWrites) {
    parse(
        "typedef struct point { int x, y; } point_t;\n"
        "typedef point_t *point_ptr;\n"
        "struct shape { point_t corners[4]; union { int i; float f; } u; struct { char tag; } ; "
        "unsigned flags : 3; unsigned : 5; enum kind { CIRCLE = 1, SQUARE } kind; "
        "void (*draw)(const struct shape *, int); };\n"
        "extern int (*handlers[8])(void *);\n"
        "char *const names[N * 2];\n"
        "const char *greeting = \"hello, world\";\n"
        "int (*grid)[3];\n"
        "point_ptr origin;\n"
        "unsigned long compute(int, const char *, ...);\n"
        "void nothing(void);\n"
        "static inline int twice(int v) { return 2 * v; }\n"
        "int values[3] = { 1, 2, 3 };\n");
    EXPECT_TRUE(messages().empty()) << messages()[0];
    EXPECT_EQ(image("point_t"), "typedef struct point point_t;");
    EXPECT_EQ(image("point_ptr"), "typedef point_t *point_ptr;");
    EXPECT_EQ(image("handlers"), "int (*handlers[8])(void *);");
    EXPECT_EQ(image("names"), "char *const names[N*2];");
    EXPECT_EQ(image("greeting"), "const char *greeting = \"hello, world\";");
    EXPECT_EQ(image("grid"), "int (*grid)[3];");
    EXPECT_EQ(image("origin"), "point_ptr origin;");
    EXPECT_EQ(image("compute"), "unsigned long compute(int, const char *, ...);");
    EXPECT_EQ(image("nothing"), "void nothing(void);");
    EXPECT_EQ(image("twice"), "inline int twice(int v);");
    EXPECT_EQ(image("values"), "int values[3] = { 1, 2, 3 };");

    const TypeNode* shape = c_lookup_tag("shape", table_, TagKind::struct_tag);
    ASSERT_NE(shape, nullptr);
    ASSERT_EQ(shape->fields.size(), 6u);  // the unnamed ": 5" is no field
    EXPECT_EQ(shape->fields[3].bit_width, "3");
    EXPECT_EQ(c_type_image(shape->fields[1].symbol->type, "u"), "union { int i; float f; } u");
    EXPECT_EQ(c_type_image(shape->fields[5].symbol->type, "draw"),
              "void (*draw)(const struct shape *, int)");
    EXPECT_EQ(shape->fields[4].symbol->name, "kind");
    const TypeNode* kind = shape->fields[4].symbol->type;
    ASSERT_EQ(kind->enumerators.size(), 2u);
    EXPECT_EQ(kind->enumerators[1].name, "SQUARE");

    std::vector<std::string> paths;
    c_walk_scalar_components(shape, "s",
                             [&](const ScalarComponent& c) { paths.push_back(c.path); });
    EXPECT_EQ(paths, (std::vector<std::string>{"s.corners", "s.u.i", "s.tag", "s.flags", "s.kind",
                                               "s.draw"}));
    EXPECT_TRUE(c_is_const(symbol("greeting")->type->target));
    EXPECT_FALSE(c_is_const(symbol("greeting")->type));
    EXPECT_EQ(c_complete_type(type_of("origin"), table_)->kind, TypeKind::pointer);
}

TEST_F(Declarations, LineMarkersGiveTheLocationOfDiagnostics) {
    parse(
        "int ok;\n# 40 \"/usr/include/sample.h\" 1 3\nint ok2;\nint = 3;\n#line 7 \"mine.h\"\nlong "
        "short bad;\n");
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0], "W:SYNTAXERR:int = 3");
    EXPECT_EQ(sink_.files[0], "/usr/include/sample.h");
    EXPECT_EQ(sink_.lines[0], 41);
    EXPECT_EQ(sink_.files[1], "mine.h");
    EXPECT_EQ(sink_.lines[1], 7);
    EXPECT_EQ(symbol("ok2")->file, "/usr/include/sample.h");
    EXPECT_EQ(symbol("ok2")->line, 40);
}

TEST_F(Declarations, ErrorsRecoverAtSemicolonsAndBraces) {
    parse(
        "int a; int 5 b; int c; struct t { int x; 3 y; int z; }; int d;\n#frobnicate \"x\"\n"
        "#error reported by the preprocessor already\n#warning so is this\nint \\ e;");
    ASSERT_EQ(messages().size(), 4u);
    EXPECT_EQ(messages()[0], "W:SYNTAXERR:int 5");
    EXPECT_EQ(messages()[1], "W:SYNTAXERR:struct t { int x; 3");
    EXPECT_EQ(messages()[2], "W:DIESELINE:#frobnicate \"x\"");
    EXPECT_EQ(messages()[3], "W:CHAINUTIL:'\\'");
    for (const char* name : {"a", "c", "d", "e"})
        EXPECT_NE(table_.lookup_symbol(name, ""), nullptr) << name;
    const TypeNode* t = c_lookup_tag("t", table_, TagKind::struct_tag);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->fields.size(), 2u);
    EXPECT_EQ(t->fields[1].symbol->name, "z");
    // A long statement shows its last 59 characters.
    sink_.messages.clear();
    std::string long_statement = "int " + std::string(80, 'q') + " 7;";
    parse(long_statement);
    ASSERT_EQ(messages().size(), 1u);
    std::string read = long_statement.substr(0, long_statement.size() - 1);  // up to the "7"
    EXPECT_EQ(messages()[0], "W:SYNTAXERR:" + read.substr(read.size() - 59));
}

TEST_F(Declarations, InitialisersThatAreComparisonsAreDropped) {
    parse("int x == 3; int y => 4; int z = 5;");
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].rfind("W:SYNTAXERR:", 0), 0u);
    EXPECT_EQ(symbol("x")->initial_value, "");
    EXPECT_EQ(symbol("z")->initial_value, "5");
}

TEST_F(Declarations, TheEndInsideAConstructIsAnError) {
    parse("int f(void) { return 0;");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].rfind("E:UNEXP_EOF:", 0), 0u);
    sink_.messages.clear();
    sink_.lines.clear();
    parse("int a;\nint table[] = { 1,\n 2,");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].rfind("E:UNEXP_EOF:", 0), 0u);
    EXPECT_EQ(sink_.lines[0], 2);  // where the initialiser started
    sink_.messages.clear();
    parse("struct open { int a;");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].rfind("E:UNEXP_EOF:", 0), 0u);
}

TEST_F(Declarations, DeepNestingIsBoundedAndReported) {
    std::string deep = "int " + std::string(30000, '(') + "x" + std::string(30000, ')') + ";";
    parse(deep);
    ASSERT_FALSE(messages().empty());
    EXPECT_EQ(messages()[0].rfind("W:SYNTAXERR:", 0), 0u);
    sink_.messages.clear();
    std::string body =
        "void f(void) " + std::string(20000, '{') + std::string(20000, '}') + " int after;";
    parse(body);
    EXPECT_TRUE(messages().empty());
    EXPECT_NE(table_.lookup_symbol("after", ""), nullptr);
    std::string structs;
    for (int i = 0; i < 5000; ++i) structs += "struct { ";
    parse(structs + "int x;");
    EXPECT_FALSE(messages().empty());
}

TEST_F(Declarations, TypeModifiersAndExtensions) {
    run_.is_type_modifier = [](std::string_view w) {
        return w == "_in" || w == "_out" || w == "far";
    };
    parse("int read_sensor(_in int channel, _out int *value);\nchar @far *p;\n");
    EXPECT_TRUE(messages().empty()) << messages()[0];
    const TypeNode* f = type_of("read_sensor");
    ASSERT_EQ(f->parameters.size(), 2u);
    EXPECT_TRUE(c_has_qualifier(f->parameters[0].type, "_in"));
    // The modifier qualifies the base type; the pointer is made of it.
    EXPECT_TRUE(c_has_qualifier(f->parameters[1].type->target, "_out"));
    EXPECT_EQ(type_of("p")->target->name, "@far");
    EXPECT_EQ(image("read_sensor"), "int read_sensor(_in int channel, _out int *value);");
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

TEST_F(Declarations, WalksOfSelfHoldingStructsStayFinite) {
    // Invalid C, but the parser takes it: the walk must neither loop nor
    // explode.
    std::string text = "struct s0 { int leaf; };\n";
    for (int i = 1; i < 60; ++i) {
        text +=
            "struct s" + std::to_string(i) + " { struct s" + std::to_string(i - 1) + " a, b; };\n";
    }
    text += "struct self { struct self inner; struct self other; int x; };\n";
    parse(text);
    const TypeNode* top = c_lookup_tag("s59", table_, TagKind::struct_tag);
    long count = 0;
    c_walk_scalar_components(top, "v", [&](const ScalarComponent&) { ++count; });
    EXPECT_EQ(count, 1000000);
    const TypeNode* self = c_lookup_tag("self", table_, TagKind::struct_tag);
    std::vector<std::string> paths;
    c_walk_scalar_components(self, "v", [&](const ScalarComponent& c) { paths.push_back(c.path); });
    EXPECT_EQ(paths, (std::vector<std::string>{"v.inner", "v.other", "v.x"}));
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

TEST_F(Declarations, SecondaryTablesAndRemoval) {
    TypeTable headers;
    DeclarationOptions options;
    options.file = "lib.h";
    c_parse_declarations(
        "typedef unsigned short word; struct lib { int a; }; enum colour { RED, GREEN }; int "
        "shared;",
        headers, options, sink_, run_);
    table_.set_secondary(&headers);
    // The typedef of the secondary table is a type name here too.
    parse("word w; struct lib mine; int shared;");
    EXPECT_TRUE(messages().empty()) << messages()[0];
    const TypeNode* w = type_of("w");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->kind, TypeKind::named);
    EXPECT_EQ(c_complete_type(w, table_)->name, "unsigned short");
    EXPECT_EQ(type_of("mine"), c_lookup_tag("lib", headers, TagKind::struct_tag));
    EXPECT_NE(c_complete_type(type_of("mine"), table_), nullptr);
    ASSERT_NE(c_lookup_enumerator("GREEN", table_), nullptr);
    EXPECT_EQ(c_lookup_enumerator("GREEN", table_)->index, 1);
    // The table's own symbol comes first; the secondary one is found when
    // the table has none.
    EXPECT_EQ(c_find_symbol("shared", table_, "")->file, "unit.h");
    EXPECT_TRUE(table_.remove_symbol("shared", ""));
    EXPECT_EQ(table_.lookup_symbol("shared", ""), nullptr);
    EXPECT_EQ(c_find_symbol("shared", table_, "")->file, "lib.h");
    EXPECT_EQ(table_.lookup_symbol("word", ""), nullptr);
    EXPECT_NE(c_find_symbol("word", table_, ""), nullptr);
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// The attributes of GNU C and C23 wherever headers write them, as the
// UAPI headers read without the C library's definitions do.
TEST_F(Declarations, AttributesInEveryPositionAreDropped) {
    parse(
        "struct __attribute__((packed)) s1 { char c; int i __attribute__((aligned(8))); };\n"
        "struct can_frame {\n"
        "  unsigned int can_id;\n"
        "  unsigned char len;\n"
        "  unsigned char data[8] __attribute__((aligned(8)));\n"
        "} __attribute__((packed, aligned(4)));\n"
        "typedef unsigned long long __aligned_u64 __attribute__((aligned(8)));\n"
        "struct clone_args { __aligned_u64 flags; __aligned_u64 __attribute__((aligned(8))) pidfd; "
        "};\n"
        "enum e { A __attribute__((deprecated(\"no ) here\"))), B [[deprecated]] = 3 };\n"
        "[[nodiscard]] int f(int x [[maybe_unused]], const char *__attribute__((nonnull)) p)\n"
        "    __attribute__((warn_unused_result)) __asm__(\"f2\");\n"
        "__attribute__((noreturn)) void g(void);\n"
        "int *__attribute__((aligned(16))) q, __attribute__((unused)) r [[gnu::unused]];\n");
    ASSERT_TRUE(messages().empty()) << messages()[0];
    const TypeNode* frame = c_lookup_tag("can_frame", table_, TagKind::struct_tag);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->fields.size(), 3u);
    EXPECT_EQ(frame->fields[2].symbol->name, "data");
    EXPECT_EQ(c_resolve_type(frame->fields[2].symbol->type)->bound, "8");
    const TypeNode* clone = c_lookup_tag("clone_args", table_, TagKind::struct_tag);
    ASSERT_NE(clone, nullptr);
    ASSERT_EQ(clone->fields.size(), 2u);
    EXPECT_EQ(c_resolve_type(clone->fields[1].symbol->type)->width, 64);
    EXPECT_EQ(c_lookup_tag("s1", table_, TagKind::struct_tag)->fields.size(), 2u);
    EXPECT_EQ(c_lookup_enumerator("B", table_)->enum_type->enumerators[1].value, "3");
    EXPECT_EQ(image("f"), "int f(int x, const char *p);");
    EXPECT_EQ(type_of("g")->kind, TypeKind::function);
    EXPECT_EQ(type_of("q")->kind, TypeKind::pointer);
    EXPECT_EQ(type_of("r")->kind, TypeKind::integer);
}

TEST_F(Declarations, ANoreturnAttributeMarksItsFunctionOnly) {
    parse(
        "int before(void);\n"
        "__attribute__((noreturn)) void halt(void);\n"
        "int after(int);\n"
        "void stop(int code) __attribute__((__noreturn__));\n"
        "int next(void);\n"
        "void both(void); __attribute__((noreturn)) void panic(const char *why);\n"
        "void reset(void) { }\n"
        "[[noreturn]] void abort_all(void);\n"
        "__vexor_noreturn void fail(void);\n");
    ASSERT_TRUE(messages().empty()) << messages()[0];
    for (const char* name : {"halt", "stop", "panic", "abort_all", "fail"}) {
        EXPECT_TRUE(table_.lookup_symbol(name, "")->no_return) << name;
    }
    for (const char* name : {"before", "after", "next", "both", "reset"}) {
        EXPECT_FALSE(table_.lookup_symbol(name, "")->no_return) << name;
    }
}

TEST_F(Declarations, WideIntegersAndExtendedRealsAreKindsOfTheirOwn) {
    parse(
        "__int128 a; unsigned __int128 b; signed __int128 c; __int128 unsigned d;\n"
        "_Float16 h; __float128 q; _Float64x x; _Decimal64 dd; __bf16 bf;\n"
        "long __int128 bad;\n");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "W:CONSTRUCT:long __int128");
    struct Wide {
        const char* name;
        const char* type;
        int width;
    };
    for (const Wide& w :
         {Wide{"a", "__int128", -128}, Wide{"b", "unsigned __int128", 128},
          Wide{"c", "signed __int128", -128}, Wide{"d", "unsigned __int128", 128}}) {
        const TypeNode* t = type_of(w.name);
        ASSERT_NE(t, nullptr) << w.name;
        EXPECT_EQ(t->kind, TypeKind::wide_integer) << w.name;
        EXPECT_EQ(t->name, w.type) << w.name;
        EXPECT_EQ(t->width, w.width) << w.name;
    }
    for (const char* name : {"h", "q", "x", "dd", "bf"}) {
        ASSERT_NE(type_of(name), nullptr) << name;
        EXPECT_EQ(type_of(name)->kind, TypeKind::extended_real) << name;
    }
    EXPECT_EQ(type_of("q")->name, "__float128");
    EXPECT_EQ(image("b"), "unsigned __int128 b;");
}

// A C library that declares the extended reals itself for a compiler
// without them: its typedefs are taken, and the names then stand for them.
TEST_F(Declarations, ExtendedRealsTypedefByTheLibrary) {
    parse(
        "typedef float _Float32;\ntypedef double _Float64;\ntypedef double _Float32x;\n"
        "_Float32 f32; _Float64 f64; _Float16 f16;\n"
        "extern _Float32 strtof32(const char *, char **);\n");
    ASSERT_TRUE(messages().empty()) << messages()[0];
    EXPECT_EQ(c_resolve_type(type_of("f32"))->name, "float");
    EXPECT_EQ(c_resolve_type(type_of("f64"))->kind, TypeKind::floating);
    EXPECT_EQ(type_of("f16")->kind, TypeKind::extended_real);
    EXPECT_EQ(image("strtof32"), "_Float32 strtof32(const char *, char **);");
}

TEST_F(Declarations, TypeofOfTypesAndExpressionsAndAutoType) {
    parse(
        "struct pt { int x; long y; } origin;\n"
        "typeof(unsigned long) a; __typeof__(origin) b; __typeof__(origin.y) c;\n"
        "typeof(int *) d[3]; __auto_type e = 1;\n"
        "__auto_type f = (unsigned short)300; __auto_type g = origin; __auto_type h = "
        "&origin.y;\n");
    ASSERT_TRUE(messages().empty()) << messages()[0];
    EXPECT_EQ(c_resolve_type(type_of("a"))->name, "unsigned long");
    EXPECT_EQ(c_resolve_type(type_of("b"))->kind, TypeKind::struct_type);
    EXPECT_EQ(c_resolve_type(type_of("c"))->name, "long");
    const TypeNode* d = type_of("d");
    ASSERT_EQ(d->kind, TypeKind::array);
    EXPECT_EQ(d->target->kind, TypeKind::pointer);
    // __auto_type takes the type of the initializer.
    EXPECT_EQ(c_resolve_type(type_of("e"))->name, "int");
    EXPECT_EQ(c_resolve_type(type_of("f"))->width, 16);
    EXPECT_EQ(c_resolve_type(type_of("g"))->kind, TypeKind::struct_type);
    EXPECT_EQ(c_resolve_type(type_of("h"))->kind, TypeKind::pointer);
}

// Statement expressions and builtins reach declarations through macros of
// the headers: kept as text where text is kept, skipped in bodies.
TEST_F(Declarations, StatementExpressionsAndBuiltinsInKeptTexts) {
    parse(
        "int v = ({ int t = 2; t * 3; });\n"
        "char buf[__builtin_offsetof(struct pt, y) + 1];\n"
        "static inline int sq(int x) { return ({ int y = x; y * y; }); }\n"
        "int after;\n"
        "#ident \"$Id: unit.h 1 $\"\n#sccs \"@(#)unit.h\"\n#assert machine(x86)\n#unassert "
        "machine\n");
    ASSERT_TRUE(messages().empty()) << messages()[0];
    EXPECT_EQ(symbol("v")->initial_value, "({ int t = 2; t * 3; })");
    EXPECT_EQ(type_of("buf")->bound, "__builtin_offsetof(structpt,y)+1");
    EXPECT_NE(table_.lookup_symbol("after", ""), nullptr);
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// A vector attribute makes a vector of the base type, for the declarator
// it belongs to only.
TEST_F(Declarations, VectorAttributesMakeVectors) {
    parse(
        "typedef float v4 __attribute__((vector_size (16), __may_alias__));\n"
        "typedef int __attribute__((__vector_size__(4 * sizeof(int)))) i4;\n"
        "v4 a, *p; float plain; struct m { v4 lanes; float f; } s;\n"
        "float __attribute__((vector_size(8))) direct, next;\n");
    ASSERT_TRUE(messages().empty()) << messages()[0];
    const TypeNode* a = c_resolve_type(type_of("a"));
    ASSERT_EQ(a->kind, TypeKind::vector);
    EXPECT_EQ(a->target->name, "float");
    EXPECT_EQ(a->bound, "16");
    EXPECT_EQ(c_resolve_type(symbol("i4")->type)->bound, "4*sizeof(int)");
    EXPECT_EQ(type_of("p")->kind, TypeKind::pointer);
    EXPECT_EQ(type_of("plain")->kind, TypeKind::floating);
    const TypeNode* m = c_lookup_tag("m", table_, TagKind::struct_tag);
    ASSERT_EQ(m->fields.size(), 2u);
    EXPECT_EQ(c_resolve_type(m->fields[0].symbol->type)->kind, TypeKind::vector);
    EXPECT_EQ(m->fields[1].symbol->type->kind, TypeKind::floating);
    EXPECT_EQ(image("a"), "v4 a;");
    EXPECT_EQ(image("direct"), "float __attribute__((__vector_size__(8))) direct;");
    EXPECT_EQ(type_of("next")->kind, TypeKind::floating);
}

}  // namespace
}  // namespace vx
