#include "diag/catalogue.h"

#include <QCoreApplication>

#include <iterator>

namespace vx {

namespace {

constexpr MessageRegistration registrations[] = {
#define VX_MESSAGE(table, code, context, source, comment) \
    {CatalogueTable::table, code, context, source, comment},
#include "diag/messages.def"
#undef VX_MESSAGE
};

}  // namespace

std::span<const MessageRegistration> message_registrations() {
    return {std::begin(registrations), std::end(registrations)};
}

QString translate(const char* context, const char* source, const char* comment) {
    if (context == nullptr) {
        return QString::fromLatin1(source);
    }
    return QCoreApplication::translate(context, source, comment);
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
        texts_.insert_or_assign(row.code, translate(row.context, row.source, row.comment));
        ++registrations_;
    }
}

void MessageCatalogue::register_all() {
    register_table(CatalogueTable::modbas);
    register_table(CatalogueTable::bibli);
    register_table(CatalogueTable::ana_c_cpp);
    register_table(CatalogueTable::prepro);
}

const QString* MessageCatalogue::find(std::string_view code) const {
    auto it = texts_.find(code);
    return it == texts_.end() ? nullptr : &it->second;
}

}  // namespace vx
