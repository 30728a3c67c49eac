#pragma once

#include <QString>

#include <array>
#include <optional>

namespace kalvo {

// The choice (a series or a decade range) named by word, its button text compared
// case-insensitively with blanks around ignored; none when no choice has that name.
template <class Choice, std::size_t N>
std::optional<Choice> choiceNamed(const QString& word, const std::array<Choice, N>& choices,
                                  const char* (*name)(Choice))
{
    for (const Choice choice : choices)
        if (word.trimmed().compare(QLatin1String(name(choice)), Qt::CaseInsensitive) == 0)
            return choice;
    return std::nullopt;
}

} // namespace kalvo
