#include "fontgen/FontRecipes.h"

namespace FontGen {

namespace {

constexpr const char* DejaVuBold = "dejavu/DejaVuSans-Bold.ttf";
constexpr const char* DejaVuBook = "dejavu/DejaVuSans.ttf";
constexpr const char* LiberationBold = "liberation2/LiberationSans-Bold.ttf";
constexpr const char* LiberationRegular = "liberation2/LiberationSans-Regular.ttf";

int Points(int points) { return (points * 96 + 36) / 72; }

// Gold digits with a dark brown outline: the bank account and prices.
LayerStyle MoneyStyle(float outline) {
  LayerStyle style;
  style.OutlineRadius = outline;
  style.ShadowX = 1;
  style.ShadowY = 2;
  style.ShadowBlur = 1;
  style.ShadowOpacity = 0.55f;
  style.Outline = {0.29f, 0.18f, 0.07f};
  style.FillTop = {1.0f, 0.93f, 0.55f};
  style.FillBottom = {0.90f, 0.62f, 0.12f};
  return style;
}

// Cream digits outlined in deep blue: the day counter on the calendar.
LayerStyle CalendarStyle() {
  LayerStyle style;
  style.OutlineRadius = 1.6f;
  style.ShadowX = 1;
  style.ShadowY = 2;
  style.ShadowBlur = 1;
  style.ShadowOpacity = 0.5f;
  style.Outline = {0.13f, 0.22f, 0.40f};
  style.FillTop = {1.0f, 1.0f, 1.0f};
  style.FillBottom = {0.93f, 0.90f, 0.80f};
  return style;
}

std::vector<FontRecipe> MakeRecipes() {
  std::vector<FontRecipe> recipes;
  auto plain = [&](const char* name, const char* file, int pixels) {
    FontRecipe r;
    r.Name = name;
    r.FontFile = file;
    r.PixelSize = pixels;
    recipes.push_back(r);
  };
  auto layered = [&](const char* name, const char* file, int pixels, LayerStyle style) {
    FontRecipe r;
    r.Name = name;
    r.FontFile = file;
    r.PixelSize = pixels;
    r.Layered = true;
    r.Layers = style;
    recipes.push_back(r);
  };
  plain("TrebuchetMSBold10", LiberationBold, Points(10));
  plain("VerdanaBold7", DejaVuBold, Points(7));
  plain("VerdanaBold8", DejaVuBold, Points(8));
  layered("MoneyBig", DejaVuBold, 22, MoneyStyle(2.0f));
  plain("TrebuchetMicro", LiberationBold, 8);
  layered("MoneyMedium", DejaVuBold, 15, MoneyStyle(1.5f));
  layered("CalendarDigits", DejaVuBold, 20, CalendarStyle());
  plain("Speech", DejaVuBook, 13);
  plain("TrebuchetMSBold13", LiberationBold, Points(13));
  plain("TrebuchetMSBold22", LiberationBold, Points(22));
  plain("TrebuchetMS16", LiberationRegular, Points(16));
  return recipes;
}

}  // namespace

const std::vector<FontRecipe>& AllFontRecipes() {
  static const std::vector<FontRecipe> recipes = MakeRecipes();
  return recipes;
}

const FontRecipe* FindFontRecipe(const std::string& name) {
  for (const FontRecipe& r : AllFontRecipes()) {
    if (r.Name == name) return &r;
  }
  return nullptr;
}

}  // namespace FontGen
