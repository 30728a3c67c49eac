#pragma once

#include "engine_error.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

// A named formula. The formula is text: every reference evaluates it again.
struct Variable {
    std::string name;
    std::string formula;
};

// The engine's variables, at most `capacity` of them, kept in descending byte order of
// their names so that the first name a text begins with is the longest one ("di" is
// found before "d").
class VariableTable {
public:
    // Reserves room for capacity entries; allocated() tells whether that succeeded.
    explicit VariableTable(std::size_t capacity);

    bool allocated() const { return allocated_; }
    std::size_t capacity() const { return capacity_; }
    std::size_t size() const { return entries_.size(); }

    // Replaces the formula of the variable name, or adds the variable when there is
    // room (MaxVariablesReached otherwise). The name must already be valid.
    EngineError store(std::string_view name, std::string_view formula);
    // Puts the invalid marker "? " in front of the variable's formula unless it
    // already begins with "?".
    void markInvalid(std::string_view name);
    bool remove(std::string_view name);
    void clear() { entries_.clear(); }

    const Variable* find(std::string_view name) const;
    // The variable with the longest name that text begins with, or nullptr.
    const Variable* longestNameAt(std::string_view text) const;

private:
    Variable* findEntry(std::string_view name);

    std::vector<Variable> entries_;
    std::size_t capacity_;
    bool allocated_ = false;
};

} // namespace kalvo
