// Writing link records: numbering, folding, and the
// pending lists of lazily written headers.
#include "codegen/link_records.h"

#include "support/text.h"

#include "codegen/output/banner.h"
#include "codegen/output/folding.h"
#include "codegen/language_tables.h"
#include "codegen/report_description.h"
#include "diag/reporter.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>

namespace vx {

namespace {

constexpr std::string_view field_join = " , ";

constexpr std::array<std::string_view, 3> stub_parameter_forms = {
    " RA=FORM=CD64, INIT=, VA=",  // integer classes
    " RA=FORM=CH0, INIT=, VA=",   // floating class
    " RA=FORM=C, INIT=, VA=",     // the others
};

}  // namespace

std::string record_form(char kind_letter, DisplayFormat format, std::string_view digits) {
    std::string out = "FORM=";
    out += kind_letter;
    out += static_cast<char>(format);
    out += digits;
    return out;
}

std::string init_value(std::string_view value) { return "INIT=" + std::string(value); }
std::string init_range(std::string_view range) { return "INIT=FROM" + std::string(range); }
std::string init_none() { return "INIT=? ,"; }
std::string expected_value(std::string_view value) { return " VA=" + std::string(value); }
std::string expected_value(std::string_view value, std::string_view delta) {
    return " VA=" + std::string(value) + " +/- " + std::string(delta);
}
std::string expected_range(std::string_view min, std::string_view max) {
    return " VA=" + std::string(min) + "<=VA<=" + std::string(max);
}
std::string expected_list(std::size_t count, std::string_view list) {
    return " VA IN (" + std::to_string(count) + ") " + std::string(list);
}
std::string expected_none() { return " VA=?"; }

std::string record_base_name(std::string_view path) {
    std::size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(name.substr(0, name.find('.')));
}

std::string version_suffix(std::string_view base_name) {
    std::size_t size = base_name.size();
    if (size <= version_suffix_length || !is_digit(base_name[size - 3]) ||
        !is_digit(base_name[size - 2])) {
        return {};
    }
    return std::string(base_name.substr(size - version_suffix_length));
}

LinkRecords::LinkRecords(Reporter& reporter, const RunFiles& files, bool no_edit)
    : reporter_(reporter), files_(files), no_edit_(no_edit) {}

void LinkRecords::open(const std::string& path, std::string_view log_path,
                       const BannerText& banner) {
    file_ = create_output(reporter_, files_, path, log_path);
    write_banner(file_, path, "", "", banner);
}

void LinkRecords::close(bool keep) { file_.close(keep); }

void LinkRecords::write_end_record(std::string_view stamp) {
    file_.write_line("Z " + std::to_string(file_.lines_written()) + " " + std::string(stamp));
}

void LinkRecords::write_record(std::string_view text) {
    if (!file_.is_open()) {
        throw reporter_.internal(msg::ERRINTFCT, std::string_view("write_record"));
    }
    for (const std::string& line : fold_record(text)) {
        file_.write_line(line);
    }
}

int LinkRecords::write_numbered(char kind, std::string_view text) {
    int number = take_record_number();
    write_record(std::string(1, kind) + std::to_string(number) + " " + std::string(text));
    return number;
}

void LinkRecords::write_opening_records(std::string_view absolute_script_path,
                                        std::string_view command_option,
                                        std::string_view command_echo) {
    write_record("E11 0 " + std::string(absolute_script_path));
    remember_script(0, absolute_script_path);
    write_script_identity(0, absolute_script_path);
    write_record("C0 " + std::string(command_option.empty() ? command_echo : command_option));
}

void LinkRecords::write_run_records(const RunRecordFields& fields) {
    write_record("H0 " + fields.run_date);
    write_record("E7 " + (fields.target_option.empty() ? std::string(unknown_target)
                                                       : upper_copy(fields.target_option)));
    if (fields.sql_mode) {
        write_record("E20 " + fields.dbms_name);
    }
    write_record("E8 " + std::string(tool_version));
    write_record("E9 " + std::string(tested_language_word(fields.tested_language)) + " " +
                 fields.language_name);
    write_record("E6  " + record_base_name(fields.script_path));
    std::string source_base =
        fields.source_path.empty() ? std::string() : record_base_name(fields.source_path);
    write_record("E4  " + source_base);
    write_record("E5  " + version_suffix(source_base));
}

void LinkRecords::remember_script(int number, std::string_view path) {
    const auto index = static_cast<std::size_t>(number);
    if (script_paths_.size() <= index) script_paths_.resize(index + 1);
    script_paths_[index] = path;
}

const std::string& LinkRecords::script_path(int number) const {
    static const std::string unknown;
    const auto index = static_cast<std::size_t>(number);
    return number >= 0 && index < script_paths_.size() ? script_paths_[index] : unknown;
}

int LinkRecords::announce_included_script(std::string_view absolute_path) {
    int number = next_file_++;
    write_record("E11 " + std::to_string(number) + " " + std::string(absolute_path));
    remember_script(number, absolute_path);
    write_script_identity(number, absolute_path);
    return number;
}

void LinkRecords::write_script_identity(int number, std::string_view path) {
    if (path.empty()) return;
    std::ifstream in{std::string(path), std::ios::binary};
    if (!in) return;
    // FNV-1a, 64 bits: enough for the report to know the script it quotes
    // is the one compiled, not a file an edited record points at.
    std::uint64_t hash = fnv1a_64_basis;
    std::uint64_t size = 0;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const std::streamsize got = in.gcount();
        hash = fnv1a_64(std::string_view(buffer, static_cast<std::size_t>(got)), hash);
        size += static_cast<std::uint64_t>(got);
        if (!in) break;
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    write_record("E23 " + std::to_string(number) + " " + std::to_string(size) + " " + digits);
}

void LinkRecords::write_location(LocationKind kind, long line) {
    write_record("E" + std::to_string(static_cast<int>(kind)) + " " +
                 std::to_string(current_file_) + " " + std::to_string(line));
}

int LinkRecords::write_dependency(std::string_view file) { return write_numbered('I', file); }

void LinkRecords::write_module_header(const ModuleHeader& header) {
    std::string version = header.version_field;
    if (!header.found_version.empty()) {
        if (!header.version_field.empty() &&
            trimmed(header.found_version) != trimmed(header.version_field)) {
            reporter_.error(msg::MISMNUVER,
                            header.found_version + " / PTU : " + header.version_field);
        }
        version = header.found_version;
    }
    write_record("E1 " + header.module);
    write_record("E2 " + version);
    write_record("E10 " + header.fourth);

    std::string joined = header.module + std::string(field_join) + header.version_field;
    if (!header.third.empty()) {
        joined += std::string(field_join) + header.third;
    }
    joined += std::string(field_join) + header.fourth;
    write_record("E0 " + joined);
}

void LinkRecords::write_service_type(std::string_view text) {
    if (!in_service_) {
        if (!service_seen_ && !service_type_record_written_) {
            write_record("E3 " + std::string(text));
            service_type_record_written_ = true;
        }
        return;
    }
    if (service_pending_) {
        service_type_ = std::string(text);
        return;
    }
    write_numbered('S', text);
}

void LinkRecords::write_kept(const std::vector<std::string>& texts, char kind) {
    for (const std::string& text : texts) {
        write_numbered(kind, text);
    }
}

void LinkRecords::begin_service(std::string_view name, long line) {
    write_location(LocationKind::service, line);
    service_seen_ = true;
    in_service_ = true;
    service_has_test_ = false;
    service_pending_ = true;
    service_name_ = name;
    service_line_ = line;
    service_number_ = 0;
    service_type_.reset();
    service_comments_.clear();
    service_requirements_.clear();
}

int LinkRecords::write_service_header() {
    if (!service_pending_) {
        return service_number_;
    }
    service_pending_ = false;
    service_number_ = write_numbered('O', service_name_);
    if (!no_edit_) {
        if (service_type_) {
            write_numbered('S', *service_type_);
        }
        write_kept(service_comments_, 'C');
        write_kept(service_requirements_, 'Q');
    }
    service_type_.reset();
    service_comments_.clear();
    service_requirements_.clear();
    if (description_ != nullptr) {
        description_->summary_service(service_name_, service_number_, service_line_);
    }
    return service_number_;
}

void LinkRecords::end_service() {
    in_service_ = false;
    service_pending_ = false;
    service_type_.reset();
    service_comments_.clear();
    service_requirements_.clear();
}

void LinkRecords::begin_test(std::string_view name, long line, TestRepetition repetition) {
    write_location(LocationKind::test, line);
    in_test_ = true;
    service_has_test_ = true;
    test_pending_ = true;
    test_name_ = name;
    test_line_ = line;
    test_number_ = 0;
    repetition_ = repetition;
    test_comments_.clear();
    test_requirements_.clear();
}

int LinkRecords::write_test_header() {
    if (!test_pending_) {
        return test_number_;
    }
    test_pending_ = false;
    test_number_ = write_numbered('T', test_name_);
    if (repetition_.present) {
        bool counted = repetition_.constant && repetition_.count > 0;
        write_numbered('R', counted ? std::to_string(repetition_.count) : std::string("?"));
    }
    if (!no_edit_) {
        write_kept(test_comments_, 'C');
        write_kept(test_requirements_, 'Q');
    }
    test_comments_.clear();
    test_requirements_.clear();
    if (description_ != nullptr) {
        description_->summary_test(test_name_, test_number_, test_line_);
    }
    return test_number_;
}

void LinkRecords::end_test() {
    in_test_ = false;
    test_pending_ = false;
    test_comments_.clear();
    test_requirements_.clear();
}

void LinkRecords::begin_family(std::string_view text) {
    family_pending_ = true;
    family_text_ = text;
    family_number_ = 0;
    family_comments_.clear();
}

int LinkRecords::write_family_header() {
    if (!family_pending_) {
        return family_number_;
    }
    family_pending_ = false;
    family_number_ = write_numbered('F', family_text_);
    write_kept(family_comments_, 'C');
    family_comments_.clear();
    return family_number_;
}

void LinkRecords::end_family() {
    family_pending_ = false;
    family_comments_.clear();
}

int LinkRecords::write_comment(std::string_view text) {
    if (family_pending_) {
        family_comments_.emplace_back(text);
        return 0;
    }
    if (test_pending_) {
        test_comments_.emplace_back(text);
        return 0;
    }
    if (service_pending_) {
        service_comments_.emplace_back(text);
        return 0;
    }
    bool inside = in_test_ || (in_service_ && !service_has_test_);
    return write_numbered(inside ? 'C' : 'X', text);
}

int LinkRecords::write_requirement(std::string_view text) {
    if (test_pending_) {
        test_requirements_.emplace_back(text);
        return 0;
    }
    if (service_pending_) {
        service_requirements_.emplace_back(text);
        return 0;
    }
    return write_numbered('Q', text);
}

int LinkRecords::write_element(long line, int ordinal) {
    write_location(LocationKind::element, line);
    return write_numbered('B', std::to_string(ordinal));
}

int LinkRecords::write_data_item(std::string_view text) {
    return write_numbered('D', std::to_string(test_number_) + " " + std::string(text));
}

int LinkRecords::write_variable(long line, const VariableRecord& record) {
    write_location(LocationKind::variable, line);
    return write_numbered(record.letter, record.variable + " RA=" + record.form + "," +
                                             record.initial + record.value);
}

int LinkRecords::write_stub_call(long line, std::string_view text) {
    write_location(LocationKind::stub_call, line);
    int number = take_record_number();
    write_record("U" + std::to_string(number) + "  " + std::string(text));
    return number;
}

int LinkRecords::write_stub_parameter_group() {
    int number = take_record_number();
    write_record("P" + std::to_string(number));
    return number;
}

int LinkRecords::write_stub_parameter(std::string_view name, StubParameterForm form) {
    return write_numbered(
        'L', std::string(name) + std::string(stub_parameter_forms[static_cast<std::size_t>(form)]));
}

void LinkRecords::write_stub_statement(long line, int stub_number, long first, long last,
                                       std::string_view text) {
    write_location(LocationKind::stub_call, line);
    // One record, one line: a statement read over several lines is shown
    // on one.
    std::string shown(text);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < ' ') c = ' ';
    }
    write_record("J" + std::to_string(stub_number) + " " + std::to_string(first) + " " +
                 std::to_string(last) + " " + shown);
}

void LinkRecords::write_stub_output(int position, std::string_view name) {
    write_record("N" + std::to_string(position) + " " + std::string(name));
}

void LinkRecords::write_stub_end() { write_record("M0"); }

int LinkRecords::enum_type_number(std::string_view type_name,
                                  const std::vector<EnumeratorRecord>& enumerators) {
    auto found = enum_types_.find(type_name);
    if (found == enum_types_.end()) {
        int number = static_cast<int>(enum_types_.size()) + 1;
        found = enum_types_.emplace(std::string(type_name), EnumType{number, false}).first;
    }
    EnumType& type = found->second;
    if (!type.described) {
        write_record("Y" + std::to_string(type.number) + " " + std::string(type_name));
        for (const EnumeratorRecord& enumerator : enumerators) {
            write_record("Y" + enumerator.value + " " + enumerator.name);
        }
        write_record("Y0 0");
        type.described = true;
    }
    return type.number;
}

}  // namespace vx
