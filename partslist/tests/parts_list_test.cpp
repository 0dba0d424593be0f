#include "partslist/PartsList.h"

#include <gtest/gtest.h>

namespace {

partslist::Line Cube(const char* side) {
    partslist::Line line;
    line.Type = "Parallelepiped";
    for (auto& row : line.Rows)
        row = {side, "millimeter"};
    line.Density = 1000;
    return line;
}

TEST(PartsList, UndoTakesBackOneAddOrOneRemovalOnce) {
    partslist::PartsList list;
    list.Added(Cube("100"));
    list.Added(Cube("200"));
    const std::size_t first[] = {0};
    EXPECT_DOUBLE_EQ(list.Remove(first).State.TotalWeight, 8.0); // 0.2^3 m3 of water
    ASSERT_EQ(list.Lines().size(), 1u);
    EXPECT_TRUE(list.Undo());
    EXPECT_EQ(list.Lines().size(), 2u);
    EXPECT_FALSE(list.Undo());
    EXPECT_EQ(list.Lines().size(), 2u);

    list.Added(std::nullopt); // an Add that named no type: Undo takes no line
    EXPECT_FALSE(list.Undo());
    EXPECT_EQ(list.Lines().size(), 2u);
    list.Added(Cube("300"));
    EXPECT_TRUE(list.Undo());
    EXPECT_EQ(list.Lines().back(), Cube("200"));
}

} // namespace
