// The parsed form of one variable item of a VAR, ARRAY or STR statement.
//
// A record says how the harness initialises a variable of the code under
// test before the call (INIT), what it expects after the call (EV, or the
// MIN / MAX bounds with an optional DELTA tolerance), and how the variable
// is taken: as a whole aggregate or component by component. The records
// are plain data: the statement parser fills them, the generator of the
// initialisation and check code reads them.
#pragma once

#include "canalysis/types/c_values.h"

#include <string>
#include <utility>
#include <vector>

namespace vx {

// Longest text of a clause value or variable expression.
inline constexpr std::size_t variable_text_limit = 20479;
// An explicit type text is kept when shorter than this.
inline constexpr std::size_t explicit_type_limit = 80;
// Per test: INIT IN and INIT FROM together, and EV IN checks.
inline constexpr int dynamic_initialisation_limit = 8;
inline constexpr int ev_in_limit = 64;
// NB_RANDOM counts above this are refused and replaced.
inline constexpr long long random_count_limit = 256;
inline constexpr long long random_count_default = 10;

// The classification of a variable's type: the value kind of the model of
// C values (canalysis/types/c_values.h); the numbers are fixed.
using VariableKind = CValueKind;

// How INIT FROM ... TO ... goes on.
enum class InitFromKind : int {
    step = 0,           // STEP / INCREMENT
    count = 1,          // NB_VALUE, NB_TIMES / NB_VALEUR, NB_VALEURS
    random = 2,         // NB_RANDOM / NB_HASARD
    random_bounds = 3,  // NB_RANDOM n +BOUNDS: the two bounds as well
};

enum class EvForm : int {
    equal = 0,         // EV = value
    double_equal = 1,  // EV == : the obtained value is traced, not checked
    arrow = 2,         // EV => target
};

enum class DeltaKind : int { none = 0, percent = 1, absolute = 2 };

struct VariableClause {
    std::string variable;   // the variable expression (a component's, in a pass)
    std::string type_text;  // explicit type or the C declaration image
    bool explicit_type = false;
    VariableKind kind = VariableKind::unknown;

    // INIT.
    bool init = false;
    std::string init_value;  // value, list items joined by ",", or "from,to,step"
    bool init_double_equal = false;
    bool init_in = false;
    bool init_from = false;
    InitFromKind init_from_kind = InitFromKind::step;
    int init_count = 0;  // list items, or the INIT FROM count (0: known at run time)
    std::string init_link;
    bool init_with = false;  // INIT (link) WITH values

    // EV / VA.
    bool ev = false;
    std::string ev_value;
    EvForm ev_form = EvForm::equal;
    bool ev_learn = false;  // "=>" while learn mode is on
    std::string ev_target;  // the "=>" target
    bool ev_in = false;
    std::string ev_link;
    bool ev_with = false;
    int ev_count = 0;

    bool min = false;
    std::string min_value;
    bool max = false;
    std::string max_value;
    DeltaKind delta = DeltaKind::none;
    std::string delta_value;

    bool whole_array = false;
    bool whole_structure = false;
    bool structured = false;  // the variable is a structure (or taken as one)

    // Pairing with the variable named by a link: its value count and its
    // position in the element's variable list (-1 without link).
    int linked_count = 0;
    int linked_index = -1;

    // Display format given by FORMAT for this variable (empty: default).
    std::string format;

    // The values as the script wrote them, when the statement rewrote
    // INIT or EV (an array's list spread into all its elements); empty
    // otherwise. The records show these.
    std::string init_text;
    std::string ev_text;

    TypeFacts facts;
    // A component of an aggregate taken member by member: the aggregate's
    // expression, whether it is an array, and the component's position
    // among the `components` records of the statement.
    std::string aggregate;
    bool aggregate_array = false;
    int component = 0;
    int components = 0;

    // The script line of the statement, and the number of its script file
    // in the link records (-1: unknown).
    long line = 0;
    int file = -1;
};

}  // namespace vx
