#include "diag/catalogue.h"

#include "diag/message_code.h"

#include <QCoreApplication>
#include <QString>

#include <iterator>

namespace vx {

namespace {

constexpr MessageRegistration registrations[] = {
#define VX_MESSAGE(table, code, context, source, comment) \
    {CatalogueTable::table, #code, context, source, comment},
#define VX_MESSAGE_AGAIN VX_MESSAGE
#include "diag/messages.def"
#undef VX_MESSAGE_AGAIN
#undef VX_MESSAGE
};

constexpr std::string_view code_names[] = {
#define VX_MESSAGE(table, code, context, source, comment) #code,
#define VX_MESSAGE_AGAIN(table, code, context, source, comment)
#include "diag/messages.def"
#undef VX_MESSAGE_AGAIN
#undef VX_MESSAGE
};

constexpr UnraisedMessage unraised[] = {
#define VX_UNRAISED(code, reason) {#code, reason},
#include "diag/unraised_messages.def"
#undef VX_UNRAISED
};

}  // namespace

std::string_view message_code_name(MessageCode code) {
    auto index = static_cast<std::size_t>(code);
    return index < std::size(code_names) ? code_names[index] : std::string_view{};
}

std::span<const MessageRegistration> message_registrations() {
    return {std::begin(registrations), std::end(registrations)};
}

std::span<const UnraisedMessage> unraised_messages() {
    return {std::begin(unraised), std::end(unraised)};
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
