#include "engine/drawing/style_names.h"

#include <gtest/gtest.h>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/colour_schemes.h"
#include "engine/drawing/style_choice.h"

namespace orv::drawing {
namespace {

// The lists name exactly the entries the drawing knows, in its order.
TEST(StyleNamesTest, NameEveryStyleAndSchemeTheDrawingKnows) {
    EXPECT_EQ(styleNames().size(), static_cast<std::size_t>(kStyleCount));
    EXPECT_EQ(schemeNames().size(), colourSchemes().size());
    EXPECT_EQ(styleNames()[22], "Щелк");
    EXPECT_EQ(schemeNames()[11], "Польз. схема 1");
}

}  // namespace
}  // namespace orv::drawing
