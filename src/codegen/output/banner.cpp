// Drawing the banner box line by line.
#include "codegen/output/banner.h"

#include "codegen/output/folding.h"
#include "codegen/language_tables.h"
#include "codegen/output/output_file.h"
#include "support/text.h"

#include <cstdlib>

namespace vx {

namespace {

struct BannerLabels {
    std::string_view tool;
    std::string_view command;
    std::string_view file;
    std::string_view date;
};

constexpr BannerLabels french_labels = {"OUTIL", "COMMANDE", "FICHIER", "DATE"};
constexpr BannerLabels english_labels = {"TOOL", "COMMAND", "FILE", "DATE"};

std::string padded(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) {
        out.resize(width, ' ');
    }
    return out;
}

class BannerBuilder {
public:
    BannerBuilder(std::string_view start, std::string_view end) : start_(start), end_(end) {}

    void full() { put(std::string(banner_width, '*')); }
    void blank() { put("*" + std::string(banner_width - 2, ' ') + "*"); }
    void boxed(std::string_view content) {
        // Text from outside (the command line, file names) must not end
        // the comment the banner is drawn in.
        std::vector<std::string> pieces = cut_banner_text(comment_text(content));
        put("* " + padded(pieces.front(), banner_content_width) + " *");
        for (std::size_t i = 1; i < pieces.size(); ++i) {
            put("*   " + padded(pieces[i], banner_continuation_pad) + " *");
        }
    }
    std::vector<std::string> take() { return std::move(lines_); }

private:
    void put(const std::string& body) {
        lines_.push_back(std::string(start_) + body + std::string(end_));
    }

    std::string_view start_;
    std::string_view end_;
    std::vector<std::string> lines_;
};

std::string labelled(std::string_view label, std::string_view value) {
    return std::string(label) + " : " + std::string(value);
}

}  // namespace

std::vector<std::string> file_banner(const BannerText& text, std::string_view file,
                                     std::string_view comment_start, std::string_view comment_end,
                                     bool suppress_lines) {
    const BannerLabels& labels =
        text.script_language == script_language_gb ? english_labels : french_labels;
    BannerBuilder box(comment_start, comment_end);
    box.full();
    box.boxed(labelled(labels.tool, "Unit Test Compiler VERSION " + std::string(tool_version)));
    if (!suppress_lines) {
        box.blank();
    }
    box.boxed(labelled(labels.command, text.command));
    box.blank();
    if (!suppress_lines) {
        box.boxed(labelled(labels.file, file));
    }
    box.blank();
    box.boxed(labelled(labels.date, text.date));
    box.full();
    return box.take();
}

void write_banner(OutputFile& output, std::string_view file, std::string_view comment_start,
                  std::string_view comment_end, const BannerText& text) {
    for (const std::string& line :
         file_banner(text, file, comment_start, comment_end, text.suppress_lines)) {
        output.write_line(line);
    }
}

}  // namespace vx
