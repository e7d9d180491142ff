// A selection list of -OPERATION/-SERVICE, -TEST, -FAMILY and their
// exclusion forms: whether the option was given, and its names, upper-cased
// and without duplicates, in the order first given.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

struct SelectionList {
    bool given = false;
    std::vector<std::string> names;

    bool contains(std::string_view name) const {
        return std::find(names.begin(), names.end(), name) != names.end();
    }
    // Adds a name unless it is already there.
    void add(std::string name) {
        if (!contains(name)) {
            names.push_back(std::move(name));
        }
    }
};

}  // namespace vx
