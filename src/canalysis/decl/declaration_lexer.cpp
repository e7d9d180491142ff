// The declaration lexer.
//
// It reads the preprocessor's output: blanks and newlines, "#line" markers
// and the target pragmas on control lines, identifiers (keywords, typedef
// names fed back from the table, type modifiers), decimal constants,
// literals and punctuation. The texts the analysis keeps as written are
// captured whole and returned as one token each, so that the grammar never
// sees their insides:
//
//   "[" ... "]"          ARRAY_BOUND, brackets nested;
//   "=" ...              INITIALIZER, up to "," ";" or "}" at depth 0;
//   ":" ...              BIT_WIDTH, up to ";" "}" or ",";
//   "(" ... ")"          PAREN_TEXT, right after asm or typeof;
//   "{" ... "}"          BODY, a function body, braces nested, unless the
//                        "{" opens the body of a struct, union or enum.
//
// Attributes, "__attribute__((...))" and "[[...]]", are dropped where
// they stand: after a struct body, after a member, among specifiers, in
// declarators, on parameters and enumerators.
//
// The extended reals of C23 and GNU C are keywords, except where a type is
// already given ("typedef float _Float32;" of a C library that declares
// them itself for compilers without them) and once such a typedef exists.
//
// Every capture is a loop over the text with counters: no nesting of any
// depth reaches the C++ stack.
#include "canalysis/decl/c_keywords.h"
#include "canalysis/declaration_grammar.hpp"
#include "canalysis/types/c_characters.h"
#include "canalysis/decl/declaration_parser_context.h"
#include "canalysis/types/target_model.h"
#include "support/text.h"
#include "support/text_scanner.h"

#include <array>
#include <cstdlib>
#include <cstring>

namespace vx::decl {

namespace {

bool is_horizontal_blank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\b';
}

// The grammar's token of each C keyword, in the order of CKeyword.
constexpr int keyword_tokens[] = {
    TOK_ASM_KEYWORD, TOK_ATTRIBUTE, TOK_TYPEOF,        TOK_ALIGNOF,   TOK_INLINE,    TOK_CONST,
    TOK_VOLATILE,    TOK_SIGNED,    TOK_AUTO,          TOK_REGISTER,  TOK_TK_STATIC, TOK_EXTERN,
    TOK_TYPEDEF,     TOK_CHAR,      TOK_SHORT,         TOK_INT,       TOK_LONG,      TOK_UNSIGNED,
    TOK_FLOAT,       TOK_DOUBLE,    TOK_VOID,          TOK_STRUCT,    TOK_UNION,     TOK_ENUM,
    TOK_SIZEOF,      TOK_IF,        TOK_ELSE,          TOK_SWITCH,    TOK_CASE,      TOK_DEFAULT,
    TOK_WHILE,       TOK_DO,        TOK_FOR,           TOK_GOTO,      TOK_CONTINUE,  TOK_BREAK,
    TOK_RETURN,      TOK_INT128,    TOK_EXTENDED_REAL, TOK_AUTO_TYPE,
};
static_assert(sizeof keyword_tokens / sizeof keyword_tokens[0] ==
              static_cast<std::size_t>(CKeyword::auto_type_keyword) + 1);

// What identifier() returns for a word that is no token (an attribute).
constexpr int no_token = -1;

// Tokens after which a typedef name can only be the name being declared
// ("typedef int T; typedef int T;", "struct { T T; }"): a type is already
// given.
bool type_already_given(int token) {
    switch (token) {
        case TOK_CHAR:
        case TOK_SHORT:
        case TOK_INT:
        case TOK_LONG:
        case TOK_SIGNED:
        case TOK_UNSIGNED:
        case TOK_FLOAT:
        case TOK_DOUBLE:
        case TOK_VOID:
        case TOK_TYPE_NAME:
        case '*':
        case '}':
            return true;
        default:
            return false;
    }
}

bool is_tag_keyword(int token) {
    return token == TOK_STRUCT || token == TOK_UNION || token == TOK_ENUM;
}

// Steps over the blanks at the start of a control line's rest.
void skip(std::string_view& s) {
    while (!s.empty() && is_horizontal_blank(s.front())) s.remove_prefix(1);
}

// The next word of a control line's rest (empty when none), consumed.
std::string_view word(std::string_view& s) {
    skip(s);
    std::size_t n = 0;
    while (n < s.size() && is_ident_char(s[n])) ++n;
    std::string_view w = s.substr(0, n);
    s.remove_prefix(n);
    return w;
}

}  // namespace

void ParserContext::count_lines(std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to && i < text_.size(); ++i) {
        if (text_[i] == '\n') ++line_;
    }
}

// Steps over a string or character literal starting at i (on its quote);
// i ends after the closing quote, or at the end of the line or text.
void ParserContext::skip_literal(std::size_t& i) const {
    i = quotation_end(text_, i, c_line_quote_rules);
}

void ParserContext::skip_blanks() {
    bool line_start = pos_ == 0 || text_[pos_ - 1] == '\n';
    while (pos_ < text_.size()) {
        char c = text_[pos_];
        if (c == '\n') {
            ++line_;
            ++pos_;
            line_start = true;
        } else if (is_horizontal_blank(c)) {
            ++pos_;
        } else if (c == '#' && line_start) {
            control_line();
            line_start = true;
        } else {
            return;
        }
    }
}

// A control line: a "#line" marker, a target pragma, or anything else
// (warned and skipped). pos_ is on the "#"; it ends after the newline.
void ParserContext::control_line() {
    std::size_t start = pos_;
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    std::string_view line = text_.substr(start, end - start);
    pos_ = end < text_.size() ? end + 1 : end;
    long this_line = line_;
    ++line_;  // the newline just consumed
    // A marker at the start of a statement is not part of its text.
    if (statement_start_ == start) statement_start_ = pos_;

    std::string_view rest = line.substr(1);
    skip(rest);
    std::string_view probe = rest;
    std::string_view directive = word(probe);
    if (directive == "line" || (!rest.empty() && is_digit(rest.front()))) {
        if (directive == "line") rest = probe;
        skip(rest);
        long number = 0;
        bool any = false;
        while (!rest.empty() && is_digit(rest.front())) {
            if (number < 100000000) number = number * 10 + (rest.front() - '0');
            rest.remove_prefix(1);
            any = true;
        }
        if (any) {
            skip(rest);
            if (!rest.empty() && rest.front() == '"') {
                std::size_t close = rest.find('"', 1);
                if (close != std::string_view::npos)
                    file_ = table_.file_name(rest.substr(1, close - 1));
            }
            line_ = number;
            return;
        }
    } else if (directive == "ident" || directive == "sccs" || directive == "assert" ||
               directive == "unassert") {
        // Identification strings and assertions that compilers accept and
        // ignore; the preprocessor leaves them in its output.
        return;
    } else if (directive == "error" || directive == "warning") {
        // The preprocessor copies these lines after reporting them; they
        // are not said twice.
        return;
    } else if (directive == "pragma") {
        std::string_view p = probe;
        if (word(p) == "vexor") {
            std::string_view command = word(p);
            if (!command.empty() && (std::string_view("sizeof").starts_with(command) ||
                                     std::string_view("signof").starts_with(command))) {
                apply_pragma(line);
                return;
            }
        }
    }
    std::string shown(line);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < ' ') c = ' ';
    }
    report(Severity::warning, msg::DIESELINE, shown, this_line);
}

// "#pragma vexor sizeof TYPE BITS" and "#pragma vexor signof TYPE
// signed|unsigned".
void ParserContext::apply_pragma(std::string_view line) {
    std::string_view s = line;
    s.remove_prefix(1);  // "#"
    word(s);             // pragma
    word(s);             // vexor
    std::string_view command = word(s);
    bool is_sizeof = std::string_view("sizeof").starts_with(command);
    skip(s);
    std::string type;
    if (!s.empty() && s.front() == '(') {
        std::size_t close = s.find(')');
        if (close == std::string_view::npos) return;
        std::string_view inside = s.substr(1, close - 1);
        while (!inside.empty() && is_horizontal_blank(inside.front())) inside.remove_prefix(1);
        while (!inside.empty() && is_horizontal_blank(inside.back())) inside.remove_suffix(1);
        type = inside;
        s.remove_prefix(close + 1);
    } else {
        type = word(s);
    }
    if (type.empty()) return;
    TargetModel& target = run_.target;
    Symbol* typedef_symbol = table_.global_typedef(type);
    const TypeNode* typedef_int = nullptr;
    if (typedef_symbol && typedef_symbol->type) {
        typedef_int = c_resolve_type(typedef_symbol->type);
        if (typedef_int && typedef_int->kind != TypeKind::integer) typedef_int = nullptr;
    }
    if (is_sizeof) {
        skip(s);
        int bits = 0;
        bool any = false;
        while (!s.empty() && is_digit(s.front())) {
            if (bits < 100000) bits = bits * 10 + (s.front() - '0');
            s.remove_prefix(1);
            any = true;
        }
        if (!any) return;
        BaseInteger kind;
        if (TargetModel::base_integer_of(type, kind)) {
            target.set_base_width(kind, bits);
        } else if (typedef_int) {
            int width = typedef_int->width < 0 ? -bits : bits;
            TypeNode* resized = table_.integer_type(typedef_int->name, width, typedef_int->is_char);
            table_.named_type(type, resized);
        }
        target.declare_type_size(type, bits / 8);
        return;
    }
    std::string_view sign = word(s);
    if (sign != "signed" && sign != "unsigned") return;
    if (type == "char") {
        target.set_plain_char_signed(sign == "signed");
    } else if (typedef_int && type != "int" && type != "short" && type != "long") {
        int magnitude = typedef_int->width < 0 ? -typedef_int->width : typedef_int->width;
        TypeNode* changed = table_.integer_type(
            typedef_int->name, sign == "signed" ? -magnitude : magnitude, typedef_int->is_char);
        table_.named_type(type, changed);
    }
}

int ParserContext::identifier(SemanticValue& value) {
    std::size_t start = pos_;
    while (pos_ < text_.size() && is_ident_char(text_[pos_])) ++pos_;
    std::string_view word = text_.substr(start, pos_ - start);
    value.text = TextRef{word.data(), word.size(), line_};
    bool typedef_name = false;
    if (word == "_Atomic") {
        // C11's "_Atomic ( type-name )" is a type specifier; the word alone
        // qualifies a type as "volatile" does.
        std::size_t next = pos_;
        while (next < text_.size() && is_c_blank(text_[next])) ++next;
        if (next < text_.size() && text_[next] == '(') {
            capture_paren_ = true;
            return TOK_ATOMIC;
        }
        return TOK_TYPE_MODIFIER;
    }
    if (word == "__vexor_noreturn") {
        // "_Noreturn", as the standard definitions spell it.
        no_return_ = true;
        no_return_at_ = pos_;
        return no_token;
    }
    if (CKeyword keyword; c_keyword(word, keyword)) {
        int token = keyword_tokens[static_cast<int>(keyword)];
        if (token == TOK_ATTRIBUTE) {
            skip_attribute();
            return no_token;
        }
        if (token == TOK_EXTENDED_REAL) {
            if (type_already_given(previous_token_)) return TOK_IDENTIFIER;
            if (!table_.global_typedef(word)) return token;
            // A typedef of the C library names it: fall through.
        } else {
            if (token == TOK_ASM_KEYWORD || token == TOK_TYPEOF) capture_paren_ = true;
            return token;
        }
    }
    if (Symbol* s = table_.lookup_symbol(word, options_.scope);
        s && (s->storage & storage_typedef)) {
        typedef_name = true;
    } else if (!s && table_.global_typedef(word)) {
        typedef_name = true;
    }
    if (typedef_name) {
        // After struct, union or enum it is a tag; after a given type, the
        // name being declared.
        if (is_tag_keyword(previous_token_) || !type_already_given(previous_token_))
            return TOK_TYPE_NAME;
        return TOK_IDENTIFIER;
    }
    if (run_.is_type_modifier && run_.is_type_modifier(word)) return TOK_TYPE_MODIFIER;
    return TOK_IDENTIFIER;
}

// An attribute: pos_ is after "__attribute__", or on the "[[" of a C23
// attribute. Steps over the parenthesised (or bracketed) list, literals
// inside it included; an unclosed list runs to the end of the text.
void ParserContext::skip_attribute() {
    std::size_t i = pos_;
    char open = '(';
    char close = ')';
    if (text_.substr(i, 2) == "[[") {
        open = '[';
        close = ']';
    } else {
        while (i < text_.size() && (is_horizontal_blank(text_[i]) || text_[i] == '\n')) ++i;
        if (i >= text_.size() || text_[i] != '(') {
            count_lines(pos_, i);
            pos_ = i;
            return;
        }
    }
    int depth = 0;
    const std::size_t start = i;
    while (i < text_.size()) {
        char c = text_[i];
        if (c == '"' || c == '\'') {
            skip_literal(i);
            continue;
        }
        ++i;
        if (c == open) ++depth;
        if (c == close && --depth == 0) break;
    }
    // The one attribute that changes what a value is: a vector; the one
    // that changes what a stub may do: noreturn.
    std::string_view list = text_.substr(start, i - start);
    if (list.find("noreturn") != std::string_view::npos) {
        no_return_ = true;
        no_return_at_ = start;
    }
    if (std::size_t at = list.find("vector_size"); at != std::string_view::npos) {
        std::size_t paren = list.find('(', at);
        std::size_t end = std::string_view::npos;
        for (std::size_t k = paren, depth = 0; paren != std::string_view::npos && k < list.size();
             ++k) {
            if (list[k] == '(') ++depth;
            if (list[k] == ')' && --depth == 0) {
                end = k;
                break;
            }
        }
        if (end != std::string_view::npos) {
            vector_size_.clear();
            for (char c : list.substr(paren + 1, end - paren - 1)) {
                if (!is_horizontal_blank(c) && c != '\n') vector_size_ += c;
            }
        }
    }
    count_lines(pos_, i);
    pos_ = i;
}

// A bracketed text; pos_ is on the opening character. The token's text is
// the inside. At the end of the text: UNEXP_EOF.
int ParserContext::capture_balanced(SemanticValue& value, char open, char close, int token) {
    std::size_t start = pos_ + 1;
    long start_line = line_;
    std::size_t i = start;
    int depth = 1;
    while (i < text_.size()) {
        char c = text_[i];
        if (c == '"' || c == '\'') {
            skip_literal(i);
            continue;
        }
        if (c == open) ++depth;
        if (c == close && --depth == 0) break;
        ++i;
    }
    count_lines(pos_, i);
    value.text = TextRef{text_.data() + start, i - start, start_line};
    if (i >= text_.size()) {
        pos_ = text_.size();
        initializer_line_ = start_line;
        report(Severity::error, msg::UNEXP_EOF, statement_text(), start_line);
        reported_eof_ = true;
        return token;
    }
    pos_ = i + 1;
    return token;
}

// A text from `start` up to "," ";" or "}" at depth 0; pos_ ends on the
// separator, which is the next token.
int ParserContext::capture_until_separator(SemanticValue& value, std::size_t start, int token) {
    long start_line = line_;
    std::size_t i = start;
    int depth = 0;
    while (i < text_.size()) {
        char c = text_[i];
        if (c == '"' || c == '\'') {
            skip_literal(i);
            continue;
        }
        if (c == '(' || c == '[' || c == '{') {
            ++depth;
        } else if (c == ')' || c == ']' || c == '}') {
            if (depth == 0) break;
            --depth;
        } else if (depth == 0 && (c == ',' || c == ';')) {
            break;
        }
        ++i;
    }
    count_lines(start, i);
    value.text = TextRef{text_.data() + start, i - start, start_line};
    pos_ = i;
    if (i >= text_.size()) {
        initializer_line_ = start_line;
    }
    return token;
}

// A function body; pos_ is on its "{". Braces inside literals and comments
// do not count.
int ParserContext::capture_body(SemanticValue& value) {
    std::size_t start = pos_;
    long start_line = line_;
    std::size_t i = pos_ + 1;
    long depth = 1;
    while (i < text_.size()) {
        char c = text_[i];
        if (c == '"' || c == '\'') {
            skip_literal(i);
            continue;
        }
        if (c == '/' && i + 1 < text_.size() && text_[i + 1] == '*') {
            std::size_t end = text_.find("*/", i + 2);
            i = end == std::string_view::npos ? text_.size() : end + 2;
            continue;
        }
        if (c == '/' && i + 1 < text_.size() && text_[i + 1] == '/') {
            while (i < text_.size() && text_[i] != '\n') ++i;
            continue;
        }
        if (c == '{') ++depth;
        if (c == '}' && --depth == 0) break;
        ++i;
    }
    count_lines(start, i);
    if (i >= text_.size()) {
        value.text = TextRef{text_.data() + start, text_.size() - start, start_line};
        pos_ = text_.size();
        report(Severity::error, msg::UNEXP_EOF, statement_text(), line_);
        reported_eof_ = true;
        return TOK_BODY;
    }
    value.text = TextRef{text_.data() + start, i + 1 - start, start_line};
    pos_ = i + 1;
    return TOK_BODY;
}

int ParserContext::lex(SemanticValue& value) {
    value = SemanticValue{};
    // A statement begins after the end of the previous one.
    if ((previous_token_ == ';' || previous_token_ == TOK_BODY) && struct_depth_ == 0) {
        statement_start_ = pos_;
        initializer_line_ = 0;
    }
    int token = 0;
    for (;;) {
        skip_blanks();
        if (pos_ >= text_.size()) {
            at_end_ = true;
            value.text = TextRef{text_.data() + text_.size(), 0, line_};
            token = 0;
            break;
        }
        char c = text_[pos_];
        value.text = TextRef{text_.data() + pos_, 1, line_};
        if (is_ident_start(c)) {
            token = identifier(value);
            if (token == no_token) continue;
            break;
        }
        if (is_digit(c)) {
            std::size_t start = pos_;
            while (pos_ < text_.size() && is_digit(text_[pos_])) ++pos_;
            value.text = TextRef{text_.data() + start, pos_ - start, line_};
            token = TOK_CONSTANT;
            break;
        }
        if (c == '"' || c == '\'') {
            std::size_t start = pos_;
            skip_literal(pos_);
            value.text = TextRef{text_.data() + start, pos_ - start, line_};
            token = c == '"' ? TOK_STRING_LITERAL : TOK_CONSTANT;
            break;
        }
        if (c == '.' && text_.substr(pos_, 3) == "...") {
            pos_ += 3;
            token = TOK_ELLIPSIS;
            break;
        }
        if (c == '@') {
            if (run_.vx_ext_seen) {
                // An extension of the target's compiler: "@" and everything
                // up to the next ";" are not C.
                std::size_t end = text_.find(';', pos_);
                if (end == std::string_view::npos) end = text_.size();
                count_lines(pos_, end);
                pos_ = end;
                continue;
            }
            ++pos_;
            token = '@';
            break;
        }
        if (c == '\\') {
            report(Severity::warning, msg::CHAINUTIL, "'\\'", line_);
            ++pos_;
            continue;
        }
        if (c == '[' && text_.substr(pos_, 2) == "[[") {
            skip_attribute();
            continue;
        }
        if (c == '[') {
            token = capture_balanced(value, '[', ']', TOK_ARRAY_BOUND);
            break;
        }
        if (c == '(' && capture_paren_) {
            capture_paren_ = false;
            token = capture_balanced(value, '(', ')', TOK_PAREN_TEXT);
            break;
        }
        if (c == '=') {
            std::size_t start = pos_ + 1;
            std::size_t first = start;
            while (first < text_.size() &&
                   (is_horizontal_blank(text_[first]) || text_[first] == '\n'))
                ++first;
            if (first < text_.size() &&
                (text_[first] == '<' || text_[first] == '=' || text_[first] == '>')) {
                // "==", "=<", "=>": not an initialiser; dropped.
                report(Severity::warning, msg::SYNTAXERR, statement_text(), line_);
                capture_until_separator(value, start, TOK_INITIALIZER);
                value.text.size = 0;
                token = TOK_INITIALIZER;
                break;
            }
            token = capture_until_separator(value, start, TOK_INITIALIZER);
            break;
        }
        if (c == ':') {
            token = capture_until_separator(value, pos_ + 1, TOK_BIT_WIDTH);
            break;
        }
        if (c == '{') {
            bool aggregate_body =
                is_tag_keyword(previous_token_) ||
                ((previous_token_ == TOK_IDENTIFIER || previous_token_ == TOK_TYPE_NAME) &&
                 is_tag_keyword(before_previous_token_));
            if (!aggregate_body) {
                token = capture_body(value);
                break;
            }
            ++struct_depth_;
            ++pos_;
            token = '{';
            break;
        }
        if (c == '}') {
            if (struct_depth_ > 0) --struct_depth_;
            ++pos_;
            token = '}';
            break;
        }
        ++pos_;
        token = static_cast<unsigned char>(c);
        break;
    }
    capture_paren_ =
        capture_paren_ && (token == TOK_ASM_KEYWORD || token == TOK_TYPEOF || token == TOK_ATOMIC ||
                           token == TOK_VOLATILE || token == TOK_INLINE);
    if (token == ';' || token == TOK_BODY) terminator_at_ = pos_;
    before_previous_token_ = previous_token_;
    previous_token_ = token;
    last_token_line_ = value.text.line;
    last_token_end_ = pos_;
    return token;
}

}  // namespace vx::decl

int vxdecl_lex(VXDECL_STYPE* value, vx::decl::ParserContext& ctx) { return ctx.lex(*value); }

void vxdecl_error(vx::decl::ParserContext& ctx, const char* message) { ctx.syntax_error(message); }
