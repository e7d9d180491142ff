// The link record file: one line per fact, so that the report tools can tie
// what the harness prints at run time back to the script.
//
// A record is a kind followed by its fields. Numbered records ("O", "S",
// "C", "X", "Q", "T", "R", "F", "B", "D", "I", "V"/"A", "U", "P", "L") put
// the running `record_number` right after the kind letter and add one to
// it; the harness uses the same numbers in its DCL_ calls and in the "0+n"
// references of its trace and check macros. Location records are
// "E" + code + " " + script file number + " " + line. A record longer than
// 132 characters is continued on lines of "&" and at most 131 characters.
//
// Callers test `output_enabled` themselves for records of generated blocks.
//
// Headers of services, tests and families are written lazily, at their
// first element or at the end of their block: comments and requirements
// met before are kept in pending lists and written right after the header
// record, with the following numbers. With NOEDIT those kept "S", "C" and
// "Q" records of services and tests are left out (and take no number).
//
// When a report description is attached, writing a service or test header
// also describes it there.
#pragma once

#include "codegen/output/output_file.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class Reporter;
class RunFiles;

struct BannerText;
class ReportDescription;

inline constexpr std::string_view unknown_target = "indefinie";
inline constexpr int first_record_number = 1;
// The version suffix of the "E5  " record: three characters, the first two
// of them digits, of a name of at least four characters.
inline constexpr std::size_t version_suffix_length = 3;

// The fields of the run records that follow the opening ones.
struct RunRecordFields {
    std::string run_date;       // "H0 "
    std::string target_option;  // "E7 ": the -TARGET value, empty when not given
    bool sql_mode = false;      // "E20 " only for CSQL
    std::string dbms_name;      // "E20 "
    int tested_language = 3;    // "E9 " word
    std::string language_name;  // "E9 " after the word: "C" or "CSQL"
    std::string script_path;    // "E6  " base name of the main script
    std::string source_path;    // "E4  " and "E5  ": the -SOURCE file, empty when none
};

// Location records, by their code.
enum class LocationKind : int {
    variable = 12,   // VAR / ARRAY / STR
    element = 14,    // ELEMENT
    stub_call = 15,  // stub calls checked in an element
    test = 16,       // TEST
    service = 17,    // SERVICE
};

// The repetition of a TEST ("LOOP n"): an "R" record after the "T" record.
struct TestRepetition {
    bool present = false;
    bool constant = false;  // a constant count
    long long count = 0;
};

// The fields of the HEADER statement.
struct ModuleHeader {
    std::string module;         // first field: "E1 "
    std::string version_field;  // second field
    std::string third;          // third field (may be empty)
    std::string fourth;         // fourth field: "E10 "
    std::string found_version;  // version found in the source file, empty when none
};

// The layout of a variable record: letter + number + " " + variable +
// " RA=" + form + "," + initial + value.
struct VariableRecord {
    char letter = 'V';     // "V", or "A" for the record of a whole array
    std::string variable;  // the variable text
    std::string form;      // record_form(...)
    std::string initial;   // init_value(...), init_range(...) or init_none()
    std::string value;     // expected_*(...)
};

// Display formats of a variable record's form.
enum class DisplayFormat : char {
    hexadecimal = 'H',
    decimal = 'D',
    binary = 'B',
    unsigned_decimal = 'U',
    sized_signed = 'D',    // followed by the size
    sized_unsigned = 'U',  // followed by the size
    enumeration = 'Y',     // followed by the enum type number
    floating = 'F',        // followed by the precision
    exponent = 'E',        // followed by the precision
};

// "FORM=" + kind letter ("N" or "C") + format letter + digits.
std::string record_form(char kind_letter, DisplayFormat format, std::string_view digits = {});
std::string init_value(std::string_view value);                              // "INIT=" + value
std::string init_range(std::string_view range);                              // "INIT=FROM" + range
std::string init_none();                                                     // "INIT=? ,"
std::string expected_value(std::string_view value);                          // " VA=" + value
std::string expected_value(std::string_view value, std::string_view delta);  // with " +/- "
std::string expected_range(std::string_view min, std::string_view max);      // " VA=min<=VA<=max"
std::string expected_list(std::size_t count, std::string_view list);         // " VA IN (n) list"
std::string expected_none();                                                 // " VA=?"

// One enumerator of a C enumeration type, for the "Y" records.
struct EnumeratorRecord {
    std::string name;
    std::string value;  // the value as text
};

// The three forms of stub parameter records ("L").
enum class StubParameterForm { integer, floating, other };

// The "E6  "/"E4  " base name of a path: its file name cut before the first
// "."; and the "E5  " version suffix of such a name.
std::string record_base_name(std::string_view path);
std::string version_suffix(std::string_view base_name);

class LinkRecords {
public:
    LinkRecords(Reporter& reporter, const RunFiles& files, bool no_edit);
    LinkRecords(const LinkRecords&) = delete;
    LinkRecords& operator=(const LinkRecords&) = delete;

    // Creates the file (replacing an existing one), logs it and writes the
    // banner with empty comment delimiters.
    void open(const std::string& path, std::string_view log_path, const BannerText& banner);
    bool is_open() const { return file_.is_open(); }
    const std::string& path() const { return file_.path(); }
    // Closes the file; deletes it instead when `keep` is false (a run with
    // errors).
    void close(bool keep);
    void discard() noexcept { file_.discard(); }

    void attach_report_description(ReportDescription* description) { description_ = description; }

    // The last record: "Z" + the number of lines before it + " " + the
    // compilation's stamp. A reader takes a file without it, or whose count
    // differs, for a file cut short.
    void write_end_record(std::string_view stamp);

    // Appends one record (folded past 132 characters), unless paused.
    void write_record(std::string_view text);

    // The next number to be taken; numbered records take it and add one.
    int record_number() const { return record_number_; }
    int take_record_number() { return record_number_++; }
    // kind + number + " " + text; returns the number.
    int write_numbered(char kind, std::string_view text);

    // Header records of the run: "E11 0 " + absolute script path and "C0 " +
    // the -COMMAND value when given, else the command echo.
    void write_opening_records(std::string_view absolute_script_path,
                               std::string_view command_option, std::string_view command_echo);
    // "H0 ", "E7 ", "E20 " (CSQL), "E8 ", "E9 ", "E6  ", "E4  ", "E5  ".
    void write_run_records(const RunRecordFields& fields);

    // Script files: the file number used in location records (0 for the
    // main script); an included script is announced with "E11 n path" and
    // gets the next number, which is returned.
    int current_file_number() const { return current_file_; }
    // The absolute path of script file `number` ("E11" record), empty when
    // unknown.
    const std::string& script_path(int number) const;
    void set_current_file_number(int number) { current_file_ = number; }
    int announce_included_script(std::string_view absolute_path);
    // "E23 " + file number + " " + size + " " + the FNV-1a 64-bit hash of the
    // script's bytes (16 hexadecimal digits), after its "E11" record: the
    // report quotes a script's lines only from the file compiled. Nothing
    // when the file cannot be read.
    void write_script_identity(int number, std::string_view path);

    // "E" + code + " " + file number + " " + line.
    void write_location(LocationKind kind, long line);
    // "I" + number + " " + file: a file the script depends on.
    int write_dependency(std::string_view file);
    // "E1 ", "E2 ", "E10 ", "E0 " of the HEADER statement; raises
    // "MISMNUVER" when the found version and the HEADER field differ.
    void write_module_header(const ModuleHeader& header);
    // SERVICE_TYPE: "E3 " before the first service (once), kept for a
    // pending service header, else "S" at once inside a service.
    void write_service_type(std::string_view text);

    // Blocks. begin_* write the location record and make the header
    // pending; write_*_header write the header record and the kept
    // records and return the header's number (its existing number when
    // already written).
    void begin_service(std::string_view name, long line);
    bool service_header_pending() const { return service_pending_; }
    int write_service_header();
    void end_service();

    void begin_test(std::string_view name, long line, TestRepetition repetition = {});
    bool test_header_pending() const { return test_pending_; }
    int write_test_header();
    void end_test();
    int current_test_number() const { return test_number_; }

    void begin_family(std::string_view text);
    bool family_header_pending() const { return family_pending_; }
    int write_family_header();
    void end_family();

    // COMMENT and REQUIREMENT: kept for a pending header or written at once
    // ("C" inside a test or a service before its first test, "X"
    // elsewhere; "Q"). Returns the record number, 0 when kept.
    int write_comment(std::string_view text);
    int write_requirement(std::string_view text);

    // "E14 " location and "B" + number + " " + ordinal.
    int write_element(long line, int ordinal);
    // "D" + number + " " + current test number + " " + text.
    int write_data_item(std::string_view text);
    // "E12 " location and the variable record; returns its number.
    int write_variable(long line, const VariableRecord& record);
    // Stub records: "E15 " + "U" + number + "  " + text, "P" + number,
    // "L" + number + " " + name + form, "M0".
    int write_stub_call(long line, std::string_view text);
    int write_stub_parameter_group();
    int write_stub_parameter(std::string_view name, StubParameterForm form);
    // A STUB statement of the element: "E15 file line", then "J" + stub
    // number + " " + first call + " " + last call + " " + the statement as
    // written, so that the report can show it beside the checks of those
    // calls.
    void write_stub_statement(long line, int stub_number, long first, long last,
                              std::string_view text);
    // What a stub gives back, after its "L" records: "N" + the position of
    // an output or input-output parameter in the stub's list (from 1) +
    // " " + its name, and "N0 return" for the value a function returns, so
    // that the report can show what the STUB statements gave back.
    void write_stub_output(int position, std::string_view name);
    void write_stub_end();

    // The number of an enumeration type, given at its first use; the first
    // use outside a pause describes it: "Y" + n + " " + type name, one
    // "Y" + value + " " + enumerator each, "Y0 0".
    int enum_type_number(std::string_view type_name,
                         const std::vector<EnumeratorRecord>& enumerators);

private:
    void write_kept(const std::vector<std::string>& texts, char kind);

    Reporter& reporter_;
    const RunFiles& files_;
    bool no_edit_;
    OutputFile file_;
    ReportDescription* description_ = nullptr;
    int record_number_ = first_record_number;
    int current_file_ = 0;
    int next_file_ = 1;
    std::vector<std::string> script_paths_;  // by file number
    void remember_script(int number, std::string_view path);

    bool service_seen_ = false;
    bool service_type_record_written_ = false;
    bool in_service_ = false;
    bool service_has_test_ = false;
    bool service_pending_ = false;
    std::string service_name_;
    long service_line_ = 0;
    int service_number_ = 0;
    std::optional<std::string> service_type_;
    std::vector<std::string> service_comments_;
    std::vector<std::string> service_requirements_;

    bool in_test_ = false;
    bool test_pending_ = false;
    std::string test_name_;
    long test_line_ = 0;
    int test_number_ = 0;
    TestRepetition repetition_;
    std::vector<std::string> test_comments_;
    std::vector<std::string> test_requirements_;

    bool family_pending_ = false;
    std::string family_text_;
    int family_number_ = 0;
    std::vector<std::string> family_comments_;

    struct EnumType {
        int number = 0;
        bool described = false;
    };
    std::map<std::string, EnumType, std::less<>> enum_types_;
};

}  // namespace vx
