// Reader of the link record file (.tdc) written by vexorprepro.
//
// The file starts with a banner (lines beginning with "*"), then holds one
// record a line: a kind letter, a number written right after it, one blank
// and the text. A record longer than 132 characters goes on over lines that
// begin with "&"; those are joined back to the record they continue.
//
// Numbered records (services "O", tests "T", elements "B", variables "V",
// arrays "A", stub parameters "L", ...) carry the running number that the
// harness passes to the runtime, so the traces name them by it. Location
// records ("E" + code + file + line) are not numbered: each numbered record
// keeps the location of its own statement (E17 for a service, E16 for a
// test, E14 for an element, E12 for a variable, E15 for stub calls), and
// "E11 n path" names script file n. Right after it, "E23 n size hash"
// tells what that file held when it was compiled: its size in bytes and
// the FNV-1a 64-bit hash of its bytes (16 lowercase hexadecimal digits).
// The report quotes a line of a script only from a file that still has
// that size and hash, so that a record naming another file (or a script
// edited since) never puts foreign text on a page.
//
// After the records of each test comes "E22 <product>", the number of
// times the test runs: factors joined by "*", each a decimal constant or
// "R" + the number of an "R" record whose count the harness traces at run
// time ("E22 1", "E22 3", "E22 2*R14").
//
// "E24 CODE message" names a statement of the script that the compiler
// dropped, cut short or changed, with the code and text of the warning that
// said so; the report gives no PASSED to such a script.
//
// The last line is the end record "Z <count> <stamp>": the number of
// physical lines before it (banner included) and the stamp of the
// compilation, 16 lowercase hexadecimal digits, which the harness of the
// same compilation writes at the top of its traces. A file without it,
// with a wrong count or with anything after it is cut or damaged, and is
// refused.
#pragma once

#include "report/input/failure.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::report {

inline constexpr char banner_mark = '*';
inline constexpr char continuation_mark = '&';
inline constexpr char end_record_mark = 'Z';
inline constexpr std::size_t stamp_digits = 16;
// "E24 CODE message": a statement of the script a warning of the compiler
// says was dropped, cut short or changed.
inline constexpr long dropped_statement_code = 24;

// True for a stamp as the compiler draws it: 16 lowercase hexadecimal digits.
bool is_stamp(std::string_view text);

// What a script held when it was compiled ("E23" record).
struct ScriptFingerprint {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
    bool operator==(const ScriptFingerprint&) const = default;
};

// The fingerprint of `content`, the whole text of a file.
ScriptFingerprint fingerprint_of(std::string_view content);

struct ScriptLocation {
    long file = -1;  // -1: unknown
    long line = 0;
    bool known() const { return file >= 0; }
    bool operator==(const ScriptLocation&) const = default;
};

struct LinkRecord {
    char kind = 0;       // 'O', 'T', 'V', 'E', ...
    long number = -1;    // running number; the code of an "E" record; -1 for none
    std::string text;    // after the number and its blank, continuations joined
    long file_line = 0;  // line of the record in the .tdc
    ScriptLocation location;
};

// The fields of a variable record ("V", "A", "L"): the variable text
// before " RA=", and the script's expected-value text after " VA" ("=2",
// "=1 +/- 0.5", "IN (3) 1,2,3" ...), without its leading "=".
struct VariableText {
    std::string name;
    std::string expected;
};
VariableText split_variable_text(std::string_view text);

// True for the kinds whose records describe a traced or checked variable.
bool is_variable_kind(char kind);

// The number of runs of a test ("E22" record): the product of `constant`
// and of the counts traced for the "R" records `repetitions`.
struct RunProduct {
    long long constant = 1;
    std::vector<long> repetitions;
    std::string text;  // as the record writes it
};

class LinkRecordFile {
public:
    std::vector<LinkRecord> records;
    // The stamp of the end record.
    std::string stamp;

    // The numbered record of that number, or nullptr.
    const LinkRecord* numbered(long number) const;
    // The service ("O") record that the test record of that number belongs to.
    const LinkRecord* service_of_test(long test_number) const;
    // The element ("B") records of a test, in order.
    std::vector<const LinkRecord*> elements_of_test(long test_number) const;
    // The number of runs of the test of that record number, or nullptr.
    const RunProduct* runs_of_test(long test_number) const;
    // The element ("B" record number) a variable record ("V", "A") belongs
    // to: the last "B" record before it, when no "T" or "O" record comes
    // between them; 0 for none.
    long element_of_variable(long record_number) const;
    // The test ("T" record number) of an element record, 0 when unknown.
    long test_of_element(long element_number) const;
    // "element 2 (t.ptu:14)" for an element of `test`, "element 1 of test
    // \"t2\" (t.ptu:20)" for an element of another test.
    std::string element_text(long element_number, long test) const;
    // Path of script file n from its "E11" record, empty when unknown.
    std::string script_path(long file) const;
    // The paths of every script file ("E11" records), in file order.
    std::vector<std::string> script_paths() const;
    // What script file n held when it was compiled ("E23" record), or
    // nullptr when the link records do not say.
    const ScriptFingerprint* script_fingerprint(long file) const;
    // "file.ptu:12" for a known location, empty otherwise.
    std::string location_text(const ScriptLocation& location) const;
    // The base name of the main script ("E6" record).
    std::string script_base() const;

    // The name of stub number n (its "U" record is the n-th of the file),
    // and the name of the stub of a "U" record; empty when unknown.
    std::string stub_name(long stub_number) const;
    std::string stub_of_record(long record_number) const;

    // The STUB statement ("J" record) of the element of record number
    // `element` that describes call `call` of stub number `stub`, or
    // nullptr. Its text is "first last statement".
    const LinkRecord* stub_statement(long element, long stub, long call) const;
    // Every STUB statement ("J" record) of an element for stub number
    // `stub`, in order.
    std::vector<const LinkRecord*> stub_statements(long element, long stub) const;
    // What stub number `stub` gives back ("N" records): the position of
    // each output in its list of values (0 for the returned value) and its
    // name.
    std::vector<std::pair<long, std::string>> stub_outputs(long stub) const;

    // The COMMENT ("C") and REQUIREMENT ("Q") records of a service or a
    // test, by the number of its "O" or "T" record, in script order: those
    // of a service come before its first test, those of a test anywhere
    // among its records.
    std::vector<const LinkRecord*> notes_of(long owner) const;
    // An enumerated type of the "Y" records: each enumerator's value and name.
    using Enumeration = std::map<long, std::string>;
    // The type whose values the variable record `text` shows as enumerators
    // ("FORM=CY2": the type of the "Y2" records), or nullptr.
    const Enumeration* enumeration_of(std::string_view text) const;
    // The name of the enumerator of `value` (a decimal image), empty when
    // the type has none of that value.
    static std::string enumerator_name(const Enumeration& enumeration, std::string_view value);

    // Called by the reader once all records are in.
    void index();

private:
    std::map<long, std::size_t> by_number_;
    std::map<long, std::size_t> service_of_test_;
    std::map<long, std::vector<std::size_t>> elements_;
    std::map<long, std::string> scripts_;
    std::map<long, ScriptFingerprint> fingerprints_;  // by file number
    std::vector<std::string> stubs_;
    std::map<long, std::string> stub_records_;
    std::map<long, std::vector<std::size_t>> stub_statements_;  // by element record number
    std::map<long, std::vector<std::pair<long, std::string>>> stub_outputs_;  // by stub number
    std::map<long, RunProduct> runs_;                 // by test record number
    std::map<long, long> element_of_variable_;        // variable record -> "B" record
    std::map<long, long> test_of_element_;            // "B" record -> "T" record
    std::map<long, std::vector<std::size_t>> notes_;  // by "O" or "T" record number
    // The enumerated types the "Y" records describe, by type number: each
    // enumerator's value and name.
    std::map<long, Enumeration> enumerations_;
};

// Reads the factors of an "E22" record; an error text when they are not
// a product of constants and "R" records.
std::optional<std::string> read_run_product(std::string_view text, RunProduct& product);

std::optional<Failure> parse_link_records(std::string_view content, LinkRecordFile& out);

}  // namespace vx::report
