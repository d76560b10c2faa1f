#include "contactsheet/ImagePages.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "common/Image.h"
#include "contactsheet/CairoPage.h"

namespace ContactSheet {

namespace {

constexpr int PageWidth = 1280, PageHeight = 960;
constexpr int CellWidth = 160, CellHeight = 150, ThumbHeight = 112, Margin = 8;

std::vector<std::string> ImageNames(const std::string& dataFolder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dataFolder)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".png") continue;
    std::string name = std::filesystem::relative(entry.path(), dataFolder).string();
    if (name.rfind("fonts/", 0) == 0) continue;  // the specimens show the fonts
    names.push_back(name.substr(0, name.size() - 4));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Long names wrap at their slashes onto a second line.
void DrawName(cairo_t* cr, double x, double y, const std::string& name) {
  if (name.size() <= 26) {
    DrawLabel(cr, x, y, name, 9, 0.15, 0.12, 0.1);
    return;
  }
  size_t cut = name.rfind('/', 26);
  if (cut == std::string::npos) cut = 26;
  DrawLabel(cr, x, y, name.substr(0, cut + 1), 9, 0.15, 0.12, 0.1);
  DrawLabel(cr, x, y + 11, name.substr(cut + 1), 9, 0.15, 0.12, 0.1);
}

}  // namespace

int WriteImagePages(const std::string& dataFolder, const std::string& outputFolder) {
  std::vector<std::string> names = ImageNames(dataFolder);
  const int columns = PageWidth / CellWidth, rows = PageHeight / CellHeight;
  const size_t perPage = size_t(columns * rows);
  int pages = 0;
  for (size_t first = 0; first < names.size(); first += perPage) {
    cairo_surface_t* page = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, PageWidth, PageHeight);
    cairo_t* cr = cairo_create(page);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    for (size_t i = first; i < std::min(names.size(), first + perPage); ++i) {
      int cell = int(i - first);
      double x = (cell % columns) * CellWidth + Margin, y = (cell / columns) * CellHeight + Margin;
      double boxW = CellWidth - 2 * Margin, boxH = ThumbHeight;
      Tools::Image image = Tools::ReadPng(dataFolder + "/" + names[i] + ".png");
      FillCheckerboard(cr, x, y, boxW, boxH, 8);
      double scale = std::min({1.0, boxW / image.GetWidth(), boxH / image.GetHeight()});
      cairo_surface_t* thumb = ToSurface(image);
      cairo_save(cr);
      cairo_translate(cr, x + (boxW - image.GetWidth() * scale) / 2, y + (boxH - image.GetHeight() * scale) / 2);
      cairo_scale(cr, scale, scale);
      cairo_set_source_surface(cr, thumb, 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr), scale < 1 ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
      cairo_paint(cr);
      cairo_restore(cr);
      cairo_surface_destroy(thumb);
      DrawName(cr, x, y + boxH + 11, names[i]);
      DrawLabel(cr, x, y + boxH + 33, std::to_string(image.GetWidth()) + " x " + std::to_string(image.GetHeight()), 8,
                0.45, 0.45, 0.45);
    }
    cairo_destroy(cr);
    ++pages;
    char file[64];
    std::snprintf(file, sizeof file, "/images-%02i.png", pages);
    Tools::WritePng(outputFolder + file, FromSurface(page));
    cairo_surface_destroy(page);
  }
  return pages;
}

}  // namespace ContactSheet
