#pragma once

#include "program.h"

#include <QSettings>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace kalvo {

// The remembered input texts of a calculator window: column N - 1 for radioButton_N,
// row r for lineEdit_r+1.
using InputMemory = std::vector<std::array<QString, maxInputFields>>;

// What a calculator window keeps between runs.
struct WindowSettings {
    InputMemory inputMemory;
    std::optional<int> topologyNumber; // N of the shown radioButton_N; none: the start topology
    bool moreDigits = false; // "Show More Digits" checked
    bool radians = false; // kalvo-xy: "Rad" checked
};

// What a new user starts with: the topologies' default inputs, nothing else.
// The settings file of program kalvo-NAME: one INI file per program in the user's
// configuration directory, shared by every window.
QSettings programSettings(const char* name);

WindowSettings startSettings(const Program& program);

// The stored settings of program over startSettings: a value that is missing, of the
// wrong type or out of range keeps its start value; an unreadable file keeps them all.
WindowSettings loadWindowSettings(const Program& program);
void saveWindowSettings(const Program& program, const WindowSettings& settings);

// The file that holds them: "kalvo-NAME.ini" in the user's configuration directory.
QString windowSettingsFile(const Program& program);

} // namespace kalvo
