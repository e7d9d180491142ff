// The environment list, the use stack and the instantiation of an
// environment for one element.
#include "script/statements/environments.h"
#include "script/statements/statement_text.h"

#include "support/text.h"

#include <algorithm>

namespace vx {

namespace {

bool parameter_char(char c) {
    return c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool same_name(std::string_view a, std::string_view b, bool case_insensitive) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = case_insensitive ? upper_char(a[i]) : a[i];
        const char y = case_insensitive ? upper_char(b[i]) : b[i];
        if (x != y) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string Environments::key(std::string_view name) const {
    return case_insensitive_ ? upper_copy(name) : std::string(name);
}

std::vector<std::unique_ptr<EnvironmentRecord>>::const_iterator Environments::position(
    std::string_view name) const {
    const std::string wanted = key(name);
    return std::lower_bound(records_.begin(), records_.end(), wanted,
                            [this](const std::unique_ptr<EnvironmentRecord>& record,
                                   const std::string& k) { return key(record->name) < k; });
}

const EnvironmentRecord* Environments::find(std::string_view name) const {
    auto it = position(name);
    if (it == records_.end() || key((*it)->name) != key(name)) {
        return nullptr;
    }
    return it->get();
}

EnvironmentRecord* Environments::define_environment(std::string_view name, ScopeLevel level) {
    auto it = position(name);
    if (it != records_.end() && key((*it)->name) == key(name)) {
        return nullptr;
    }
    auto record = std::make_unique<EnvironmentRecord>();
    record->name = std::string(name);
    record->level = level;
    return records_.insert(it, std::move(record))->get();
}

UseResult Environments::use_environment(std::string_view name, ScopeLevel level,
                                        std::vector<std::string> arguments) {
    const EnvironmentRecord* environment = find(name);
    if (environment == nullptr) {
        return UseResult::unknown_environment;
    }
    if (environment->parameters.size() != arguments.size()) {
        return UseResult::parameter_count;
    }
    // Uses of the levels inside this one have been popped by the ends of
    // their blocks; the stack is cut to this level's mark all the same, so
    // that an entry can never outlive its block.
    uses_.resize(marks_[static_cast<std::size_t>(level)]);
    uses_.push_back({environment, std::move(arguments)});
    for (std::size_t l = static_cast<std::size_t>(level); l < marks_.size(); ++l) {
        marks_[l] = uses_.size();
    }
    return UseResult::used;
}

void Environments::pop_uses(ScopeLevel closing) {
    if (closing == ScopeLevel::script) {
        return;
    }
    const std::size_t outer = static_cast<std::size_t>(closing) - 1;
    uses_.resize(marks_[outer]);
    for (std::size_t l = outer + 1; l < marks_.size(); ++l) {
        marks_[l] = marks_[outer];
    }
}

std::string replace_parameters(std::string_view text, const std::vector<std::string>& parameters,
                               const std::vector<std::string>& arguments, bool case_insensitive) {
    if (parameters.empty()) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (!parameter_char(text[i])) {
            result += text[i++];
            continue;
        }
        // A whole word: a run of letters, digits and "_".
        std::size_t end = i;
        while (end < text.size() && parameter_char(text[end])) {
            ++end;
        }
        const std::string_view word = text.substr(i, end - i);
        auto match = std::find_if(parameters.begin(), parameters.end(), [&](const std::string& p) {
            return same_name(p, word, case_insensitive);
        });
        const auto index = static_cast<std::size_t>(match - parameters.begin());
        // After "." or "->" the word names a member: an argument that is a
        // name takes its place, any other (a value) leaves the member
        // alone, as "pos.3" would be no C.
        std::size_t before = i;
        while (before > 0 && (text[before - 1] == ' ' || text[before - 1] == '\t')) --before;
        const bool member =
            before > 0 && (text[before - 1] == '.' ||
                           (text[before - 1] == '>' && before > 1 && text[before - 2] == '-'));
        if (match != parameters.end() && index < arguments.size() &&
            (!member || is_identifier(arguments[index]))) {
            result += arguments[index];
        } else {
            result += word;
        }
        i = end;
    }
    return result;
}

EnvironmentContents instantiate_environment(const UseEntry& use, bool case_insensitive) {
    EnvironmentContents contents;
    if (use.environment == nullptr) {
        return contents;
    }
    const std::vector<std::string>& parameters = use.environment->parameters;
    auto replace = [&](std::string& text) {
        text = replace_parameters(text, parameters, use.arguments, case_insensitive);
    };
    contents.variables = use.environment->variables;
    for (VariableClause& clause : contents.variables) {
        for (std::string* text :
             {&clause.variable, &clause.type_text, &clause.init_value, &clause.init_link,
              &clause.ev_value, &clause.ev_target, &clause.ev_link, &clause.min_value,
              &clause.max_value, &clause.delta_value}) {
            replace(*text);
        }
    }
    contents.stub_calls = use.environment->stub_calls;
    for (std::string& stub : contents.stub_calls) {
        replace(stub);
    }
    return contents;
}

}  // namespace vx
