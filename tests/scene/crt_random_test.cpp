#include "scene/crt_random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::int32_t> Draws(int n) {
  std::vector<std::int32_t> out;
  for (int i = 0; i < n; ++i) out.push_back(crt::rand());
  return out;
}

TEST(CrtRandom, UnseededSequenceMatchesTheCRuntimeGenerator) {
  crt::ResetRandom();
  const std::vector<std::int32_t> expected = {41,    18467, 6334,  26500, 19169, 15724, 11478,
                                              29358, 26962, 24464, 5705,  28145, 23281, 16827,
                                              9961,  491,   2995,  11942, 4827};
  EXPECT_EQ(Draws(19), expected);
  EXPECT_EQ(crt::DrawCount(), 19u);
}

TEST(CrtRandom, SeedRestartsTheSequenceAndKeepsTheCount) {
  crt::ResetRandom();
  crt::srand(1);  // state 1 is also the initial state
  const auto first = Draws(5);
  crt::srand(1);
  EXPECT_EQ(Draws(5), first);
  EXPECT_EQ(crt::DrawCount(), 10u);

  crt::srand(0);
  EXPECT_EQ(crt::rand(), 38);  // (0 * 214013 + 2531011) >> 16
  crt::srand(0xFFFFFFFFu);     // the whole 32-bit seed is the state
  EXPECT_EQ(crt::rand(), 35);
  crt::ResetRandom();
}

}  // namespace
