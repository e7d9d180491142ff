// The type table: name spaces in 10 x 10 buckets with a hash index beside
// them, shared type constructions, and the lookups the compiler calls.
#include "canalysis/types/type_table.h"

#include "support/numbers.h"

#include <algorithm>

namespace vx {

int TypeTable::bucket_of(std::string_view name) {
    unsigned sum = 0;
    for (char c : name) sum += static_cast<unsigned char>(c);
    int row = static_cast<int>(sum % table_grid_size);
    int column = static_cast<int>(name.size() % table_grid_size);
    return row * table_grid_size + column;
}

TypeNode* TypeTable::new_node(TypeKind kind) {
    TypeNode& node = nodes_.make();
    node.kind = kind;
    return &node;
}

TypeNode* TypeTable::integer_type(std::string_view name, int width, bool is_char) {
    auto key = std::make_tuple(std::string(name), width, is_char);
    auto it = integers_.find(key);
    if (it != integers_.end()) return it->second;
    TypeNode* node = new_node(TypeKind::integer);
    node->name = name;
    node->width = width;
    node->is_char = is_char;
    integers_.emplace(std::move(key), node);
    return node;
}

TypeNode* TypeTable::floating_type(std::string_view name) {
    std::string key(name);
    auto it = floatings_.find(key);
    if (it != floatings_.end()) return it->second;
    TypeNode* node = new_node(TypeKind::floating);
    node->name = key;
    floatings_.emplace(key, node);
    return node;
}

TypeNode* TypeTable::wide_integer_type(std::string_view name, int width) {
    auto key = std::make_pair(std::string(name), width);
    auto it = wide_integers_.find(key);
    if (it != wide_integers_.end()) return it->second;
    TypeNode* node = new_node(TypeKind::wide_integer);
    node->name = name;
    node->width = width;
    wide_integers_.emplace(std::move(key), node);
    return node;
}

TypeNode* TypeTable::extended_real_type(std::string_view name) {
    std::string key(name);
    auto it = extended_reals_.find(key);
    if (it != extended_reals_.end()) return it->second;
    TypeNode* node = new_node(TypeKind::extended_real);
    node->name = key;
    extended_reals_.emplace(key, node);
    return node;
}

TypeNode* TypeTable::vector_of(TypeNode* element, std::string_view size) {
    TypeNode* node = new_node(TypeKind::vector);
    node->target = element;
    node->bound = size;
    return node;
}

TypeNode* TypeTable::void_type() {
    if (!void_) void_ = new_node(TypeKind::void_type);
    return void_;
}

namespace {

std::string joined(const std::vector<std::string>& words) {
    std::string out;
    for (const auto& w : words) {
        out += w;
        out += ' ';
    }
    return out;
}

}  // namespace

TypeNode* TypeTable::pointer_to(TypeNode* target, const std::vector<std::string>& qualifiers) {
    const NodeWord key{target,
                       qualifiers.empty() ? word_number({}) : word_number(joined(qualifiers))};
    auto it = pointers_.find(key);
    if (it != pointers_.end()) return it->second;
    TypeNode* node = new_node(TypeKind::pointer);
    node->target = target;
    node->qualifiers = qualifiers;
    pointers_.emplace(key, node);
    return node;
}

TypeNode* TypeTable::array_of(TypeNode* element, std::string_view bound) {
    const NodeWord key{element, word_number(bound)};
    auto it = arrays_.find(key);
    if (it != arrays_.end()) return it->second;
    TypeNode* node = new_node(TypeKind::array);
    node->target = element;
    node->bound = bound;
    // A bound written as a number is the length; an expression's value is
    // the declaration analysis's to give.
    long long number = 0;
    if (integer_constant(bound, number) && number > 0) node->length = number;
    arrays_.emplace(key, node);
    return node;
}

TypeNode* TypeTable::qualified(std::string_view word, TypeNode* target) {
    const NodeWord key{target, word_number(word)};
    auto it = qualifieds_.find(key);
    if (it != qualifieds_.end()) return it->second;
    TypeNode* node = new_node(TypeKind::qualified);
    node->name = word;
    node->target = target;
    qualifieds_.emplace(key, node);
    return node;
}

TypeNode* TypeTable::named_type(std::string_view name, TypeNode* target, std::string_view scope) {
    const NodeWord key{nullptr, std::uint64_t{word_number(name)} << 32 | word_number(scope)};
    auto it = nameds_.find(key);
    if (it != nameds_.end()) {
        // A typedef declared again (or in another scope) stands for its
        // latest type.
        it->second->target = target;
        return it->second;
    }
    TypeNode* node = new_node(TypeKind::named);
    node->name = name;
    node->target = target;
    nameds_.emplace(key, node);
    return node;
}

Symbol* TypeTable::new_symbol() { return &symbols_.make(); }

std::string_view TypeTable::file_name(std::string_view name) {
    return file_names_.intern(name).text;
}

const TypeTable::NameRecord* TypeTable::record_of(std::string_view name) const {
    const InternedName* interned = names_.find(name);
    return interned == nullptr || interned->id >= records_.size() ? nullptr
                                                                  : &records_[interned->id];
}

TypeTable::NameRecord& TypeTable::record_for(std::string_view name) {
    const std::uint32_t id = names_.intern(name).id;
    if (id >= records_.size()) {
        records_.resize(id + 1);
    }
    return records_[id];
}

void TypeTable::enter_symbol(Symbol* symbol) {
    ordinary_[static_cast<std::size_t>(bucket_of(symbol->name))].push_back(symbol);
    record_for(symbol->name).symbols.push_back(symbol);
}

namespace {

// The newest of the symbols whose scope is `scope`.
Symbol* newest_in_scope(const std::vector<Symbol*>& list, std::string_view scope) {
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if ((*it)->scope == scope) return *it;
    }
    return nullptr;
}

}  // namespace

Symbol* TypeTable::lookup_exact(std::string_view name, std::string_view scope) const {
    const NameRecord* record = record_of(name);
    return record == nullptr ? nullptr : newest_in_scope(record->symbols, scope);
}

Symbol* TypeTable::lookup_symbol(std::string_view name, std::string_view scope) const {
    const NameRecord* record = record_of(name);
    if (record == nullptr) return nullptr;
    if (Symbol* s = newest_in_scope(record->symbols, scope)) return s;
    if (!scope.empty()) return newest_in_scope(record->symbols, "");
    return nullptr;
}

Symbol* TypeTable::global_typedef(std::string_view name) const {
    Symbol* s = lookup_exact(name, "");
    if (s && (s->storage & storage_typedef)) return s;
    if (!s && secondary_) return secondary_->global_typedef(name);
    return nullptr;
}

bool TypeTable::remove_symbol(std::string_view name, std::string_view scope) {
    Symbol* s = lookup_exact(name, scope);
    if (!s) return false;
    auto& bucket = ordinary_[static_cast<std::size_t>(bucket_of(name))];
    bucket.erase(std::find(bucket.begin(), bucket.end(), s));
    auto& list = record_for(name).symbols;
    list.erase(std::find(list.begin(), list.end(), s));
    return true;
}

namespace {

TypeKind kind_of(TagKind kind) {
    switch (kind) {
        case TagKind::struct_tag:
            return TypeKind::struct_type;
        case TagKind::union_tag:
            return TypeKind::union_type;
        case TagKind::enum_tag:
            return TypeKind::enum_type;
    }
    return TypeKind::struct_type;
}

}  // namespace

TypeNode* TypeTable::lookup_tag(std::string_view tag, TagKind kind) const {
    const NameRecord* record = record_of(tag);
    if (record == nullptr) return nullptr;
    TypeKind wanted = kind_of(kind);
    for (auto t = record->tags.rbegin(); t != record->tags.rend(); ++t) {
        if ((*t)->kind == wanted) return *t;
    }
    return nullptr;
}

void TypeTable::enter_tag(TypeNode* type) {
    tags_[static_cast<std::size_t>(bucket_of(type->name))].push_back(type);
    record_for(type->name).tags.push_back(type);
}

void TypeTable::enter_enumerator(const EnumerationConstant& constant) {
    enumerators_[static_cast<std::size_t>(bucket_of(constant.name))].push_back(constant);
    NameRecord& record = record_for(constant.name);
    if (record.enumerator == nullptr) {
        record.enumerator = &enumerator_records_.make();
    }
    *record.enumerator = constant;
}

const EnumerationConstant* TypeTable::lookup_enumerator(std::string_view name) const {
    const NameRecord* record = record_of(name);
    return record == nullptr ? nullptr : record->enumerator;
}

// ---- operations ----------------------------------------------------------------

Symbol* c_find_symbol(std::string_view name, const TypeTable& table, std::string_view scope) {
    if (Symbol* s = table.lookup_symbol(name, scope)) return s;
    if (table.secondary()) return c_find_symbol(name, *table.secondary(), scope);
    return nullptr;
}

TypeNode* c_lookup_tag(std::string_view tag, const TypeTable& table, TagKind kind) {
    if (TypeNode* t = table.lookup_tag(tag, kind)) return t;
    if (table.secondary()) return c_lookup_tag(tag, *table.secondary(), kind);
    return nullptr;
}

const EnumerationConstant* c_lookup_enumerator(std::string_view name, const TypeTable& table) {
    if (const auto* e = table.lookup_enumerator(name)) return e;
    if (table.secondary()) return c_lookup_enumerator(name, *table.secondary());
    return nullptr;
}

TypeNode* c_complete_type(const TypeNode* type, const TypeTable& table) {
    if (!type) return nullptr;
    switch (type->kind) {
        case TypeKind::struct_type:
        case TypeKind::union_type:
        case TypeKind::enum_type: {
            if (type->name.empty())
                return type->complete || type->kind == TypeKind::enum_type
                           ? const_cast<TypeNode*>(type)
                           : nullptr;
            TagKind kind = type->kind == TypeKind::struct_type  ? TagKind::struct_tag
                           : type->kind == TypeKind::union_type ? TagKind::union_tag
                                                                : TagKind::enum_tag;
            TypeNode* found = c_lookup_tag(type->name, table, kind);
            if (found && (found->complete || found->kind == TypeKind::enum_type)) return found;
            return nullptr;
        }
        case TypeKind::named: {
            if (Symbol* s = c_find_symbol(type->name, table, "")) {
                if (s->storage & storage_typedef) return s->type ? s->type->target : nullptr;
            }
            return type->target;
        }
        default:
            return nullptr;
    }
}

}  // namespace vx
