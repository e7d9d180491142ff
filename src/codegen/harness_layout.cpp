#include "codegen/harness_layout.h"

#include <algorithm>

#include "diag/reporter.h"
#include "support/numbers.h"
#include "support/text.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace vx {

namespace {

constexpr const char* main_usage_names[main_usage_count] = {
    "EDV_BOOLEAN_C", "EDV_CHAR_C",    "EDV_DOUBLE_C",   "EDV_FLOAT_C",    "EDV_INTEGER_C",
    "EDV_POINTER_C", "EDV_STR_C",     "EDV_UNSIGNED_C", "PTU_BOOLEAN_C",  "PTU_CHAR_C",
    "PTU_DOUBLE_C",  "PTU_FLOAT_C",   "PTU_INTEGER_C",  "PTU_UNSIGNED_C", "INI_STR_C",
    "CHRONO_MUET_C", "COMP_STR_C",    "DCL_FAC_REP_C",  "MUET_CHECK",     "OPEN_BRA_C",
    "RUPT ",         "CONCAT_STR_C ",
};
constexpr const char* typed_usage_names[typed_usage_count] = {
    "BOOLEAN_C", "CHAR_C", "DOUBLE_C", "FLOAT_C", "INTEGER_C", "POINTER_C", "STR_C", "UNSIGNED_C",
};
constexpr const char* usage_prefix = "ZQZQUSE_";

constexpr const char* num_test_guard = "#ifdef NEEDS_NUM_TEST_OPE";
constexpr const char* num_test_guard_end = "#endif /*NEEDS_NUM_TEST_OPE*/";

bool is_identifier(std::string_view text) {
    if (text.empty() || std::isdigit(static_cast<unsigned char>(text.front()))) {
        return false;
    }
    for (char c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '$') {
            return false;
        }
    }
    return true;
}

// A floating constant or a character or string literal: values a
// repetition count cannot take.
bool non_integer_literal(std::string_view text) {
    return !text.empty() &&
           (text.front() == '"' || text.front() == '\'' || floating_constant(text));
}

}  // namespace

void UsageCounters::count_use(Usage usage) {
    int index = static_cast<int>(usage);
    ++main_[index];
    if (index < typed_usage_count) {
        if (array_mark_) {
            ++array_[index];
        }
        if (constant_mark_) {
            ++constant_[index];
        }
    }
    array_mark_ = false;
    constant_mark_ = false;
}

std::vector<UsageCount> UsageCounters::lines() const {
    std::vector<UsageCount> lines;
    for (int i = 0; i < typed_usage_count; ++i) {
        lines.push_back({std::string(usage_prefix) + main_usage_names[i], main_[i]});
        lines.push_back({std::string(usage_prefix) + "ARRAY_" + typed_usage_names[i], array_[i]});
        lines.push_back(
            {std::string(usage_prefix) + "CONSTANT_" + typed_usage_names[i], constant_[i]});
    }
    for (int i = typed_usage_count; i < main_usage_count; ++i) {
        lines.push_back({std::string(usage_prefix) + main_usage_names[i], main_[i]});
    }
    return lines;
}

HarnessLayout::HarnessLayout(HarnessSettings settings, OutputSession& session)
    : session_(session),
      settings_(std::move(settings)),
      fold_(fold_mode_for(settings_.tested_language)),
      stubs_(StubSettings{settings_.kr, settings_.no_edit, fold_, settings_.tested_language},
             usage_, session) {}

void HarnessLayout::write(std::string_view text) { session_.write_line(text); }

std::string HarnessLayout::function_head(std::string_view name) const {
    return "void " + std::string(name) + (settings_.kr ? "()" : "(void)");
}

std::string loop_counter(int k) { return "_vx_J" + std::to_string(k); }
std::string loop_bound(int k) { return "_vx_N" + std::to_string(k); }
std::string array_counter(int k) { return "_vx_I" + std::to_string(k); }

std::string HarnessLayout::harness_declarations() {
    std::string text = "extern ZQZQ_LOOPVAR_T ";
    for (int i = 1; i <= declared_loop_counters; ++i) {
        text += loop_counter(i) + "," + loop_bound(i) + ",";
    }
    for (int i = 1; i <= declared_array_counters; ++i) {
        text += array_counter(i) + (i < declared_array_counters ? "," : "; ");
    }
    return text +
           "unsigned int _vx_call_order[STUB_CALL_IDX_MAX];\n"
           "unsigned int _vx_call_order_Idx;";
}

void HarnessLayout::emit_prologue() {
    if (prologue_written_) {
        return;
    }
    prologue_written_ = true;
    session_.open_section(SectionKind::main_prologue);
    session_.open_section(SectionKind::main_epilogue);
    write("#ifndef USE_VXU");
    write("#define USE_VXU 1");
    write("#endif");
    write("#ifndef VXL_CPLUSPLUS_LANGUAGE");
    write("#define VXL_CPLUSPLUS_LANGUAGE 0");
    write("#endif");
    write("/* PROGRAM " + comment_text(settings_.program_name) + "*/");
    write("#include " + settings_.runtime_include);
    write("#include \"" + settings_.declarations_include + "\"");
    write("");
    constexpr const char* type_macros[][2] = {
        {"vxu_integer", "long"},
        {"vxu_unsigned", "unsigned long"},
        {"vxu_pointer", "char *"},
        {"vxu_charstring", "char *"},
    };
    for (const auto& macro : type_macros) {
        write(std::string("#ifndef ") + macro[0]);
        write(std::string("#define ") + macro[0] + " " + macro[1]);
        write("#endif");
        write("");
    }
    if (settings_.sql) {
        write("#include " + settings_.sql_include);
    }
}

void HarnessLayout::emit_stub_services() {
    if (stub_services_written_ || !session_.output_enabled()) {
        return;
    }
    stub_services_written_ = true;
    stubs_.note_service_functions_written();
    write(function_head("_vx_check_muets"));
    write("{");
    for (const std::string& line : stubs_.check_lines()) {
        session_.write_folded(line, fold_);
    }
    // The stubs defined after this point, which the declarations file
    // names at the end of the run.
    write(StubGenerator::late_checks_macro);
    session_.write_folded("EDV_MUET_CHECK(0,0);", fold_);
    usage_.count_use(Usage::muet_check);
    write("}");
    write(function_head("_vx_init_muets"));
    write("{");
    for (const char* line :
         {"#ifndef VXU_GLOBAL_STUB_INITIALISED", "#define VXU_GLOBAL_STUB_INITIALISED(X) (X)",
          "#endif", "#ifndef STUBINACTIVE", "#define STUBINACTIVE = -1", "#endif",
          "#ifndef VXU_GLOBAL_STUB_INIT", "#define VXU_GLOBAL_STUB_INIT", "#endif",
          "#ifndef VXU_GLOBAL_STUB_INITIALISE", "#define VXU_GLOBAL_STUB_INITIALISE", "#endif",
          "VXU_GLOBAL_STUB_INITIALISE"}) {
        session_.write_declaration(line, FoldMode::never);
    }
    write("VXU_GLOBAL_STUB_INIT");
    write("#ifdef STUB_CALL_IDX_MAX");
    write(
        "/* when STUB_CALL_IDX_MAX is defined vxu.c declare _vx_call_order_Idx and "
        "_vx_call_order[] */");
    write(
        "   for(_vx_call_order_Idx=0; _vx_call_order_Idx<STUB_CALL_IDX_MAX; "
        "_vx_call_order_Idx++)");
    write("      _vx_call_order[_vx_call_order_Idx]=0;");
    write("#endif");
    for (const std::string& line : stubs_.init_lines()) {
        session_.write_folded_test_level(line, fold_);
    }
    write(StubGenerator::late_inits_macro);
    write("}");
}

void HarnessLayout::emit_service_head(std::string_view function_name) {
    if (!session_.output_enabled()) {
        return;
    }
    service_functions_.emplace_back(function_name);
    write("void " + std::string(function_name) + (settings_.kr ? " () { " : " (void) { "));
}

void HarnessLayout::emit_service_banner(std::string_view service_name, int service_ordinal) {
    write("/* BEGIN  SERVICE " + comment_text(service_name) + " */");
    write(num_test_guard);
    write("NUM_OPERATION = " + std::to_string(service_ordinal) + ";");
    write(num_test_guard_end);
}

void HarnessLayout::list_test(int record_number, std::string_view test_name, std::string_view file,
                              long line) {
    if (settings_.no_edit || record_number <= 0 || !session_.output_enabled()) {
        return;
    }
    test_entries_.push_back("VXU_TEST_ENTRY(" + std::to_string(record_number) + ", \"" +
                            c_string_text(listed_service_) + "\", \"" + c_string_text(test_name) +
                            "\", \"" + c_string_text(file) + "\", " + std::to_string(line) + ")");
}

void HarnessLayout::emit_service_declaration(int record_number, std::string_view service_name) {
    if (settings_.no_edit) {
        return;
    }
    listed_service_ = service_name;
    session_.write_folded(
        "DCL_OP_C(" + std::to_string(record_number) + ", \"" + c_string_text(service_name) + "\");",
        fold_);
}

void HarnessLayout::emit_service_end(std::string_view service_name) {
    write("}/* END SERVICE " + comment_text(service_name) + "*/");
}

void HarnessLayout::emit_test_head(int record_number, std::string_view test_name, int test_ordinal,
                                   std::string_view loop_expression, int repetition_record) {
    loop_variables_in_test_ = 0;
    test_repeated_ = false;
    run_factors_.clear();
    if (test_open_ || !session_.output_enabled()) {
        return;
    }
    session_.open_section(SectionKind::test_pair);
    test_open_ = true;
    ++generated_tests_;
    if (!settings_.no_edit) {
        // The whole test, its loops included, runs under the runtime's
        // isolation: in a child process, which the harness survives.
        session_.write_loop_head("if (VXU_TEST_BEGIN_C(" + std::to_string(record_number) + ")) {",
                                 FoldMode::never);
    }
    if (!settings_.no_edit) {
        session_.write_folded("DCL_TST_C(" + std::to_string(record_number) + ", \"" +
                                  c_string_text(test_name) + "\");",
                              fold_);
    }
    write(num_test_guard);
    write("NUM_TEST = " + std::to_string(test_ordinal) + ";");
    write(num_test_guard_end);

    if (loop_expression.empty()) {
        return;
    }
    long long count = 0;
    bool constant = integer_constant(loop_expression, count);
    if (!constant && !is_identifier(loop_expression) && non_integer_literal(loop_expression)) {
        session_.reporter().error(msg::TYPBOUCLE, loop_expression);
        return;
    }
    if (constant && count < 1) {
        session_.reporter().error(msg::VALBOUCER, loop_expression);
        return;
    }
    test_repeated_ = true;
    if (constant) {
        open_test_loop(loop_expression);
        return;
    }
    // A count the script computes is taken once, before the first run:
    // what the code under test writes to it cannot change how many runs
    // there are.
    const int k = take_loop_variable();
    session_.write_loop_head(loop_bound(k) + " = (" + std::string(loop_expression) + ");",
                             FoldMode::never);
    if (!settings_.no_edit) {
        session_.write_loop_head(
            "DCL_FAC_REP_C(" + std::to_string(repetition_record) + "," + loop_bound(k) + ");",
            FoldMode::never);
        usage_.count_use(Usage::dcl_fac_rep);
    }
    write_counted_loop_head(k, loop_bound(k));
    run_factors_.push_back("R" + std::to_string(repetition_record));
}

void HarnessLayout::write_counted_loop_head(int k, std::string_view count) {
    const std::string j = loop_counter(k);
    session_.write_loop_head(
        "for (" + j + " = 1 ; " + j + "<=" + std::string(count) + ";" + j + "++ ){", fold_);
}

void HarnessLayout::add_run_factor(std::string factor) {
    run_factors_.push_back(std::move(factor));
}

void HarnessLayout::emit_test_end() {
    if (!test_open_) {
        return;
    }
    if (test_repeated_) {
        session_.write_test_close("}");
    }
    session_.write_test_close("VXU_END_TEST_C();");
    if (!settings_.no_edit) {
        session_.write_test_close("VXU_TEST_DONE_C(); }");
    }
    session_.flush_section(SectionKind::test_pair);
    test_open_ = false;
    test_repeated_ = false;
    // The runs the test promises: the product of its loops' counts, those
    // known only at run time named by their "R" records.
    std::string runs;
    for (const std::string& factor : run_factors_) runs += (runs.empty() ? "" : "*") + factor;
    session_.records().write_record("E22 " + (runs.empty() ? std::string("1") : runs));
    run_factors_.clear();
}

void HarnessLayout::open_element() {
    if (!session_.output_enabled()) {
        return;
    }
    session_.open_section(SectionKind::element_pair);
}

void HarnessLayout::emit_element_start() {
    if (!settings_.no_edit) {
        session_.write_folded("START_CHRONO_C();", fold_);
    }
    session_.write_folded("_vx_init_muets();", fold_);
    // The stub tables of the element are placed here at its end.
    session_.mark_element_head();
    if (!settings_.no_edit) {
        session_.write_element_close("STOP_CHRONO_C();", fold_);
        session_.write_element_close("_vx_check_muets();", fold_);
    }
}

void HarnessLayout::emit_element_end() {
    // Each entry of a stub's table is placed at the line of its STUB
    // statement.
    stubs_.end_element([&](const std::string& line, const StubEntry* entry) {
        std::optional<SourceScope> from_script;
        if (entry != nullptr) {
            from_script.emplace(session_.output(), session_.records().script_path(entry->file),
                                entry->line);
        }
        session_.write_element_head(line,
                                    !line.empty() && line.front() == '#' ? FoldMode::never : fold_);
    });
    if (!settings_.no_edit) {
        // After every check of the element: the report tells an element
        // that ran to its end from one its code left early.
        session_.write_element_close("VXU_END_ELEMENT_C();", fold_);
    }
    session_.flush_section(SectionKind::element_pair);
}

namespace {

bool listed(const std::vector<std::string>& names, std::string_view name) {
    std::string wanted = upper_copy(name);
    for (const auto& n : names) {
        if (upper_copy(n) == wanted) {
            return true;
        }
    }
    return false;
}

void print_list(const char* heading, const std::vector<std::string>& names) {
    std::printf("%s\n", heading);
    for (const auto& name : names) {
        std::printf("   %s\n", name.c_str());
    }
}

// Reports every selection name that matches nothing; true when one did.
bool check_selection(Reporter& reporter, MessageCode code, const std::vector<std::string>& known,
                     std::initializer_list<const std::vector<std::string>*> lists) {
    bool missing = false;
    for (const auto* list : lists) {
        if (list == nullptr) {
            continue;
        }
        for (const auto& name : *list) {
            if (!listed(known, name)) {
                reporter.warning(code, name);
                missing = true;
            }
        }
    }
    return missing;
}

}  // namespace

void HarnessLayout::emit_main(const SelectionFacts& facts) {
    write("#ifdef ZQZQ_MAIN_HEADER");
    write(" ZQZQ_MAIN_HEADER");
    write("#else");
    if (settings_.kr) {
        write("int main(argc, argv)");
        write("int argc;");
        write("char ** argv;");
    } else {
        write("int main(int argc, char ** argv)");
    }
    write("{");
    write("#endif");
    write("   VXU_INIT_DATA");
    const std::string traces = c_string_text(settings_.traces_path);
    if (!settings_.no_edit) {
        write("   VXU_COMMAND_LINE");
        write("OPF_C(\"" + traces + "\");");
        write("");
    }
    write("#pragma vexor testing_tool_call_place");
    session_.flush_section(SectionKind::main_prologue);
    if (facts.services.empty()) {
        session_.reporter().error(msg::PROG_VIDE, "");
    }
    for (const auto& function : service_functions_) {
        write(function + "();");
    }
    session_.flush_section(SectionKind::main_epilogue);
    if (!settings_.no_edit) {
        write("CLF_C(\"" + traces + "\");");
        write("");
    }
    write("");
    write("#ifdef ZQZQ_MAIN_RETURN");
    write(" ZQZQ_MAIN_RETURN");
    write("#else");
    write(" return(0);");
    write("#endif");
    write("");
    write("}/* end " + comment_text(settings_.program_name) + " */");
    write("");
    write("VXU_TRACES_FILE(\"" + traces + "\")");
    write("");
    if (!settings_.no_edit) {
        // The tests the harness's command line lists and selects.
        write("VXU_TESTS_BEGIN");
        for (const std::string& entry : test_entries_) {
            write(entry);
        }
        write("VXU_TESTS_END");
        write("");
    }

    if (generated_tests_ == 0) {
        session_.reporter().error(msg::PROGXVIDE, "");
    }
    if (check_selection(session_.reporter(), msg::OPER_INEX, facts.services,
                        {facts.include_services, facts.exclude_services})) {
        print_list("liste totale des services ", facts.services);
        print_list("liste des services en exclusion ",
                   facts.exclude_services ? *facts.exclude_services : std::vector<std::string>{});
        print_list("liste des services en inclusion ",
                   facts.include_services ? *facts.include_services : std::vector<std::string>{});
        print_list("liste des services a executer ", facts.generated_services);
    }
    check_selection(session_.reporter(), msg::TEST_INEX, facts.tests,
                    {facts.include_tests, facts.exclude_tests});
    if (check_selection(session_.reporter(), msg::FAMI_INEX, facts.families,
                        {facts.include_families, facts.exclude_families})) {
        print_list("liste totale des familles ", facts.families);
        print_list("liste en exclusion, des familles ",
                   facts.exclude_families ? *facts.exclude_families : std::vector<std::string>{});
        print_list("liste en inclusion, des familles ",
                   facts.include_families ? *facts.include_families : std::vector<std::string>{});
    }
    std::fflush(stdout);
}

void HarnessLayout::emit_declarations_end() {
    auto declare = [this](const std::string& line) {
        session_.write_declaration(line, FoldMode::never);
    };
    for (const std::string& line : stubs_.size_lines()) {
        declare(line);
    }
    if (stub_services_written_) {
        for (const std::string& line : stubs_.late_declaration_lines()) declare(line);
    }
    const auto& all = stubs_.stubs();
    if (std::any_of(all.begin(), all.end(), [](const Stub& s) { return s.no_return; })) {
        // How a stub of a function that does not return ends its test: by
        // the runtime (as the code under test calling exit would), unless the
        // harness is built with its own. The harness includes no C library
        // header for it, whose names could clash with the unit's.
        declare("#ifndef VXU_STUB_NO_RETURN");
        declare("#define VXU_STUB_NO_RETURN(stub) vxu_stub_no_return(stub)");
        declare("#endif");
    }
    declare("#ifdef STUB_CALL_IDX_MAX");
    declare("static " + stubs_.call_order_type() + " _vx_call_order[STUB_CALL_IDX_MAX];");
    declare("unsigned int _vx_call_order_Idx;");
    declare(
        "#define STUB_CALL_ORDER(stubID) if(_vx_call_order_Idx<STUB_CALL_IDX_MAX) "
        "_vx_call_order[_vx_call_order_Idx++]=stubID;");
    declare("#endif");
    declare("#define NB_MAX_J_PSEUDO " + std::to_string(max_j_));
    for (int i = 1; i <= max_j_; ++i) {
        declare("static ZQZQ_LOOPVAR_T " + loop_counter(i) + ";");
        declare("static ZQZQ_LOOPVAR_T " + loop_bound(i) + ";");
    }
    declare("#define NB_MAX_I_PSEUDO " + std::to_string(max_i_));
    for (int i = 1; i <= max_i_; ++i) {
        declare("static ZQZQ_LOOPVAR_T " + array_counter(i) + ";");
    }
}

int HarnessLayout::open_test_loop(std::string_view count) {
    const int k = take_loop_variable();
    write_counted_loop_head(k, count);
    // The factor is written in decimal, whatever the script's notation.
    long long value = 0;
    add_run_factor(integer_constant(count, value) ? std::to_string(value) : std::string(count));
    return k;
}

int HarnessLayout::take_loop_variable() {
    ++loop_variables_in_test_;
    if (loop_variables_in_test_ > max_j_) {
        max_j_ = loop_variables_in_test_;
    }
    return loop_variables_in_test_;
}

void HarnessLayout::note_array_variables(int count) {
    if (count > max_i_) {
        max_i_ = count;
    }
}

}  // namespace vx
