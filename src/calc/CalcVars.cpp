// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The table of named values and its operations.
#include "calc/CalcVars.h"

#include "calc/WorkingText.h"

#include "runtime/ErrorBox.h"
#include "runtime/Faults.h"

#include <cstdint>
#include <cstring>

namespace calc {

TVarList Variables;

namespace {

// An 80-bit value from its sign-and-exponent word and the two halves of its mantissa, so the
// constants carry exactly the bits they are defined by (x86 layout: mantissa, then the word).
Extended FromBits(std::uint16_t signExponent, std::uint32_t high, std::uint32_t low) {
    const std::uint64_t mantissa = (static_cast<std::uint64_t>(high) << 32) | low;
    unsigned char bytes[sizeof(Extended)] = {};
    std::memcpy(bytes, &mantissa, sizeof mantissa);
    std::memcpy(bytes + sizeof mantissa, &signExponent, sizeof signExponent);
    Extended value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

void Refuse(const std::string &text) {
    runtime::ShowErrorBox(text, "Kvarnelo", false);
    throw runtime::EAbort();
}

} // namespace

void InitVariables() {
    Variables.clear();
    Variables.push_back({"Pi", FromBits(0x4000, 0xC90FDAA2, 0x2168C234)});
    Variables.push_back({"e", FromBits(0x4000, 0xADF85458, 0xA2BB4A9B)});
    Variables.push_back({"Phi", FromBits(0x3FFF, 0xCF1BBCDC, 0xBFA53E0B)});
    Variables.push_back({"_digits", FromBits(0x4002, 0xC0000000, 0x00000000)});
}

int FindVariable(const std::string &name) {
    for (std::size_t i = 0; i < Variables.size(); ++i)
        if (Variables[i].Name == name)
            return static_cast<int>(i);
    return -1;
}

void SetVariable(const std::string &name, Extended value) {
    for (char c : name)
        if (!text::IsNameChar(c))
            Refuse("Ogiltigt variabelnamn.");
    if (name == "Pi" || name == "e" || name == "Phi")
        Refuse(name + " \xE4r en skyddad konstant.");
    const int index = FindVariable(name);
    if (index < 0)
        Variables.push_back({name, value});
    else
        Variables[static_cast<std::size_t>(index)].Value = value;
}

bool GetVariable(const std::string &name, Extended &value) {
    const int index = FindVariable(name);
    if (index < 0)
        return false;
    value = Variables[static_cast<std::size_t>(index)].Value;
    return true;
}

} // namespace calc
