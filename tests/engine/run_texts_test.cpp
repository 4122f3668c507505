#include "engine/run_texts.h"

#include <gtest/gtest.h>

#include "net/transfer_clock.h"

namespace tvx {
namespace {

TEST(RunTexts, FormatsPercentAsSentAndTimeLeftInHoursMinutesSeconds) {
  EXPECT_EQ(PercentText(35), L"35%");
  EXPECT_EQ(PercentText(100), L"100%");
  EXPECT_EQ(PercentText(250), L"250%");
  EXPECT_EQ(PercentText(-1), L"-1%");

  struct Row {
    std::int64_t seconds;
    const wchar_t* text;
  };
  const Row rows[] = {
      {0, L"00:00:00"},
      {3725, L"01:02:05"},
      {59, L"00:00:59"},
      {86399, L"23:59:59"},
      {90000, L"25:00:00"},  // time left is not cut at a day
      {360000, L"100:00:00"},
      {-5, L"00:00:00"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.seconds);
    EXPECT_EQ(TimeLeftText(row.seconds), row.text);
  }
}

TEST(RunTexts, ElapsedTimeDropsWholeDays) {
  EXPECT_EQ(ElapsedText(25 * 3600 + 3 * 60), L"01:03:00");
  EXPECT_EQ(ElapsedText(0), L"00:00:00");
}

TEST(RunTexts, UsbLabelKeepsItsTextWithoutANewPercentage) {
  EXPECT_EQ(UsbPercentLabel(L"45"), L"45%");
  EXPECT_EQ(UsbPercentLabel(L""), std::nullopt);
  EXPECT_EQ(UsbPercentLabel(L"NOT FOUND"), std::nullopt);
  EXPECT_EQ(UsbPercentLabel(L"Not Found"), std::nullopt);
}

}  // namespace
}  // namespace tvx
