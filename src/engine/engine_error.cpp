#include "engine_error.h"

#include <utility>

namespace kalvo {

std::string_view errorText(int code)
{
    static constexpr std::pair<int, std::string_view> messages[] = {
        {0, "No"},
        {1, "Syntax"},
        {2, "Bracket Logic"},
        {100, "Out of Memory"},
        {101, "Unknown Operation (Internal)"},
        {102, "Internal Structure"},
        {200, "Trigonometric Save Operating Area"},
        {201, "Division By Zero"},
        {202, "Complex Result"},
        {203, "Infinite Result (Overflow)"},
        {204, "Trigonometric Definition Range"},
        {205, "Log Definition Range"},
        {206, "Integer Overflow"},
        {207, "Float Overflow"},
        {300, "Circular Var Definition"},
        {301, "Maxvar reached"},
        {302, "No Var Match"},
        {303, "Var Not Valid"},
        {304, "Syntax or Var Not Found"},
        {305, "Argument too big"},
        {306, "Stackdepth too high"},
        {307, "No Integer Number"},
        {308, "Signum Zero"},
        {309, "Domain"},
        {500, "Bin Overflow"},
        {501, "Negative Integer"},
        {502, "Base"},
        {503, "Roman Overflow"},
        {504, "Shift Domain"},
        {505, "Power Domain"},
        {506, "Integer Only"},
        {600, "Real Only"},
    };
    for (const auto& [number, message] : messages)
        if (number == code)
            return message;
    return "Unknown ERROR";
}

} // namespace kalvo
