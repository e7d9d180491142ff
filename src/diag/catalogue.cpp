#include "diag/catalogue.h"

#include "diag/message_code.h"

#include <QCoreApplication>
#include <QString>

#include <iterator>

namespace vx {

namespace {

constexpr MessageRegistration registrations[] = {
#define VX_MESSAGE(table, code, severity, also, context, source, comment) \
    {CatalogueTable::table, #code, context, source, comment},
#define VX_MESSAGE_AGAIN VX_MESSAGE
#include "diag/messages.def"
#undef VX_MESSAGE_AGAIN
#undef VX_MESSAGE
};

constexpr std::string_view code_names[] = {
#define VX_MESSAGE(table, code, severity, also, context, source, comment) #code,
#define VX_MESSAGE_AGAIN(table, code, severity, also, context, source, comment)
#include "diag/messages.def"
#undef VX_MESSAGE_AGAIN
#undef VX_MESSAGE
};

// The severities of each code, from its first row: its own and the one
// other it may deliberately be raised at. The five levels are numbered as
// Severity numbers them.
namespace row {
enum Level { internal, fatal, error, warning, info, none };
}
static_assert(static_cast<int>(Severity::internal) == row::internal &&
              static_cast<int>(Severity::fatal) == row::fatal &&
              static_cast<int>(Severity::error) == row::error &&
              static_cast<int>(Severity::warning) == row::warning &&
              static_cast<int>(Severity::info) == row::info);
struct CodeSeverities {
    row::Level own;
    row::Level also;
};
constexpr CodeSeverities code_severities[] = {
#define VX_MESSAGE(table, code, severity, also, context, source, comment) \
    {row::severity, row::also},
#define VX_MESSAGE_AGAIN(table, code, severity, also, context, source, comment)
#include "diag/messages.def"
#undef VX_MESSAGE_AGAIN
#undef VX_MESSAGE
};

}  // namespace

std::string_view message_code_name(MessageCode code) {
    auto index = static_cast<std::size_t>(code);
    return index < std::size(code_names) ? code_names[index] : std::string_view{};
}

bool severity_allowed(MessageCode code, Severity severity) {
    const CodeSeverities& row = code_severities[static_cast<std::size_t>(code)];
    const int level = static_cast<int>(severity);
    return level == row.own || level == row.also;
}

bool warning_drops_statement(MessageCode code) {
    static constexpr MessageCode dropping[] = {
#define VX_DROPS(code, reason) MessageCode::code,
#include "diag/dropping_warnings.def"
#undef VX_DROPS
    };
    for (MessageCode listed : dropping) {
        if (listed == code) return true;
    }
    return false;
}

std::span<const MessageRegistration> message_registrations() {
    return {std::begin(registrations), std::end(registrations)};
}

TranslatedText translate(const char* context, const char* source, const char* comment) {
    if (context == nullptr) {
        return {QString::fromLatin1(source).toStdString()};
    }
    return {QCoreApplication::translate(context, source, comment).toStdString()};
}

TranslatedText TranslatedText::arg(std::string_view value) const {
    TranslatedText out;
    out.utf8.reserve(utf8.size() + value.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '%' && i + 1 < utf8.size() && utf8[i + 1] == '1') {
            out.utf8.append(value);
            ++i;
            continue;
        }
        out.utf8 += utf8[i];
    }
    return out;
}

std::string local_encoding(const TranslatedText& text) {
    return QString::fromStdString(text.utf8).toLocal8Bit().toStdString();
}

void MessageCatalogue::register_table(CatalogueTable table) {
    auto index = static_cast<int>(table);
    if (registered_[index]) {
        return;
    }
    registered_[index] = true;
    for (const auto& row : message_registrations()) {
        if (row.table != table) {
            continue;
        }
        texts_.insert_or_assign(row.code, translate(row.context, row.source, row.comment).utf8);
        std::string_view source = row.source;
        bool first = !source.starts_with("%1") && source.find("%1") != std::string_view::npos &&
                     source.find("%2") == std::string_view::npos;
        argument_first_.insert_or_assign(row.code, first);
        ++registrations_;
    }
}

void MessageCatalogue::register_all() {
    register_table(CatalogueTable::modbas);
    register_table(CatalogueTable::bibli);
    register_table(CatalogueTable::ana_c_cpp);
    register_table(CatalogueTable::prepro);
}

bool MessageCatalogue::argument_in_first_slot(std::string_view code) const {
    auto it = argument_first_.find(code);
    return it != argument_first_.end() && it->second;
}

const std::string* MessageCatalogue::find(std::string_view code) const {
    auto it = texts_.find(code);
    return it == texts_.end() ? nullptr : &it->second;
}

}  // namespace vx
