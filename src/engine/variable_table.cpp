#include "variable_table.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

namespace kalvo {

namespace {

// Descending byte order, as strcmp sees it (std::string_view compares unsigned bytes).
bool sortsBefore(const Variable& entry, std::string_view name)
{
    return entry.name > name;
}

} // namespace

VariableTable::VariableTable(std::size_t capacity)
    : capacity_(capacity)
{
    try {
        entries_.reserve(capacity);
        allocated_ = true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
}

EngineError VariableTable::store(std::string_view name, std::string_view formula)
{
    if (!allocated_)
        return EngineError::OutOfMemory;
    if (Variable* existing = findEntry(name)) {
        existing->formula.assign(formula);
        return EngineError::None;
    }
    if (entries_.size() >= capacity_)
        return EngineError::MaxVariablesReached;
    auto position = std::lower_bound(entries_.begin(), entries_.end(), name, sortsBefore);
    entries_.insert(position, Variable{std::string(name), std::string(formula)});
    return EngineError::None;
}

void VariableTable::markInvalid(std::string_view name)
{
    if (Variable* entry = findEntry(name); entry && !entry->formula.starts_with('?'))
        entry->formula.insert(0, "? ");
}

bool VariableTable::remove(std::string_view name)
{
    auto position = std::lower_bound(entries_.begin(), entries_.end(), name, sortsBefore);
    if (position == entries_.end() || position->name != name)
        return false;
    entries_.erase(position);
    return true;
}

const Variable* VariableTable::find(std::string_view name) const
{
    auto position = std::lower_bound(entries_.begin(), entries_.end(), name, sortsBefore);
    return position != entries_.end() && position->name == name ? &*position : nullptr;
}

Variable* VariableTable::findEntry(std::string_view name)
{
    return const_cast<Variable*>(std::as_const(*this).find(name));
}

const Variable* VariableTable::longestNameAt(std::string_view text) const
{
    for (const Variable& entry : entries_)
        if (text.starts_with(entry.name))
            return &entry;
    return nullptr;
}

} // namespace kalvo
