#include "cli/colour_choice.h"

#include <gtest/gtest.h>

#include <vector>

#include "cli/option_error.h"

namespace zefrin {
namespace {

std::vector<Colour> build(std::initializer_list<const char*> colourSets,
                          std::initializer_list<const char*> gradients = {}, uint64_t seed = 1) {
  ColourChoice choice;
  for (const char* text : colourSets) parseColourSet(text, choice);
  for (const char* text : gradients) choice.gradients.push_back(parseGradient(text));
  colorcl colours;
  MersenneRandom random(seed);
  applyColourChoice(choice, colours, random);
  return colours.colours();
}

TEST(ColourChoice, FixedSets) {
  EXPECT_EQ(build({"16"}).size(), 16u);
  EXPECT_EQ(build({"35"}).size(), 35u);
  EXPECT_EQ(build({"35", "8"}), build({}));  // the last --colors wins; 8 is the initial set
  EXPECT_EQ(build({"8"}).front(), 0x0000FF);
}

TEST(ColourChoice, RandomSetHasNColoursAndFollowsTheSeed) {
  EXPECT_EQ(build({"random:1"}).size(), 1u);
  EXPECT_EQ(build({"random:64"}).size(), 64u);
  EXPECT_EQ(build({"random:10"}, {}, 5), build({"random:10"}, {}, 5));
  EXPECT_NE(build({"random:10"}, {}, 5), build({"random:10"}, {}, 6));
}

TEST(ColourChoice, ListKeepsItsOrderInBothNotations) {
  EXPECT_EQ(build({"list:#FF0000,0xFF0000,#00ff00,255"}),
            (std::vector<Colour>{0x0000FF, 0xFF0000, 0x00FF00, 0x0000FF}));
  EXPECT_EQ(build({"list:0x123456"}), std::vector<Colour>{0x123456});
}

TEST(ColourChoice, GradientIsLaidOverTheSetAndMayGrowIt) {
  // Style 4 (plain gradient) from pure red to pure blue over positions 1..5.
  const auto colours = build({"list:#000000,#000000"}, {"gradient,#FF0000,#0000FF,1,5"});
  EXPECT_EQ(colours, (std::vector<Colour>{rgb(255, 0, 0), rgb(191, 0, 64), rgb(128, 0, 128),
                                          rgb(64, 0, 191), rgb(0, 0, 255)}));
  // Named and numbered styles are the same; later gradients go over earlier ones.
  EXPECT_EQ(build({"8"}, {"HLS,#FF0000,#00FF00,2,6"}), build({"8"}, {"3,#FF0000,#00FF00,2,6"}));
  const auto twice = build({"8"}, {"4,#FF0000,#0000FF,1,8", "4,#000000,#000000,1,2"});
  EXPECT_EQ(twice[0], 0);
  EXPECT_EQ(twice[1], 0);
  EXPECT_EQ(twice[7], rgb(0, 0, 255));
}

}  // namespace
}  // namespace zefrin
