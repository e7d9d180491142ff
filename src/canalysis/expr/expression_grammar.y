/* The grammar of the C expressions and aggregates of test scripts.
 *
 * An LALR(1) grammar for GNU Bison. The start symbol is an initialiser:
 * an assignment expression, or an aggregate "{...}" or "[...]" whose items
 * may be empty (omitted), associations "index => value", range
 * associations "low .. high => value" or nested initialisers. A range
 * "[low..high]" (either bound may be left out) stands for an expected
 * interval, and a bare "low .. high" for the same. Increments,
 * assignments and comma expressions parse, so that they can be refused
 * with a message of their own. The actions call the parser context
 * (expression_parser_context.h), which builds the nodes and folds the
 * constants as they appear.
 */
%code requires {
#include "canalysis/expr/expression_parser_context.h"
}

%code top {
#include <cstdio>
namespace vx::expr {
int trace_printf(std::FILE*, const char* format, ...);
}
#define YYFPRINTF vx::expr::trace_printf
}

%code {
int vxexpr_lex(VXEXPR_STYPE* value, vx::expr::ParserContext& ctx);
void vxexpr_error(vx::expr::ParserContext& ctx, const char* message);
/* Deeper nesting of brackets than this is a syntax error. */
#define YYMAXDEPTH 10000
}

%define api.pure full
%define api.prefix {vxexpr_}
%define api.token.prefix {TOK_}
%define api.value.type {vx::expr::SemanticValue}
%define parse.trace
%parse-param {vx::expr::ParserContext& ctx}
%lex-param {vx::expr::ParserContext& ctx}

%token IDENTIFIER TYPE_NAME CONSTANT STRING_LITERAL
%token PTR_OP INC_OP DEC_OP ASSIGN ASSIGN_OP
%token POINT_POINT ARROW ELIPSIS SIZEOF ALIGNOF KEYWORD
%token OR_OP AND_OP ORBIT_OP XORBIT_OP ANDBIT_OP EQ_OP NE_OP
%token LT_OP GT_OP LE_OP GE_OP LEFT_OP RIGHT_OP ADD_OP SUB_OP
%token MUL_OP DIV_OP MOD_OP NOT_OP INVBIT_OP

%left OR_OP
%left AND_OP
%left ORBIT_OP
%left XORBIT_OP
%left ANDBIT_OP
%left EQ_OP NE_OP
%left LT_OP GT_OP LE_OP GE_OP
%left LEFT_OP RIGHT_OP
%left ADD_OP SUB_OP
%left MUL_OP DIV_OP MOD_OP

%start start

%%

start
    : %empty                                   { ctx.set_root(nullptr); }
    | initialiser                              { ctx.set_root($1.node); }
    | conditional POINT_POINT conditional      { ctx.set_root(ctx.range($1.node, $3.node)); }
    ;

initialiser
    : assignment_expression                    { $$ = $1; }
    | '{' item_list '}'                        { $$.node = ctx.aggregate($2.node); }
    | '[' item_list ']'                        { $$.node = ctx.aggregate($2.node); }
    ;

item_list
    : item                                     { $$.node = ctx.items(nullptr, $1.node); }
    | item_list ',' item                       { $$.node = ctx.items($1.node, $3.node); }
    ;

item
    : %empty                                   { $$.node = ctx.omitted(); }
    | initialiser                              { $$ = $1; }
    | conditional ARROW initialiser            { $$.node = ctx.association($1.node, nullptr, $3.node); }
    | conditional POINT_POINT conditional ARROW initialiser
                                               { $$.node = ctx.association($1.node, $3.node, $5.node); }
    ;

expression
    : assignment_expression                    { $$ = $1; }
    | expression ',' assignment_expression     { $$.node = ctx.comma($1.node, $3.node); }
    ;

assignment_expression
    : conditional                              { $$ = $1; }
    | unary assignment_operator assignment_expression
                                               { $$.node = ctx.assignment($1.node, $3.node); }
    | '[' conditional POINT_POINT conditional ']'  { $$.node = ctx.range($2.node, $4.node); }
    | '[' conditional POINT_POINT ']'          { $$.node = ctx.range($2.node, nullptr); }
    | '[' POINT_POINT conditional ']'          { $$.node = ctx.range(nullptr, $3.node); }
    | '[' POINT_POINT ']'                      { $$.node = ctx.malformed_range(); }
    ;

assignment_operator
    : ASSIGN
    | ASSIGN_OP
    ;

conditional
    : binary                                   { $$ = $1; }
    | binary '?' binary ':' conditional        { $$.node = ctx.conditional($1.node, $3.node, $5.node); }
    ;

binary
    : cast                                     { $$ = $1; }
    | binary OR_OP binary                      { $$.node = ctx.binary(vx::BinaryOp::logical_or, $1.node, $3.node); }
    | binary AND_OP binary                     { $$.node = ctx.binary(vx::BinaryOp::logical_and, $1.node, $3.node); }
    | binary ORBIT_OP binary                   { $$.node = ctx.binary(vx::BinaryOp::bit_or, $1.node, $3.node); }
    | binary XORBIT_OP binary                  { $$.node = ctx.binary(vx::BinaryOp::bit_xor, $1.node, $3.node); }
    | binary ANDBIT_OP binary                  { $$.node = ctx.binary(vx::BinaryOp::bit_and, $1.node, $3.node); }
    | binary EQ_OP binary                      { $$.node = ctx.binary(vx::BinaryOp::eq, $1.node, $3.node); }
    | binary NE_OP binary                      { $$.node = ctx.binary(vx::BinaryOp::ne, $1.node, $3.node); }
    | binary LT_OP binary                      { $$.node = ctx.binary(vx::BinaryOp::lt, $1.node, $3.node); }
    | binary GT_OP binary                      { $$.node = ctx.binary(vx::BinaryOp::gt, $1.node, $3.node); }
    | binary LE_OP binary                      { $$.node = ctx.binary(vx::BinaryOp::le, $1.node, $3.node); }
    | binary GE_OP binary                      { $$.node = ctx.binary(vx::BinaryOp::ge, $1.node, $3.node); }
    | binary LEFT_OP binary                    { $$.node = ctx.binary(vx::BinaryOp::shift_left, $1.node, $3.node); }
    | binary RIGHT_OP binary                   { $$.node = ctx.binary(vx::BinaryOp::shift_right, $1.node, $3.node); }
    | binary ADD_OP binary                     { $$.node = ctx.binary(vx::BinaryOp::add, $1.node, $3.node); }
    | binary SUB_OP binary                     { $$.node = ctx.binary(vx::BinaryOp::sub, $1.node, $3.node); }
    | binary MUL_OP binary                     { $$.node = ctx.binary(vx::BinaryOp::mul, $1.node, $3.node); }
    | binary DIV_OP binary                     { $$.node = ctx.binary(vx::BinaryOp::div, $1.node, $3.node); }
    | binary MOD_OP binary                     { $$.node = ctx.binary(vx::BinaryOp::mod, $1.node, $3.node); }
    ;

cast
    : unary                                    { $$ = $1; }
    | '(' TYPE_NAME ')' cast                   { $$.node = ctx.cast($2.node, $4.node); }
    ;

unary
    : postfix                                  { $$ = $1; }
    | INC_OP unary                             { $$.node = ctx.increment($2.node, false); }
    | DEC_OP unary                             { $$.node = ctx.increment($2.node, true); }
    | ANDBIT_OP cast                           { $$.node = ctx.address($2.node); }
    | MUL_OP cast                              { $$.node = ctx.dereference($2.node); }
    | ADD_OP cast                              { $$.node = ctx.unary_plus($2.node); }
    | SUB_OP cast                              { $$.node = ctx.unary(vx::UnaryOp::negate, $2.node); }
    | INVBIT_OP cast                           { $$.node = ctx.unary(vx::UnaryOp::bit_not, $2.node); }
    | NOT_OP cast                              { $$.node = ctx.unary(vx::UnaryOp::logical_not, $2.node); }
    | SIZEOF unary                             { $$.node = ctx.unary(vx::UnaryOp::size_of, $2.node); }
    | SIZEOF '(' TYPE_NAME ')'                 { $$.node = ctx.unary(vx::UnaryOp::size_of, $3.node); }
    | ALIGNOF unary                            { $$.node = ctx.unary(vx::UnaryOp::align_of, $2.node); }
    | ALIGNOF '(' TYPE_NAME ')'                { $$.node = ctx.unary(vx::UnaryOp::align_of, $3.node); }
    ;

postfix
    : primary                                  { $$ = $1; }
    | postfix '[' expression ']'               { $$.node = ctx.subscript($1.node, $3.node); }
    | postfix '[' expression POINT_POINT expression ']'
                                               { $$.node = ctx.range_subscript($1.node, $3.node, $5.node); }
    | postfix '(' ')'                          { $$.node = ctx.call($1.node, nullptr); }
    | postfix '(' argument_list ')'            { $$.node = ctx.call($1.node, $3.node); }
    | postfix '.' member_name                  { $$.node = ctx.member($1.node, $3.node, false); }
    | postfix PTR_OP member_name               { $$.node = ctx.member($1.node, $3.node, true); }
    | postfix INC_OP                           { $$.node = ctx.increment($1.node, false); }
    | postfix DEC_OP                           { $$.node = ctx.increment($1.node, true); }
    ;

member_name
    : IDENTIFIER                               { $$ = $1; }
    | TYPE_NAME                                { $$ = $1; }
    ;

argument_list
    : assignment_expression                    { $$.node = ctx.arguments(nullptr, $1.node); }
    | argument_list ',' assignment_expression  { $$.node = ctx.arguments($1.node, $3.node); }
    ;

primary
    : IDENTIFIER                               { $$ = $1; }
    | CONSTANT                                 { $$ = $1; }
    | strings                                  { $$ = $1; }
    | '(' expression ')'                       { $$.node = ctx.parenthesised($2.node); }
    | '(' error ')'                            { $$.node = ctx.error_node(); }
    ;

strings
    : STRING_LITERAL                           { $$ = $1; }
    | strings STRING_LITERAL                   { $$.node = ctx.concatenate($1.node, $2.node); }
    ;

%%
