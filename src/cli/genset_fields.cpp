#include "cli/genset_fields.h"

#include <array>
#include <string>

#include "cli/option_error.h"
#include "cli/text_values.h"

namespace zefrin {

namespace {

using Kind = GensetField::Kind;

constexpr GensetField integer(std::string_view name, int32_t GenSet::*member) {
  return GensetField{name, Kind::Integer, member, nullptr, nullptr};
}
constexpr GensetField colour(std::string_view name, int32_t GenSet::*member) {
  return GensetField{name, Kind::Colour, member, nullptr, nullptr};
}
constexpr GensetField real(std::string_view name, float GenSet::*member) {
  return GensetField{name, Kind::Float, nullptr, member, nullptr};
}
constexpr GensetField small(std::string_view name, int16_t GenSet::*member) {
  return GensetField{name, Kind::Short, nullptr, nullptr, member};
}

constexpr std::array kFields = {
    integer("contup", &GenSet::contup),
    integer("contleft", &GenSet::contleft),
    integer("numblines", &GenSet::numblines),
    integer("breakrun", &GenSet::breakrun),
    real("segpause", &GenSet::segpause),
    real("linepause", &GenSet::linepause),
    integer("linewidth", &GenSet::linewidth),
    integer("drawmode", &GenSet::drawmode),
    integer("linelength", &GenSet::linelength),
    integer("penstyle", &GenSet::penstyle),
    integer("clearup", &GenSet::clearup),
    integer("chlinecol", &GenSet::chlinecol),
    integer("gradpick", &GenSet::gradpick),
    integer("linecolorfunc", &GenSet::linecolorfunc),
    colour("backcolor", &GenSet::backcolor),
    integer("addmode", &GenSet::addmode),
    integer("gradstyle", &GenSet::gradstyle),
    integer("numcolors", &GenSet::numcolors),
    colour("obvcolleft", &GenSet::obvcolleft),
    colour("obvcolright", &GenSet::obvcolright),
    colour("obvcolup", &GenSet::obvcolup),
    colour("obvcoldown", &GenSet::obvcoldown),
    integer("outlinewidth", &GenSet::outlinewidth),
    integer("outlinewidthset", &GenSet::outlinewidthset),
    integer("outline", &GenSet::outline),
    integer("chekoutll", &GenSet::chekoutll),
    integer("chekoutlr", &GenSet::chekoutlr),
    integer("chekoutlu", &GenSet::chekoutlu),
    integer("chekoutld", &GenSet::chekoutld),
    integer("outlinepercent", &GenSet::outlinepercent),
    integer("obvgradien", &GenSet::obvgradien),
    integer("outlproportion", &GenSet::outlproportion),
    integer("outldirection", &GenSet::outldirection),
    integer("imagewidth", &GenSet::imagewidth),
    integer("imageheight", &GenSet::imageheight),
    integer("logicalX", &GenSet::logicalX),
    integer("logicalY", &GenSet::logicalY),
    integer("offsetlogicalX", &GenSet::offsetlogicalX),
    integer("offsetlogicalY", &GenSet::offsetlogicalY),
    integer("destort", &GenSet::destort),
    integer("Operationmode", &GenSet::Operationmode),
    integer("funcs", &GenSet::funcs),
    integer("modeparam1", &GenSet::modeparam1),
    integer("modeparam2", &GenSet::modeparam2),
    integer("orientxy", &GenSet::orientxy),
    integer("povorxy", &GenSet::povorxy),
    integer("shapes", &GenSet::shapes),
    integer("shapes1", &GenSet::shapes1),
    integer("shpparam1", &GenSet::shpparam1),
    integer("shpparam2", &GenSet::shpparam2),
    integer("shpparam3", &GenSet::shpparam3),
    integer("shpar1", &GenSet::shpar1),
    integer("shpar2", &GenSet::shpar2),
    integer("shpar3", &GenSet::shpar3),
    integer("alpha", &GenSet::alpha),
    integer("prospect", &GenSet::prospect),
    integer("drawlines", &GenSet::drawlines),
    integer("drawborder", &GenSet::drawborder),
    integer("borderwidth", &GenSet::borderwidth),
    small("simpleborder", &GenSet::simpleborder),
};

[[noreturn]] void badValue(std::string_view name, std::string_view value, std::string_view expected) {
  throw OptionError("bad value for " + std::string(name) + ": '" + std::string(value) +
                    "' (expected " + std::string(expected) + ")");
}

}  // namespace

std::span<const GensetField> gensetFields() { return kFields; }

const GensetField* findGensetField(std::string_view name) {
  for (const GensetField& field : kFields) {
    if (field.name == name) return &field;
  }
  return nullptr;
}

void setGensetField(GenSet& genset, std::string_view name, std::string_view value) {
  const GensetField* field = findGensetField(name);
  if (field == nullptr) throw OptionError("unknown genset field '" + std::string(name) + "'");
  switch (field->kind) {
    case Kind::Integer: {
      const auto number = parseInt32(value);
      if (!number) badValue(name, value, "a whole number");
      genset.*(field->integer) = *number;
      return;
    }
    case Kind::Colour: {
      auto number = parseColour(value);
      if (!number) number = parseInt32(value);  // the record holds any 32-bit value
      if (!number) badValue(name, value, "a colour 0xBBGGRR or #RRGGBB");
      genset.*(field->integer) = *number;
      return;
    }
    case Kind::Float: {
      const auto number = parseFloat(value);
      if (!number) badValue(name, value, "a number");
      genset.*(field->real) = *number;
      return;
    }
    case Kind::Short: {
      const auto number = parseInt32(value, INT16_MIN, INT16_MAX);
      if (!number) badValue(name, value, "a whole number -32768..32767");
      genset.*(field->small) = static_cast<int16_t>(*number);
      return;
    }
  }
}

}  // namespace zefrin
