/* The grammar of C declarations, as the declaration analysis reads them.
 *
 * An LALR(1) grammar for GNU Bison. It reads external definitions only:
 * declarations, and function definitions whose bodies the lexer hands over
 * as one BODY token. The texts the analysis keeps as written (array
 * bounds, initialisers, enumerator values, bit-field widths, the
 * parenthesised text of asm clauses and typeof) are also captured by the
 * lexer, each as one token. GNU "__attribute__((...))" and C23 "[[...]]"
 * attributes never reach the grammar: the lexer drops them wherever they
 * stand, as they change nothing the analysis records. The actions call the parser context
 * (declaration_parser_context.h), which builds the types and enters the
 * symbols in the table. Errors recover at the next ";" or "}".
 */
%code requires {
#include "canalysis/decl/declaration_parser_context.h"
}

%code {
#include "canalysis/decl/declaration_parser_context.h"
int vxdecl_lex(VXDECL_STYPE* value, vx::decl::ParserContext& ctx);
void vxdecl_error(vx::decl::ParserContext& ctx, const char* message);
}

%define api.pure full
%define api.prefix {vxdecl_}
%define api.token.prefix {TOK_}
%define api.value.type {vx::decl::SemanticValue}
%parse-param {vx::decl::ParserContext& ctx}
%lex-param {vx::decl::ParserContext& ctx}
%expect 1

%token IDENTIFIER TYPE_NAME TYPE_MODIFIER CONSTANT STRING_LITERAL ELLIPSIS
%token ARRAY_BOUND INITIALIZER BIT_WIDTH PAREN_TEXT BODY
%token ASM_KEYWORD ATTRIBUTE TYPEOF ATOMIC ALIGNOF INLINE CONST VOLATILE SIGNED
%token AUTO REGISTER TK_STATIC EXTERN TYPEDEF
%token CHAR SHORT INT LONG UNSIGNED FLOAT DOUBLE VOID
%token STRUCT UNION ENUM SIZEOF
%token INT128 EXTENDED_REAL AUTO_TYPE
%token IF ELSE SWITCH CASE DEFAULT WHILE DO FOR GOTO CONTINUE BREAK RETURN

%start file

%%

file
    : %empty
    | external_list
    ;

external_list
    : external                { ctx.end_external(); }
    | external_list external  { ctx.end_external(); }
    ;

external
    : function_definition
    | declaration
    | ASM_KEYWORD PAREN_TEXT
    | ASM_KEYWORD PAREN_TEXT ';'
    | error ';'   { ctx.recover_top_level(); yyerrok; }
    | error '}'   { ctx.recover_top_level(); yyerrok; }
    | error BODY  { ctx.recover_top_level(); yyerrok; }
    | ';'
    ;

/* The specifiers of a declaration whose declarators follow: the context
   keeps them while the declarators are entered one by one. */
specs_pushed
    : decl_specs  { ctx.push_specs($1.specs); }
    ;

no_specs
    : %empty      { ctx.push_specs(ctx.implicit_specs()); }
    ;

function_definition
    : specs_pushed declarator function_body  { ctx.define_function($2.declarator, $3.text); ctx.pop_specs(); }
    | no_specs declarator function_body      { ctx.define_function($2.declarator, $3.text); ctx.pop_specs(); }
    ;

function_body
    : BODY                      { $$ = $1; }
    | kr_start kr_declarations BODY  { $$ = $3; }
    ;

kr_start
    : %empty  { ctx.begin_kr_declarations(); }
    ;

kr_declarations
    : kr_declaration
    | kr_declarations kr_declaration
    ;

kr_declaration
    : specs_pushed init_declarator_list ';'  { ctx.pop_specs(); }
    ;

declaration
    : decl_specs ';'                          { ctx.declare_specifiers_only($1.specs); }
    | specs_pushed init_declarator_list ';'   { ctx.pop_specs(); ctx.end_statement(); }
    | no_specs init_declarator_list ';'       { ctx.pop_specs(); ctx.end_statement(); }
    | specs_pushed pointer ';'                { ctx.pop_specs(); ctx.end_statement(); }
    | decl_specs ',' pointer ';'              { ctx.declare_specifiers_only($1.specs); }
    ;

decl_specs
    : decl_spec               { $$.specs = ctx.new_specs(); ctx.add_spec($$.specs, $1); }
    | decl_specs decl_spec    { $$ = $1; ctx.add_spec($$.specs, $2); }
    ;

decl_spec
    : storage_class   { $$ = $1; }
    | type_specifier  { $$ = $1; }
    ;

storage_class
    : TYPEDEF     { $$ = ctx.storage_item(vx::storage_typedef); }
    | EXTERN      { $$ = ctx.storage_item(vx::storage_extern); }
    | TK_STATIC   { $$ = ctx.storage_item(vx::storage_static); }
    | AUTO        { $$ = ctx.storage_item(vx::storage_auto); }
    | REGISTER    { $$ = ctx.storage_item(vx::storage_register); }
    ;

type_specifier
    : CHAR      { $$ = ctx.word_item("char"); }
    | SHORT     { $$ = ctx.word_item("short"); }
    | INT       { $$ = ctx.word_item("int"); }
    | LONG      { $$ = ctx.word_item("long"); }
    | SIGNED    { $$ = ctx.word_item("signed"); }
    | UNSIGNED  { $$ = ctx.word_item("unsigned"); }
    | FLOAT     { $$ = ctx.word_item("float"); }
    | DOUBLE    { $$ = ctx.word_item("double"); }
    | VOID      { $$ = ctx.word_item("void"); }
    | TYPE_NAME { $$ = ctx.typedef_item($1.text); }
    | struct_or_union_specifier  { $$ = ctx.type_item($1.type); }
    | enum_specifier             { $$ = ctx.type_item($1.type); }
    | INT128    { $$ = ctx.word_item("__int128"); }
    | EXTENDED_REAL  { $$ = ctx.type_item(ctx.extended_real($1.text)); }
    | AUTO_TYPE      { $$ = ctx.type_item(ctx.typeof_type({})); }
    | TYPEOF PAREN_TEXT          { $$ = ctx.type_item(ctx.typeof_type($2.text)); }
    | ATOMIC PAREN_TEXT          { $$ = ctx.type_item(ctx.atomic_type($2.text)); }
    | type_modifier              { $$ = $1; }
    | '@' type_modifier          { $$ = ctx.prefixed_qualifier("@", $2); }
    | '%' type_modifier          { $$ = ctx.prefixed_qualifier("%", $2); }
    ;

type_modifier
    : TYPE_MODIFIER  { $$ = ctx.qualifier_item($1.text); }
    | INLINE         { $$ = ctx.qualifier_item("inline"); }
    | VOLATILE       { $$ = ctx.qualifier_item("volatile"); }
    | CONST          { $$ = ctx.qualifier_item("const"); }
    ;

struct_or_union
    : STRUCT  { $$.flag = 0; }
    | UNION   { $$.flag = 1; }
    ;

struct_or_union_specifier
    : struct_or_union tag members_open member_list '}'  { $$.type = ctx.struct_body($1.flag, $2.text, true); }
    | struct_or_union members_open member_list '}'      { $$.type = ctx.struct_body($1.flag, $2.text, false); }
    | struct_or_union tag                               { $$.type = ctx.struct_reference($1.flag, $2.text); }
    ;

tag
    : IDENTIFIER  { $$ = $1; }
    | TYPE_NAME   { $$ = $1; }
    ;

members_open
    : '{'  { ctx.open_members(); $$.text = $1.text; }
    ;

member_list
    : %empty
    | member_list member_declaration
    ;

member_declaration
    : member_specs member_declarators ';'  { ctx.pop_specs(); }
    | spec_list ';'                        { ctx.anonymous_member($1.specs); }
    | no_member_specs member_declarators ';'  { ctx.pop_specs(); }
    | error ';'                            { ctx.recover_member(); yyerrok; }
    ;

member_specs
    : spec_list  { ctx.push_specs($1.specs); }
    ;

no_member_specs
    : %empty  { ctx.push_specs(ctx.implicit_specs()); }
    ;

spec_list
    : type_specifier            { $$.specs = ctx.new_specs(); ctx.add_spec($$.specs, $1); }
    | spec_list type_specifier  { $$ = $1; ctx.add_spec($$.specs, $2); }
    ;

member_declarators
    : member_declarator
    | member_declarators ',' member_declarator
    ;

member_declarator
    : declarator                 { ctx.add_member($1.declarator, nullptr); }
    | declarator BIT_WIDTH       { ctx.add_member($1.declarator, &$2.text); }
    | BIT_WIDTH                  { ctx.add_member(nullptr, &$1.text); }
    ;

enum_specifier
    : ENUM tag enum_open enumerator_list '}'      { $$.type = ctx.enum_body($2.text, true); }
    | ENUM tag enum_open enumerator_list ',' '}'  { $$.type = ctx.enum_body($2.text, true); }
    | ENUM enum_open enumerator_list '}'          { $$.type = ctx.enum_body($1.text, false); }
    | ENUM enum_open enumerator_list ',' '}'      { $$.type = ctx.enum_body($1.text, false); }
    | ENUM tag enum_open '}'                      { $$.type = ctx.enum_body($2.text, true); }
    | ENUM enum_open '}'                          { $$.type = ctx.enum_body($1.text, false); }
    | ENUM tag                                    { $$.type = ctx.enum_reference($2.text); }
    ;

enum_open
    : '{'  { ctx.open_enumerators(); }
    ;

enumerator_list
    : enumerator
    | enumerator_list ',' enumerator
    ;

enumerator
    : IDENTIFIER               { ctx.add_enumerator($1.text, nullptr); }
    | IDENTIFIER INITIALIZER   { ctx.add_enumerator($1.text, &$2.text); }
    ;

init_declarator_list
    : init_declarator
    | init_declarator_list ',' init_declarator
    ;

init_declarator
    : declarator asm_clause                 { ctx.declare($1.declarator, nullptr); }
    | declarator asm_clause INITIALIZER     { ctx.declare($1.declarator, &$3.text); }
    ;

asm_clause
    : %empty
    | ASM_KEYWORD PAREN_TEXT
    ;

declarator
    : pointer direct_declarator  { $$.declarator = ctx.with_pointer($2.declarator, $1.declarator); }
    | direct_declarator          { $$ = $1; }
    ;

direct_declarator
    : IDENTIFIER                              { $$.declarator = ctx.named_declarator($1.text); }
    | '(' declarator ')'                      { $$ = $2; }
    | direct_declarator ARRAY_BOUND           { $$.declarator = ctx.with_array($1.declarator, $2.text); }
    | direct_declarator '(' ')'               { $$.declarator = ctx.with_function($1.declarator, nullptr); }
    | direct_declarator '(' parameter_type_list ')'  { $$.declarator = ctx.with_function($1.declarator, $3.parameters); }
    | direct_declarator '(' identifier_list ')'      { $$.declarator = ctx.with_function($1.declarator, $3.parameters); }
    ;

pointer
    : '*'                        { $$.declarator = ctx.pointer_declarator(nullptr, nullptr); }
    | '*' qualifier_list         { $$.declarator = ctx.pointer_declarator($2.specs, nullptr); }
    | '*' pointer                { $$.declarator = ctx.pointer_declarator(nullptr, $2.declarator); }
    | '*' qualifier_list pointer { $$.declarator = ctx.pointer_declarator($2.specs, $3.declarator); }
    ;

qualifier_list
    : type_modifier                 { $$.specs = ctx.new_specs(); ctx.add_spec($$.specs, $1); }
    | '@' type_modifier             { $$.specs = ctx.new_specs(); ctx.add_spec($$.specs, ctx.prefixed_qualifier("@", $2)); }
    | qualifier_list type_modifier  { $$ = $1; ctx.add_spec($$.specs, $2); }
    ;

parameter_type_list
    : parameter_list                { $$ = $1; }
    | parameter_list ',' ELLIPSIS   { $$ = $1; $$.parameters->variadic = true; }
    ;

parameter_list
    : parameter_declaration                     { $$.parameters = ctx.new_parameters(); ctx.add_parameter($$.parameters, $1); }
    | parameter_list ',' parameter_declaration  { $$ = $1; ctx.add_parameter($$.parameters, $3); }
    ;

parameter_declaration
    : decl_specs declarator           { $$ = ctx.parameter($1.specs, $2.declarator); }
    | decl_specs abstract_declarator  { $$ = ctx.parameter($1.specs, $2.declarator); }
    | decl_specs                      { $$ = ctx.parameter($1.specs, nullptr); }
    ;

identifier_list
    : IDENTIFIER                      { $$.parameters = ctx.new_parameters(); ctx.add_identifier($$.parameters, $1.text); }
    | identifier_list ',' IDENTIFIER  { $$ = $1; ctx.add_identifier($$.parameters, $3.text); }
    | identifier_list ',' ELLIPSIS    { $$ = $1; $$.parameters->variadic = true; }
    ;

abstract_declarator
    : pointer                             { $$ = $1; }
    | direct_abstract_declarator          { $$ = $1; }
    | pointer direct_abstract_declarator  { $$.declarator = ctx.with_pointer($2.declarator, $1.declarator); }
    ;

direct_abstract_declarator
    : '(' abstract_declarator ')'         { $$ = $2; }
    | ARRAY_BOUND                         { $$.declarator = ctx.with_array(ctx.named_declarator({}), $1.text); }
    | direct_abstract_declarator ARRAY_BOUND  { $$.declarator = ctx.with_array($1.declarator, $2.text); }
    | '(' ')'                             { $$.declarator = ctx.with_function(ctx.named_declarator({}), nullptr); }
    | '(' parameter_type_list ')'         { $$.declarator = ctx.with_function(ctx.named_declarator({}), $2.parameters); }
    | direct_abstract_declarator '(' ')'  { $$.declarator = ctx.with_function($1.declarator, nullptr); }
    | direct_abstract_declarator '(' parameter_type_list ')'  { $$.declarator = ctx.with_function($1.declarator, $3.parameters); }
    ;

%%
