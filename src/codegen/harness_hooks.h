// The two seams between the script front end and the stages that sit
// beside it.
//
// HarnessHooks is the generation side: the statement handlers decide when
// a piece of the harness is due (the prologue at BEGIN, a service head at
// SERVICE, a test head at the first ELEMENT of a test, ...) and call the
// matching hook; the generators decide what text it is. The link records
// of blocks are written by the handlers themselves, so a hook receives the
// numbers of the "O" and "T" records it refers to. Every hook is called
// whether or not output is enabled at that moment (the generators keep
// their counters for excluded blocks too and write nothing while output is
// disabled).
//
// NativeAnalysis is the C analysis side: the C preprocessor and the
// declaration parser. The reader collects native C text, the dispatcher
// hands it over before each statement; a run without analysis has
// WithoutNativeAnalysis, which passes the text through and drops it, and
// knows no macro and no type.
#pragma once

#include "codegen/stub_records.h"
#include "codegen/variable_clause.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// A test whose header is due: its "T" record number (0 when no record was
// written), its name and ordinal in the service, its repetition
// expression (empty without LOOP / BOUCLE) and where its TEST statement is.
struct TestHead {
    int record_number = 0;
    std::string name;
    int ordinal = 0;
    std::string loop_expression;
    std::string file;  // the script of its TEST statement (absolute), empty when unknown
    long line = 0;
};

// A service being opened: its name (cut and made unique), its ordinal in
// the script and the C function name "SRV%d_%s".
struct ServiceHead {
    std::string name;
    int ordinal = 0;
    std::string function_name;
};

// A DEFINE STUB block at its END DEFINE: the name and the optional second
// word of the statement, the line it began on, and the native text
// collected inside the block (preprocessed); the script file it stands in.
struct StubDefinition {
    std::string name;
    std::string qualifier;
    long line = 0;
    std::string text;
    std::string file;
};

// What the C declarations say of a variable expression: its declaration
// image and value kind, whether it is a structure, and, for an aggregate,
// its scalar components in declaration order (members of structs, elements
// of arrays, nested), each with the expression a C programmer would write.
struct NativeComponent {
    std::string expression;
    std::string type_text;
    VariableKind kind = VariableKind::unknown;
    TypeFacts facts;
    bool read_only = false;  // const, or part of a const object
};

struct NativeVariable {
    bool found = false;
    std::string type_text;
    VariableKind kind = VariableKind::unknown;
    bool structure = false;
    bool array = false;
    // The object cannot be assigned: it is const, an array of const
    // elements, or part of a const object (a member of a const structure,
    // reached through a pointer to const ...).
    bool read_only = false;
    // An array declared without a bound ("extern int t[];"): it has no
    // size the harness could walk.
    bool unknown_bound = false;
    TypeFacts facts;
    std::vector<NativeComponent> components;
    // The first type of the variable or of its components that the runtime
    // has no value kind for (a 128-bit integer, an extended real), as C
    // text; empty when there is none.
    std::string unsupported_type;
    // What the analysis found wrong with the expression itself (an
    // assignment, a member selection that does not fit, an index out of
    // the array's bounds).
    std::vector<ValueFinding> findings;
    // For a slice ("buf[2..5]"), typed as an array of its elements: the C
    // text that names it, the address of its first element ("(&(buf)[2])").
    std::string slice_root;
};

// A value spread over the components of a variable: one text a component
// of the walk asked for (a brace list for an array taken whole), or the
// reason it does not fit.
struct NativeSpread {
    bool spread = false;
    std::vector<std::string> values;
    SpreadFailure failure;
};

// How variable_type lists the components of an aggregate: not at all,
// every scalar, or every scalar with arrays of scalars kept whole. For
// spread_value, "none" is an array taken whole as one component.
enum class ComponentWalk { none, scalars, whole_arrays };

// What the end-of-script checks compare the selection options with.
struct SelectionFacts {
    std::vector<std::string> services;  // every service name of the script
    std::vector<std::string> tests;     // every test name
    std::vector<std::string> families;  // every family name
    std::vector<std::string> generated_services;
    const std::vector<std::string>* include_services = nullptr;  // null: option not given
    const std::vector<std::string>* exclude_services = nullptr;
    const std::vector<std::string>* include_tests = nullptr;
    const std::vector<std::string>* exclude_tests = nullptr;
    const std::vector<std::string>* include_families = nullptr;
    const std::vector<std::string>* exclude_families = nullptr;
};

class HarnessHooks {
public:
    virtual ~HarnessHooks() = default;

    // BEGIN, explicit or implied: the prologue of the generated program.
    virtual void emit_prologue() = 0;
    // The first SERVICE that is generated: the stub service functions.
    virtual void emit_stub_services() = 0;
    // Every SERVICE: the head of its C function.
    virtual void emit_service_head(const ServiceHead& service) = 0;
    // The first TEST of a service, or END SERVICE of a service without
    // test: the service banner and number block.
    virtual void emit_service_banner(const ServiceHead& service) = 0;
    // The first ELEMENT of a service (or END TEST / END SERVICE when there
    // is none): the declaration of the service, numbered by its "O" record.
    virtual void emit_service_declaration(int record_number, std::string_view name) = 0;
    // The first ELEMENT of a test, or END TEST of a test without element.
    virtual void emit_test_head(const TestHead& test) = 0;
    // ELEMENT: begin_element comes first, before the service and test
    // headers due at a first element; emit_element_head after them.
    virtual void begin_element() = 0;
    // ELEMENT and END ELEMENT.
    virtual void emit_element_head(int ordinal) = 0;
    // The element's code from its variables, environments and stub uses.
    virtual void generate_element_code() = 0;
    virtual void emit_element_end() = 0;
    // END TEST and END SERVICE.
    virtual void emit_test_end() = 0;
    virtual void emit_service_end(const ServiceHead& service) = 0;
    // END DEFINE of a DEFINE STUB block.
    virtual void generate_stub_definition(const StubDefinition& stub) = 0;
    // A STUB statement of an element, or of an environment the element
    // uses: the calls expected of a stub, as the statement gives them.
    virtual void describe_stub_call(const StubCall& call) = 0;
    // The end of the script: the main function and the trailer, with what
    // the checks of the selection options compare, and the end of the
    // declarations file.
    virtual void emit_main(const SelectionFacts& facts) = 0;
    // A variable record of a VAR, ARRAY or STR statement, added to the
    // current element or, for `in_environment`, to the open environment.
    virtual void add_variable(const VariableClause& clause, bool in_environment) = 0;
    // END ELEMENT, before generate_element_code: one variable record of an
    // environment the element uses, already instantiated with the USE
    // arguments, in the order the uses apply (outer levels first). The
    // generator places its initialisation before the element's own code and
    // drops it when the element names the same variable itself.
    virtual void add_environment_variable(const VariableClause& clause) = 0;
};

class NativeAnalysis {
public:
    virtual ~NativeAnalysis() = default;

    // Runs native text through the C preprocessor as if read from `file`
    // from line `first_line` on; returns the preprocessed text.
    virtual std::string preprocess(std::string_view text, std::string_view file,
                                   long first_line) = 0;
    // Analyses preprocessed text as C declarations in a scope: the name of
    // the current service, empty outside any.
    virtual void analyse_declarations(std::string_view text, std::string_view scope) = 0;
    // Whether the preprocessor defines the macro; nullopt while no
    // preprocessor exists (the -DEFINE identifiers are used instead).
    virtual std::optional<bool> macro_defined(std::string_view name) = 0;
    // Writes the symbol listing of -SYMBTAB, with the services of the script
    // in order, when one was asked for.
    virtual void write_symbol_listing(const std::vector<std::string>& services) = 0;
    // Whether the type table knows a base type of that name; nullopt while
    // no type table exists (the C base type names are used instead).
    virtual std::optional<bool> base_type(std::string_view name) = 0;
    // The C type of a variable expression, searched from the scope (the
    // current service's name, empty outside any) outwards, with its scalar
    // components when `components` asks for them; nullopt while no type
    // table exists.
    virtual std::optional<NativeVariable> variable_type(std::string_view expression,
                                                        std::string_view scope,
                                                        ComponentWalk components) = 0;
    // The values of the components of a variable for one INIT or EV value
    // (preprocessed), in the order variable_type gives them with the same
    // walk; nullopt while no type table exists or the variable is unknown.
    virtual std::optional<NativeSpread> spread_value(std::string_view expression,
                                                     std::string_view scope,
                                                     ComponentWalk components,
                                                     std::string_view value) = 0;
    // The values of the scalar components of a value of a C type named
    // `root` (a stub parameter), as spread_value gives them for a
    // variable (with `compound_literal`, a component the list leaves out
    // has an empty text: it is zero); nullopt while no type table exists.
    virtual std::optional<NativeSpread> spread_typed_value(const TypeNode* type,
                                                           const std::string& root,
                                                           std::string_view value,
                                                           bool compound_literal) = 0;
    // An array's list whose indexes are not all constants, as one
    // expression of the loop counters I1, I2 ... that walk the array
    // (the value of the element they reach); nullopt when the list does
    // not give one, or without analysis.
    virtual std::optional<std::string> array_value_expression(std::string_view expression,
                                                              std::string_view scope,
                                                              std::string_view value) = 0;
    // What makes one value (preprocessed) unfit for a scalar of that kind;
    // nothing while no analysis exists.
    virtual std::vector<ValueFinding> check_value(std::string_view text, VariableKind kind,
                                                  const TypeFacts& facts,
                                                  std::string_view scope) = 0;
    // The folded value of a numeric constant; nullopt without analysis.
    virtual std::optional<NumericValue> numeric_value(std::string_view text) = 0;
    // The functions declared by the preprocessed text of a DEFINE STUB
    // block, in the order of the text; none while no declaration parser
    // exists.
    virtual StubDeclarations stub_declarations(std::string_view text) = 0;
    // The end of the generated program: conditionals still open are
    // reported and the macros of the analysed code forgotten.
    virtual void finish() = 0;
};

// The answers of a run without C analysis: native text passes through
// unchanged and is dropped, and no macro, type or value is known.
class WithoutNativeAnalysis : public NativeAnalysis {
public:
    std::string preprocess(std::string_view text, std::string_view file, long first_line) override;
    void analyse_declarations(std::string_view text, std::string_view scope) override;
    std::optional<bool> macro_defined(std::string_view name) override;
    void write_symbol_listing(const std::vector<std::string>& services) override;
    std::optional<bool> base_type(std::string_view name) override;
    std::optional<NativeVariable> variable_type(std::string_view expression, std::string_view scope,
                                                ComponentWalk components) override;
    std::optional<NativeSpread> spread_value(std::string_view expression, std::string_view scope,
                                             ComponentWalk components,
                                             std::string_view value) override;
    std::optional<NativeSpread> spread_typed_value(const TypeNode* type, const std::string& root,
                                                   std::string_view value,
                                                   bool compound_literal) override;
    std::optional<std::string> array_value_expression(std::string_view expression,
                                                      std::string_view scope,
                                                      std::string_view value) override;
    std::vector<ValueFinding> check_value(std::string_view text, VariableKind kind,
                                          const TypeFacts& facts, std::string_view scope) override;
    std::optional<NumericValue> numeric_value(std::string_view text) override;
    StubDeclarations stub_declarations(std::string_view text) override;
    void finish() override;
};

}  // namespace vx
