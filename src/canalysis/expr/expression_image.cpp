// The C text of expression trees, and what is built from it: the items of
// aggregates, the check of constant indexes against declared bounds, and
// the expansion of array aggregates into conditional expressions of the
// harness's loop counters.
//
// Images are written without blanks around operators. A blank goes in only
// where two operator characters would otherwise read as another token
// ("a- -3", not "a--3"), so that an image always parses back to the tree
// it came from.
#include "canalysis/expr/expression_analysis.h"

#include <cstdio>

namespace vx {

namespace {

const char* const binary_spellings[] = {"+",  "-",  "*",  "/",  "%", "<", ">", "<=", ">=",
                                        "!=", "==", "&&", "||", "&", "|", "^", "<<", ">>"};

// Appends `text`, with a blank first when the last character written and
// the first of `text` would make a token of two characters.
void append_separated(std::string& out, std::string_view text) {
    static const std::string_view pairs[] = {
        "->", "++", "--", "<<", ">>", "<=", ">=", "==", "!=", "&&", "||", "+=",
        "-=", "*=", "/=", "%=", "&=", "|=", "^=", "..", "=>", "/*", "//"};
    if (!out.empty() && !text.empty()) {
        char pair[2] = {out.back(), text.front()};
        for (std::string_view p : pairs) {
            if (p == std::string_view(pair, 2)) {
                out += ' ';
                break;
            }
        }
    }
    out += text;
}

bool is_printable(unsigned value) { return value >= 32 && value < 127; }

// One character of a character constant, without the quotes.
void character_body(unsigned value, std::string& out) {
    switch (value) {
        case 0:
            out += "\\0";
            return;
        case 8:
            out += "\\b";
            return;
        case 9:
            out += "\\t";
            return;
        case 10:
            out += "\\n";
            return;
        case 11:
            out += "\\v";
            return;
        case 12:
            out += "\\f";
            return;
        case 13:
            out += "\\r";
            return;
        case 34:
            out += "\\\"";
            return;
        default:
            break;
    }
    if (is_printable(value)) {
        if (value == '\'' || value == '\\') out += '\\';
        out += static_cast<char>(value);
        return;
    }
    char octal[8];
    std::snprintf(octal, sizeof octal, "%o", value & 0xFFu);
    out += std::string_view(octal).size() < 3 ? "\\0" : "\\";
    out += octal;
}

void character_image(const ExprNode* node, std::string& out) {
    if (node->wide) out += 'L';
    out += '\'';
    std::uint64_t value = static_cast<std::uint64_t>(pint_low64(node->value));
    if (node->wide && value > 0xFF) {
        char hex[24];
        std::snprintf(hex, sizeof hex, "\\x%llX", static_cast<unsigned long long>(value));
        out += hex;
    } else {
        // A multi-character constant: its characters from the first.
        int count = node->wide ? 1 : node->width / 8;
        if (count < 1) count = 1;
        if (count > 8) count = 8;
        for (int k = count - 1; k >= 0; --k)
            character_body(static_cast<unsigned>((value >> (8 * k)) & 0xFF), out);
    }
    out += '\'';
}

void string_image(const ExprNode* node, std::string& out) {
    if (node->wide) out += 'L';
    out += '"';
    for (char ch : node->text) {
        unsigned c = static_cast<unsigned char>(ch);
        switch (c) {
            case '\a':
                out += "\\a";
                continue;
            case '\b':
                out += "\\b";
                continue;
            case '\f':
                out += "\\f";
                continue;
            case '\n':
                out += "\\n";
                continue;
            case '\r':
                out += "\\r";
                continue;
            case '\t':
                out += "\\t";
                continue;
            case '\v':
                out += "\\v";
                continue;
            case '"':
                out += "\\\"";
                continue;
            case '\'':
                out += "\\'";
                continue;
            case '\\':
                out += "\\\\";
                continue;
            default:
                break;
        }
        if (is_printable(c)) {
            out += ch;
        } else {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        }
    }
    out += '"';
}

class Imager {
public:
    Imager(std::string_view file, long line, DiagnosticSink& sink)
        : file_(file), line_(line), sink_(sink) {}
    void image(const ExprNode* node, std::string& out);

private:
    void operand(const ExprNode* node, std::string& out) {
        std::string text;
        image(node, text);
        append_separated(out, text);
    }
    std::string_view file_;
    long line_;
    DiagnosticSink& sink_;
};

void Imager::image(const ExprNode* node, std::string& out) {
    if (!node) return;
    switch (node->kind) {
        case ExprKind::integer_constant:
            if (node->written_as_character) {
                character_image(node, out);
                return;
            }
            out += pint_image(node->value, ImageFormat::decimal, node->width);
            if (node->is_unsigned) out += 'U';
            if (node->long_count == 1) out += 'L';
            if (node->long_count >= 2) out += "LL";
            return;
        case ExprKind::real_constant:
            out += real_image(node->real, real_image_max_digits);
            if (node->suffix) out += node->suffix;
            return;
        case ExprKind::identifier:
        case ExprKind::type_name:
            out += node->text;
            return;
        case ExprKind::parenthesised:
            out += '(';
            image(node->first, out);
            out += ')';
            return;
        case ExprKind::subscript:
            image(node->first, out);
            out += '[';
            image(node->second, out);
            out += ']';
            return;
        case ExprKind::range_subscript:
            image(node->first, out);
            out += '[';
            image(node->second, out);
            out += "..";
            operand(node->third, out);
            out += ']';
            return;
        case ExprKind::call:
            image(node->first, out);
            out += '(';
            for (std::size_t i = 0; i < node->items.size(); ++i) {
                if (i) out += ',';
                image(node->items[i], out);
            }
            out += ')';
            return;
        case ExprKind::member:
            image(node->first, out);
            out += node->arrow ? "->" : ".";
            out += node->text;
            return;
        case ExprKind::unary:
            switch (node->unary_op) {
                case UnaryOp::logical_not:
                    out += '!';
                    break;
                case UnaryOp::negate:
                    out += '-';
                    break;
                case UnaryOp::bit_not:
                    out += '~';
                    break;
                case UnaryOp::size_of:
                case UnaryOp::align_of:
                    out += node->unary_op == UnaryOp::size_of ? "sizeof(" : "__alignof__(";
                    image(node->first, out);
                    out += ')';
                    return;
            }
            operand(node->first, out);
            return;
        case ExprKind::binary:
            image(node->first, out);
            append_separated(out, binary_spellings[static_cast<int>(node->binary_op)]);
            operand(node->second, out);
            return;
        case ExprKind::conditional:
            out += '(';
            image(node->first, out);
            out += '?';
            image(node->second, out);
            out += ':';
            image(node->third, out);
            out += ')';
            return;
        case ExprKind::aggregate:
        case ExprKind::list:
            if (node->kind == ExprKind::aggregate) out += '{';
            for (std::size_t i = 0; i < node->items.size(); ++i) {
                if (i) out += ',';
                image(node->items[i], out);
            }
            if (node->kind == ExprKind::aggregate) out += '}';
            return;
        case ExprKind::address:
        case ExprKind::dereference:
            out += node->kind == ExprKind::address ? '&' : '*';
            operand(node->first, out);
            return;
        case ExprKind::string_literal:
            string_image(node, out);
            return;
        case ExprKind::cast:
            out += '(';
            image(node->first, out);
            out += ')';
            operand(node->second, out);
            return;
        case ExprKind::range:
            out += '[';
            image(node->first, out);
            out += "..";
            operand(node->second, out);
            out += ']';
            return;
        case ExprKind::association:
            image(node->first, out);
            if (node->second) {
                out += "..";
                operand(node->second, out);
            }
            append_separated(out, "=>");
            operand(node->third, out);
            return;
        case ExprKind::omitted:
        case ExprKind::error:
            return;
    }
    sink_.report(Severity::internal, msg::ERRINTERN, "expression image search", file_, line_);
}

}  // namespace

void c_expression_image(const ExprNode* node, std::string& out, std::string_view file, long line,
                        DiagnosticSink& sink) {
    Imager(file, line, sink).image(node, out);
}

std::string c_expression_image(const ExprNode* node, DiagnosticSink& sink) {
    std::string out;
    c_expression_image(node, out, {}, 0, sink);
    return out;
}

// ---- index check ---------------------------------------------------------------

namespace {

class IndexCheck {
public:
    IndexCheck(ExpressionRun& run, std::string_view file, long line, std::string_view scope,
               DiagnosticSink& sink)
        : run_(run), file_(file), line_(line), scope_(scope), sink_(sink) {}

    void walk(const ExprNode* node) {
        if (!node) return;
        if (node->kind == ExprKind::subscript || node->kind == ExprKind::range_subscript)
            check(node);
        walk(node->first);
        walk(node->second);
        walk(node->third);
        for (const ExprNode* item : node->items) walk(item);
    }

private:
    void check(const ExprNode* node) {
        CountingSink quiet;
        const TypeNode* operand = c_resolve_type(
            c_expression_type(run_, node->first, nullptr, file_, line_, scope_, quiet));
        if (!operand || operand->kind != TypeKind::array) return;
        // The bound's value when the declarations told it, else its text.
        const std::string bound =
            operand->length > 0 ? std::to_string(operand->length) : operand->bound;
        check_index(node->second, bound);
        if (node->kind == ExprKind::range_subscript) check_index(node->third, bound);
    }

    // A negative index, or one that leaves "(bound)-index" at zero or
    // below, is outside the array.
    void check_index(const ExprNode* index, const std::string& bound) {
        if (!index || index->kind != ExprKind::integer_constant) return;
        CountingSink quiet;
        std::string shown = c_expression_image(index, quiet);
        if (pint_is_negative(index->value)) {
            sink_.report(Severity::warning, msg::INDICEINC, shown, file_, line_);
            return;
        }
        if (bound.empty()) return;
        std::string room = "(" + bound + ")-" + shown;
        ExpressionTree rest = c_parse_expression(run_, room, file_, line_, quiet);
        if (rest && rest->root && rest->root->kind == ExprKind::integer_constant &&
            pint_compare(rest->root->value, pint_zero) <= 0) {
            sink_.report(Severity::warning, msg::INDICEINC, shown, file_, line_);
        }
    }

    ExpressionRun& run_;
    std::string_view file_;
    long line_;
    std::string_view scope_;
    DiagnosticSink& sink_;
};

}  // namespace

void c_check_indexes(ExpressionRun& run, const ExprNode* node, std::string_view file, long line,
                     std::string_view scope, DiagnosticSink& sink) {
    IndexCheck(run, file, line, scope, sink).walk(node);
}

// ---- array aggregates ------------------------------------------------------------

namespace {

class ArrayExpansion {
public:
    ArrayExpansion(ExpressionRun& run, std::string_view file, long line, DiagnosticSink& sink)
        : run_(run), file_(file), line_(line), sink_(sink) {}

    void expand(const ExprNode* aggregate, const TypeNode* array_type, std::string& out,
                int dimension);

private:
    void warn(MessageCode code, std::string_view argument) {
        sink_.report(Severity::warning, code, argument, file_, line_);
    }
    std::string image(const ExprNode* node) {
        std::string out;
        c_expression_image(node, out, file_, line_, sink_);
        return out;
    }
    // The value of an item: a nested aggregate is the next dimension.
    std::string value(const ExprNode* node, const TypeNode* element, int dimension) {
        const TypeNode* r = c_resolve_type(element);
        if (node && node->kind == ExprKind::aggregate && r && r->kind == TypeKind::array) {
            std::string out;
            expand(node, element, out, dimension + 1);
            return out;
        }
        // A constant the element cannot hold would be cut by the harness's
        // conversion and compared cut: refused as for an element named
        // alone (an unsigned element also takes the negative values of its
        // width, as C compilers do).
        if (node && r && r->kind == TypeKind::integer && node->kind == ExprKind::integer_constant) {
            const int bits = r->width < 0 ? -r->width : r->width;
            const bool is_unsigned = r->width > 0;
            if (bits > 0 && bits < pint_bits - 1 &&
                !pint_fits(node->value,
                           is_unsigned && !pint_is_negative(node->value) ? bits + 1 : bits)) {
                warn(msg::ENTOUTRAN, image(node));
            }
        }
        return image(node);
    }
    // The number of elements of the dimension, when its bound folds to a
    // constant; -1 otherwise.
    long long element_count(const TypeNode* array) {
        if (!array || array->bound.empty()) return -1;
        if (array->length > 0) return array->length;
        CountingSink quiet;
        ExpressionTree bound = c_parse_expression(run_, array->bound, file_, line_, quiet);
        if (!bound || !bound->root || bound->root->kind != ExprKind::integer_constant ||
            !pint_fits_int64(bound->root->value))
            return -1;
        return pint_low64(bound->root->value);
    }
    bool known_name(const ExprNode* node) {
        return c_find_symbol(node->text, run_.table, run_.scope) ||
               c_lookup_enumerator(node->text, run_.table);
    }

    ExpressionRun& run_;
    std::string_view file_;
    long line_;
    DiagnosticSink& sink_;
};

void ArrayExpansion::expand(const ExprNode* aggregate, const TypeNode* array_type, std::string& out,
                            int dimension) {
    if (!aggregate) return;
    if (aggregate->kind != ExprKind::aggregate) {
        out += image(aggregate);
        return;
    }
    const TypeNode* array = c_resolve_type(array_type);
    if (array && array->kind != TypeKind::array) array = nullptr;
    const TypeNode* element = array ? array->target : nullptr;
    long long count = element_count(array);
    // C arrays have no lower bound of their own: indexes count from 0.
    const char* lower = "";

    std::string final_value;
    bool have_final = false;
    int opened = 0;
    char buffer[64];
    const std::size_t items = aggregate->items.size();
    // The index of the next positional item: its number in the list, or,
    // after an association, the index that follows the association's (as
    // C places an item after a designator, and as a list of constant
    // indexes is spread). `next_text` holds it when it is no constant.
    long long next = 0;
    std::string next_text;
    for (std::size_t d = 0; d < items && !have_final; ++d) {
        const ExprNode* item = aggregate->items[d];
        bool last = d + 1 == items;
        if (item->kind == ExprKind::omitted) {
            warn(msg::OMIVALTAB, image(aggregate));
            if (last) {
                final_value.assign(1, '0');  // not "= \"0\"": GCC 12 -O2 sees a false overlap
                have_final = true;
            }
            continue;
        }
        if (item->kind != ExprKind::association) {
            std::string v = value(item, element, dimension);
            if (last) {
                final_value = v;
                have_final = true;
                continue;
            }
            if (next_text.empty()) {
                std::snprintf(buffer, sizeof buffer, "(_vx_I%d == (%lld%s)?", dimension, next,
                              lower);
                out += buffer;
                ++next;
            } else {
                std::snprintf(buffer, sizeof buffer, "(_vx_I%d == (", dimension);
                out += buffer;
                out += next_text;
                out += ")?";
                next_text = "(" + next_text + ")+1";
            }
            out += v;
            out += ':';
            ++opened;
            continue;
        }
        const ExprNode* low = item->first;
        const ExprNode* high = item->second;
        if (!high && low && low->kind == ExprKind::identifier) {
            if (low->text == run_.others_word) {
                final_value = value(item->third, element, dimension);
                have_final = true;
                if (!last) warn(msg::TABEXPINC, image(aggregate->items[d + 1]));
                continue;
            }
            if (!known_name(low)) {
                warn(msg::TABEXPINC, low->text);
                continue;
            }
        }
        bool constant_low = low && low->kind == ExprKind::integer_constant;
        auto outside = [&](const ExprNode* index) {
            if (!index || index->kind != ExprKind::integer_constant) return false;
            if (pint_is_negative(index->value)) return true;
            return count >= 0 && pint_compare(index->value, pint_from_int(count)) >= 0;
        };
        if (outside(low) || outside(high)) {
            warn(msg::INDICEINC, image(outside(low) ? low : high));
            continue;
        }
        std::string v = value(item->third, element, dimension);
        if (last) {
            final_value = v;
            have_final = true;
            continue;
        }
        std::string l = image(low);
        const ExprNode* end_index = high ? high : low;
        if (end_index != nullptr && end_index->kind == ExprKind::integer_constant &&
            pint_fits_int64(end_index->value)) {
            next = static_cast<long long>(pint_low64(end_index->value)) + 1;
            next_text.clear();
        } else {
            next_text = "(" + image(end_index) + ")+1";
        }
        if (!high) {
            std::snprintf(buffer, sizeof buffer, constant_low ? "(_vx_I%d == " : "(_vx_I%d == (",
                          dimension);
            out += buffer;
            out += l;
            out += constant_low ? "?" : ")?";
        } else {
            std::string h = image(high);
            std::snprintf(buffer, sizeof buffer, "(((_vx_I%d>=", dimension);
            out += buffer;
            out += constant_low ? l : "(" + l + ")";
            std::snprintf(buffer, sizeof buffer, ") && (_vx_I%d<=(", dimension);
            out += buffer;
            out += h;
            out += ")))?";
        }
        out += v;
        out += ':';
        ++opened;
    }
    out += have_final ? final_value : "0";
    out.append(static_cast<std::size_t>(opened), ')');
}

}  // namespace

void c_expand_array_aggregate(ExpressionRun& run, const ExprNode* aggregate,
                              const TypeNode* array_type, std::string& out, int dimension,
                              std::string_view file, long line, DiagnosticSink& sink) {
    ArrayExpansion(run, file, line, sink).expand(aggregate, array_type, out, dimension);
}

}  // namespace vx
