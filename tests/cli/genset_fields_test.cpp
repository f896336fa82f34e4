#include "cli/genset_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cli/option_error.h"

namespace zefrin {
namespace {

// Every field set by name to a value that differs from its default; the
// expected record is written out member by member, so a field missing from
// the table (or pointing at the wrong member) shows up as a difference.
TEST(GensetFields, EveryFieldIsSettableByItsName) {
  GenSet set;
  int32_t value = 1000;
  for (const GensetField& field : gensetFields()) {
    const std::string text =
        field.kind == GensetField::Kind::Float ? std::to_string(value) + ".5" : std::to_string(value);
    setGensetField(set, field.name, text);
    ++value;
  }
  GenSet expected;
  int32_t v = 1000;
  expected.contup = v++;
  expected.contleft = v++;
  expected.numblines = v++;
  expected.breakrun = v++;
  expected.segpause = static_cast<float>(v++) + 0.5f;
  expected.linepause = static_cast<float>(v++) + 0.5f;
  expected.linewidth = v++;
  expected.drawmode = v++;
  expected.linelength = v++;
  expected.penstyle = v++;
  expected.clearup = v++;
  expected.chlinecol = v++;
  expected.gradpick = v++;
  expected.linecolorfunc = v++;
  expected.backcolor = v++;
  expected.addmode = v++;
  expected.gradstyle = v++;
  expected.numcolors = v++;
  expected.obvcolleft = v++;
  expected.obvcolright = v++;
  expected.obvcolup = v++;
  expected.obvcoldown = v++;
  expected.outlinewidth = v++;
  expected.outlinewidthset = v++;
  expected.outline = v++;
  expected.chekoutll = v++;
  expected.chekoutlr = v++;
  expected.chekoutlu = v++;
  expected.chekoutld = v++;
  expected.outlinepercent = v++;
  expected.obvgradien = v++;
  expected.outlproportion = v++;
  expected.outldirection = v++;
  expected.imagewidth = v++;
  expected.imageheight = v++;
  expected.logicalX = v++;
  expected.logicalY = v++;
  expected.offsetlogicalX = v++;
  expected.offsetlogicalY = v++;
  expected.destort = v++;
  expected.Operationmode = v++;
  expected.funcs = v++;
  expected.modeparam1 = v++;
  expected.modeparam2 = v++;
  expected.orientxy = v++;
  expected.povorxy = v++;
  expected.shapes = v++;
  expected.shapes1 = v++;
  expected.shpparam1 = v++;
  expected.shpparam2 = v++;
  expected.shpparam3 = v++;
  expected.shpar1 = v++;
  expected.shpar2 = v++;
  expected.shpar3 = v++;
  expected.alpha = v++;
  expected.prospect = v++;
  expected.drawlines = v++;
  expected.drawborder = v++;
  expected.borderwidth = v++;
  expected.simpleborder = static_cast<int16_t>(v++);
  EXPECT_EQ(value, v);
  EXPECT_EQ(set, expected);

  std::set<std::string_view> names;
  for (const GensetField& field : gensetFields()) names.insert(field.name);
  EXPECT_EQ(names.size(), gensetFields().size()) << "a name appears twice";
}

TEST(GensetFields, ValuesByKind) {
  GenSet set;
  setGensetField(set, "backcolor", "#000080");
  EXPECT_EQ(set.backcolor, 0x800000);
  setGensetField(set, "obvcolup", "0x00FFFF");
  EXPECT_EQ(set.obvcolup, 0x00FFFF);
  setGensetField(set, "backcolor", "-1");  // the record holds any 32-bit value
  EXPECT_EQ(set.backcolor, -1);
  setGensetField(set, "segpause", "0.1");
  EXPECT_FLOAT_EQ(set.segpause, 0.1f);
  setGensetField(set, "simpleborder", "-1");
  EXPECT_EQ(set.simpleborder, -1);
  setGensetField(set, "alpha", "-90");
  EXPECT_EQ(set.alpha, -90);
}

TEST(GensetFields, MistakesSayWhat) {
  struct Case {
    const char* name;
    const char* value;
    const char* message;
  };
  const Case cases[] = {
      {"Contup", "5", "unknown genset field 'Contup'"},
      {"operationmode", "1", "unknown genset field 'operationmode'"},
      {"contup", "abc", "bad value for contup: 'abc' (expected a whole number)"},
      {"contup", "2.5", "bad value for contup: '2.5' (expected a whole number)"},
      {"contup", "", "bad value for contup: '' (expected a whole number)"},
      {"contup", "99999999999", "bad value for contup: '99999999999' (expected a whole number)"},
      {"segpause", "fast", "bad value for segpause: 'fast' (expected a number)"},
      {"backcolor", "#12", "bad value for backcolor: '#12' (expected a colour 0xBBGGRR or #RRGGBB)"},
      {"simpleborder", "40000", "bad value for simpleborder: '40000' (expected a whole number -32768..32767)"},
  };
  for (const Case& c : cases) {
    GenSet set;
    try {
      setGensetField(set, c.name, c.value);
      ADD_FAILURE() << c.name << "=" << c.value << " was accepted";
    } catch (const OptionError& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
    EXPECT_EQ(set, GenSet{}) << "a refused value changed the settings";
  }
}

}  // namespace
}  // namespace zefrin
