// The type table: every C type, typedef name, tag, enumeration constant,
// variable and function that the declaration analysis has found.
//
// Three name spaces (ordinary identifiers, tags, enumeration constants)
// and the list of anonymous structs, unions and enums. Each name space is
// a grid of 10 x 10 buckets, the bucket of a name being row (sum of its
// character codes) mod 10 and column (its length) mod 10; entries are kept
// in the order they were entered, and the listing walks them bucket by
// bucket. Lookups go through interned names beside the grid, so that a
// header set of thousands of symbols is looked up in constant time. A secondary
// table may be attached: what the table does not know is looked up there.
//
// The table owns its type nodes and symbols; they live as long as the table.
// Integer, pointer, array, named and qualified nodes are shared: asking for
// the same construction twice gives the same node.
#pragma once

#include "canalysis/types/c_types.h"
#include "support/arena.h"
#include "support/name_interner.h"
#include "support/text.h"

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace vx {

enum class TagKind { struct_tag, union_tag, enum_tag };

inline constexpr int table_grid_size = 10;

struct EnumerationConstant {
    std::string name;
    TypeNode* enum_type = nullptr;
    int index = 0;  // position in the enum's enumerator list, from 0
};

class TypeTable {
public:
    TypeTable() = default;
    TypeTable(const TypeTable&) = delete;
    TypeTable& operator=(const TypeTable&) = delete;

    // ---- node construction (shared constructions come back the same) ----
    TypeNode* integer_type(std::string_view name, int width, bool is_char);
    TypeNode* floating_type(std::string_view name);
    // The 128-bit integers and the extended reals (the kinds of c_types.h).
    TypeNode* wide_integer_type(std::string_view name, int width);
    TypeNode* extended_real_type(std::string_view name);
    // A vector of `element` of `size` bytes (a fresh node).
    TypeNode* vector_of(TypeNode* element, std::string_view size);
    TypeNode* void_type();
    TypeNode* pointer_to(TypeNode* target, const std::vector<std::string>& qualifiers = {});
    TypeNode* array_of(TypeNode* element, std::string_view bound);
    TypeNode* qualified(std::string_view word, TypeNode* target);
    // A fresh node of any kind (struct, union, enum and function nodes are
    // never shared).
    TypeNode* new_node(TypeKind kind);
    // The named-type node of a typedef name in a scope; asking again sets
    // the type it stands for.
    TypeNode* named_type(std::string_view name, TypeNode* target, std::string_view scope = {});

    // ---- symbols ----
    Symbol* new_symbol();
    // The table's copy of a source file name, for the symbols declared in
    // it: one copy per file, however many symbols, for the table's life.
    std::string_view file_name(std::string_view name);
    // Enters a symbol in the ordinary name space (at the tail of its bucket).
    void enter_symbol(Symbol* symbol);
    // The symbol of that name whose scope is `scope`; failing that, a global
    // symbol of that name; else null. This table only.
    Symbol* lookup_symbol(std::string_view name, std::string_view scope) const;
    // The symbol of that name with exactly that scope, or null.
    Symbol* lookup_exact(std::string_view name, std::string_view scope) const;
    bool remove_symbol(std::string_view name, std::string_view scope);
    // True when a global typedef of that name exists (here or in the
    // secondary table).
    Symbol* global_typedef(std::string_view name) const;

    // ---- tags ----
    TypeNode* lookup_tag(std::string_view tag, TagKind kind) const;
    void enter_tag(TypeNode* type);
    void enter_anonymous(TypeNode* type) { anonymous_.push_back(type); }
    const std::vector<TypeNode*>& anonymous_types() const { return anonymous_; }

    // ---- enumeration constants ----
    void enter_enumerator(const EnumerationConstant& constant);
    const EnumerationConstant* lookup_enumerator(std::string_view name) const;

    // ---- the secondary table ----
    void set_secondary(const TypeTable* secondary) { secondary_ = secondary; }
    const TypeTable* secondary() const { return secondary_; }

    // ---- walking in bucket order ----
    template <typename F>
    void for_each_symbol(F&& visit) const {
        for (const auto& bucket : ordinary_) {
            for (Symbol* s : bucket) visit(*s);
        }
    }
    template <typename F>
    void for_each_tag(F&& visit) const {
        for (const auto& bucket : tags_) {
            for (TypeNode* t : bucket) visit(*t);
        }
    }

private:
    static int bucket_of(std::string_view name);

    // The nodes and symbols live as long as the table: made a block at a
    // time, never moved.
    Arena<TypeNode> nodes_;
    Arena<Symbol> symbols_;

    std::array<std::vector<Symbol*>, table_grid_size * table_grid_size> ordinary_;
    std::array<std::vector<TypeNode*>, table_grid_size * table_grid_size> tags_;
    std::array<std::vector<EnumerationConstant>, table_grid_size * table_grid_size> enumerators_;
    std::vector<TypeNode*> anonymous_;

    // The indexes beside the grids: every lookup goes through them. A name
    // is looked up once in the interner; its number leads to all the table
    // knows of it.
    struct NameRecord {
        std::vector<Symbol*> symbols;  // in order of entry
        std::vector<TypeNode*> tags;   // in order of entry
        EnumerationConstant* enumerator = nullptr;
    };
    const NameRecord* record_of(std::string_view name) const;
    NameRecord& record_for(std::string_view name);
    // The identifiers, and the words of the shared constructions' keys.
    NameInterner names_;
    std::vector<NameRecord> records_;  // by name number, up to the last that has one
    Arena<EnumerationConstant> enumerator_records_;
    NameInterner file_names_;

    // Shared constructions.
    std::map<std::tuple<std::string, int, bool>, TypeNode*> integers_;
    std::map<std::string, TypeNode*> floatings_;
    std::map<std::pair<std::string, int>, TypeNode*> wide_integers_;
    std::map<std::string, TypeNode*> extended_reals_;
    // The pointer, array, qualified and named nodes are made by the
    // thousand: they are found by a node (or a name) and the number of a
    // word (qualifiers, bound, qualifier, scope) among the interned names.
    struct NodeWord {
        const void* node = nullptr;
        std::uint64_t word = 0;
        bool operator==(const NodeWord&) const = default;
    };
    struct NodeWordHash {
        std::size_t operator()(const NodeWord& key) const {
            std::uint64_t h =
                (reinterpret_cast<std::uintptr_t>(key.node) >> 4) * 0x9E3779B97F4A7C15ull;
            h ^= key.word * 0xC2B2AE3D27D4EB4Full;
            return static_cast<std::size_t>(h ^ h >> 29);
        }
    };
    using NodeWordMap = std::unordered_map<NodeWord, TypeNode*, NodeWordHash>;
    std::uint32_t word_number(std::string_view word) { return names_.intern(word).id; }
    NodeWordMap pointers_;
    NodeWordMap arrays_;
    NodeWordMap qualifieds_;
    NodeWordMap nameds_;  // node: null; word: name number << 32 | scope number
    TypeNode* void_ = nullptr;

    const TypeTable* secondary_ = nullptr;
};

// ---- the operations of the rest of the compiler ------------------------------

// As TypeTable::lookup_symbol, then in the secondary table.
Symbol* c_find_symbol(std::string_view name, const TypeTable& table, std::string_view scope);
TypeNode* c_lookup_tag(std::string_view tag, const TypeTable& table, TagKind kind);
// The enumeration constant of that name (its enum type and position), here
// or in the secondary table.
const EnumerationConstant* c_lookup_enumerator(std::string_view name, const TypeTable& table);
// A struct, union or enum: its complete definition found by its tag; a
// named type: the type of its typedef; anything else: null.
TypeNode* c_complete_type(const TypeNode* type, const TypeTable& table);

}  // namespace vx
