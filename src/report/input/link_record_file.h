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
// "E11 n path" names script file n.
#pragma once

#include "report/input/failure.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::report {

inline constexpr char banner_mark = '*';
inline constexpr char continuation_mark = '&';

struct ScriptLocation {
    long file = -1;  // -1: unknown
    long line = 0;
    bool known() const { return file >= 0; }
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

class LinkRecordFile {
public:
    std::vector<LinkRecord> records;

    // The numbered record of that number, or nullptr.
    const LinkRecord* numbered(long number) const;
    // The service ("O") record that the test record of that number belongs to.
    const LinkRecord* service_of_test(long test_number) const;
    // The element ("B") records of a test, in order.
    std::vector<const LinkRecord*> elements_of_test(long test_number) const;
    // Path of script file n from its "E11" record, empty when unknown.
    std::string script_path(long file) const;
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

    // Called by the reader once all records are in.
    void index();

private:
    std::map<long, std::size_t> by_number_;
    std::map<long, std::size_t> service_of_test_;
    std::map<long, std::vector<std::size_t>> elements_;
    std::map<long, std::string> scripts_;
    std::vector<std::string> stubs_;
    std::map<long, std::string> stub_records_;
    std::map<long, std::vector<std::size_t>> stub_statements_;  // by element record number
    std::map<long, std::vector<std::pair<long, std::string>>> stub_outputs_;  // by stub number
};

std::optional<Failure> parse_link_records(std::string_view content, LinkRecordFile& out);

}  // namespace vx::report
