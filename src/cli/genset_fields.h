// Every field of the generation settings by its name, so the command line
// can set any of them (--set NAME=VALUE) from one table.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "generator/settings.h"

namespace zefrin {

struct GensetField {
  enum class Kind { Integer, Float, Colour, Short };
  std::string_view name;  // exactly as in GenSet
  Kind kind;
  int32_t GenSet::*integer = nullptr;  // Integer and Colour
  float GenSet::*real = nullptr;       // Float
  int16_t GenSet::*small = nullptr;    // Short
};

// All fields, in the record's order.
std::span<const GensetField> gensetFields();

// The field of that exact name (letter case counts), or null.
const GensetField* findGensetField(std::string_view name);

// Sets the field from its text: whole numbers (decimal or 0x hex) for
// integer fields, decimals for float fields, and for colour fields also
// #RRGGBB. Throws OptionError for an unknown name or a bad value.
void setGensetField(GenSet& genset, std::string_view name, std::string_view value);

}  // namespace zefrin
