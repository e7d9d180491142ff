// Records of the report description, in the order the run meets them.
#include "codegen/report_description.h"

#include "support/text.h"

#include "codegen/output/banner.h"

namespace vx {

namespace {

constexpr int identifier_step = 4;
constexpr int message_offset = 10;
constexpr int item_offset = 11;
constexpr int result_offset = 12;
constexpr int service_section = 9;
constexpr int stub_section = 3;

std::string in_quotes(std::string_view text) { return "\"" + quoted_text(text) + "\""; }

std::string identifier(int number, int offset) {
    return std::to_string(identifier_step * number + offset);
}

}  // namespace

ReportDescriptionNames report_description_names(std::string_view tsf_option,
                                                std::string_view script_path,
                                                std::string_view script_file_name) {
    std::size_t slash = tsf_option.rfind('/');
    std::string directory = slash == std::string_view::npos
                                ? std::string("./")
                                : std::string(tsf_option.substr(0, slash + 1));
    std::string_view name =
        slash == std::string_view::npos ? tsf_option : tsf_option.substr(slash + 1);
    std::size_t dot = name.rfind('.');
    std::string base(name.substr(0, dot));
    std::string extension = dot == std::string_view::npos || dot + 1 == name.size()
                                ? std::string(report_description_extension)
                                : std::string(name.substr(dot + 1));
    std::string report_name = base + "." + std::string(report_extension);
    return {directory + base + "." + extension, std::string(script_path),
            std::string(script_file_name), directory + report_name, report_name};
}

void ReportDescription::put(const std::string& record) { file_.write_line(record); }

void ReportDescription::open(Reporter& reporter, const RunFiles& files,
                             const ReportDescriptionNames& names, std::string_view log_path,
                             const BannerText& banner) {
    names_ = names;
    file_ = create_output(reporter, files, names.path, log_path);
    write_banner(file_, names.path, report_banner_start, "", banner);
    put("DB " + in_quotes(report_database_name));
    put("SO " + in_quotes(names.script_path) + " 000 \"txt\"");
    put("IN \"File\" 9 " + in_quotes(names.script_file_name));
    put("TX 4 \"Parameters OK\"");
    put("TX 5 \"Test Parameters Failed\"");
}

void ReportDescription::summary_service(std::string_view name, int number, long line) {
    if (!is_open()) {
        return;
    }
    put("SI " + std::to_string(service_section));
    put("IN \"VXUS\" " + identifier(number, item_offset) + " " + in_quotes(name));
    put("LK " + std::to_string(line));
    put("MS " + identifier(number, message_offset) + " " + in_quotes(name));
    service_number_ = number;
}

void ReportDescription::summary_test(std::string_view name, int number, long line) {
    if (!is_open()) {
        return;
    }
    put("SI " + identifier(service_number_, item_offset));
    put("IN \"VXUT\" " + identifier(number, item_offset) + " " +
        in_quotes("Test " + std::string(name)));
    put("LK " + std::to_string(line));
    put("MS " + identifier(number, message_offset) + " " + in_quotes(name));
    tests_.emplace_back(number, line);
}

void ReportDescription::summary_stub_block(std::string_view name, long line) {
    if (!is_open()) {
        return;
    }
    if (!stubs_described_) {
        put("SI " + std::to_string(service_section));
        put("IN \"VXUB\" " + std::to_string(stub_section) + " \"Stubs\"");
        stubs_described_ = true;
    }
    ++stub_counter_;
    put("LK " + std::to_string(line));
    put("SI " + std::to_string(stub_section));
    put("IN \"VXUB\" " + std::to_string(stub_counter_) + " " + in_quotes(name));
    put("SI " + std::to_string(stub_counter_));
}

void ReportDescription::summary_stub(std::string_view name, int number, long line) {
    if (!is_open()) {
        return;
    }
    put("LK " + std::to_string(line));
    put("MS " + identifier(number, message_offset) + " " + in_quotes(name));
    stub_counter_ = identifier_step * number + message_offset;
}

void ReportDescription::close(bool errors) {
    if (!is_open()) {
        return;
    }
    if (errors) {
        file_.close(false);
        return;
    }
    put("ID 1 0");
    put("ED");
    put("DB " + in_quotes(report_database_name));
    put("SO " + in_quotes(names_.report_path) + " 000 \"xrd\"");
    put("IN \"File\" 9 " + in_quotes(names_.report_name));
    put("LK 1");
    put("TX 6 \"Errors detected\"");
    for (const auto& [number, line] : tests_) {
        put("LK \"Test" + std::to_string(line) + "\"");
        put("TX " + identifier(number, result_offset) + " \"Test result\"");
    }
    put("ID 2 0");
    put("ED");
    file_.close(true);
}

}  // namespace vx
