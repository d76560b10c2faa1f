#include <gtest/gtest.h>

#include "tessel/app/VirtualKeys.h"

using namespace Tessel;

// Physical keys by their USB HID usage (the numbers of SDL's scancodes).
TEST(VirtualKeys, PhysicalKeysGiveTheWindowsCodes) {
  const std::pair<int, int> cases[] = {
      {4, 'A'},          {29, 'Z'},           {30, '1'},          {38, '9'},          {39, '0'},
      {40, VK_RETURN},   {88, VK_RETURN},     {41, VK_ESCAPE},    {42, VK_BACK},      {43, VK_TAB},
      {44, VK_SPACE},    {76, VK_DELETE},     {73, VK_INSERT},    {74, VK_HOME},      {77, VK_END},
      {75, VK_PRIOR},    {78, VK_NEXT},       {79, VK_RIGHT},     {80, VK_LEFT},      {81, VK_DOWN},
      {82, VK_UP},       {58, VK_F1},         {61, VK_F4},        {67, VK_F10},       {69, 0x7B},
      {104, 0x7C},       {70, VK_SNAPSHOT},   {72, VK_PAUSE},     {98, VK_NUMPAD0},   {89, 0x61},
      {97, 0x69},        {87, VK_ADD},        {86, VK_SUBTRACT},  {85, VK_MULTIPLY},  {84, VK_DIVIDE},
      {225, VK_SHIFT},   {229, VK_SHIFT},     {224, VK_CONTROL},  {226, VK_MENU},     {230, VK_MENU},
      {45, VK_OEM_MINUS}, {46, VK_OEM_PLUS},  {54, VK_OEM_COMMA}, {55, VK_OEM_PERIOD}, {56, VK_OEM_2},
      {0, VK_None},      {255, VK_None},
  };
  for (auto [scancode, key] : cases) EXPECT_EQ(VirtualKeyFromScancode(scancode), key) << "scancode " << scancode;
}

TEST(VirtualKeys, ModifiersAlsoHaveTheirSidedCodes) {
  EXPECT_EQ(SidedVirtualKeyFromScancode(225), VK_LSHIFT);
  EXPECT_EQ(SidedVirtualKeyFromScancode(229), VK_RSHIFT);
  EXPECT_EQ(SidedVirtualKeyFromScancode(230), VK_RMENU);
  EXPECT_EQ(SidedVirtualKeyFromScancode(4), VK_None);
}
