#include "cutlist/Cutlist.h"

#include <gtest/gtest.h>

TEST(Cutlist, Placeholder) {
    cutlist::Job job;
    job.Stocks = {{60000, std::nullopt, std::nullopt}};
    job.Pieces = {{20000, 5, 1}};
    const auto plan = cutlist::Solve(job);
    EXPECT_EQ(plan.Bars, 2);
}
