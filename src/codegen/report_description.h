// The report description (-TSF): a description of the run in the record
// language of the result viewer.
//
// It opens with a banner whose lines begin with "US " and a few fixed
// records naming the script; every service and test whose header is
// written adds its records, with identifiers derived from their link
// record numbers (4n + 10, 4n + 11, 4n + 12); stub blocks and stubs add
// theirs. At the end of a run without error the closing records are added
// (a second document naming the .xrd report, and one result entry per
// test) and the file is kept; after a run with errors it is deleted.
//
// Texts inside double quotes have every "\"" and "\\" preceded by a
// backslash.
#pragma once

#include "codegen/output/output_file.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx {

class Reporter;
class RunFiles;

struct BannerText;

inline constexpr std::string_view report_database_name = "Plumbrook-Glimser";
inline constexpr std::string_view report_banner_start = "US ";

// The names the report description needs.
struct ReportDescriptionNames {
    std::string path;              // the -TSF file, normalised
    std::string script_path;       // the script, as shown in the "SO" record
    std::string script_file_name;  // the script's file name without directory
    std::string report_path;       // directory + base + ".xrd"
    std::string report_name;       // base + ".xrd"
};

inline constexpr std::string_view report_description_extension = "tsf";
inline constexpr std::string_view report_extension = "xrd";

// The names of a report description from the -TSF value: its directory
// ("./" when it has none), base name and extension ("tsf" when it has none)
// give the file T + B + "." + extension, the report path T + B + ".xrd" and
// the report name B + ".xrd".
ReportDescriptionNames report_description_names(std::string_view tsf_option,
                                                std::string_view script_path,
                                                std::string_view script_file_name);

class ReportDescription {
public:
    ReportDescription() = default;
    ReportDescription(const ReportDescription&) = delete;
    ReportDescription& operator=(const ReportDescription&) = delete;

    // Creates the file, logs it, writes its banner and opening records
    // (`open_summary_file`).
    void open(Reporter& reporter, const RunFiles& files, const ReportDescriptionNames& names,
              std::string_view log_path, const BannerText& banner);
    bool is_open() const { return file_.is_open(); }

    void summary_service(std::string_view name, int number, long line);
    void summary_test(std::string_view name, int number, long line);
    void summary_stub_block(std::string_view name, long line);
    void summary_stub(std::string_view name, int number, long line);

    // Writes the closing records and keeps the file, or deletes it when the
    // run had errors.
    void close(bool errors);
    void discard() noexcept { file_.discard(); }

private:
    void put(const std::string& record);

    OutputFile file_;
    ReportDescriptionNames names_;
    int service_number_ = 0;
    std::vector<std::pair<int, long>> tests_;
    int stub_counter_ = 0;
    bool stubs_described_ = false;
};

}  // namespace vx
