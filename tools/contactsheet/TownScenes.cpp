#include "contactsheet/TownScenes.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <vector>

#include "common/Image.h"
#include "contactsheet/CairoPage.h"

namespace ContactSheet {

namespace {

constexpr int Square = 40;

// The footprints of the building kinds, in squares.
struct KindShape {
  const char* Name;
  int Width, Height, Pictures;
};
const KindShape Kinds[] = {
    {"Bungalow", 3, 3, 4},   {"BrickHouse", 3, 3, 4},     {"TwoStorey", 3, 3, 4},     {"Duplex", 3, 2, 4},
    {"Apartments", 3, 3, 4}, {"Mansion", 4, 2, 4},        {"Chateau", 4, 3, 4},       {"Office", 3, 2, 3},
    {"Workshop", 2, 2, 1},   {"Shop", 2, 2, 1},           {"AmusementPark", 3, 3, 1}, {"Cinema", 4, 3, 1},
    {"Dealership", 4, 3, 1}, {"Tree", 1, 1, 1},           {"Fountain", 1, 1, 1},      {"Park", 2, 2, 1},
    {"Statue", 2, 2, 1},     {"ChineseGarden", 3, 3, 1},  {"Bridge", 4, 1, 1},        {"Stadium", 5, 4, 1},
    {"SteelWorks", 5, 5, 1}, {"WindPowerplant", 7, 6, 1}, {"Airport", 12, 3, 1},      {"Hotel", 5, 4, 1},
};

const KindShape* FindKind(const std::string& name) {
  for (const KindShape& kind : Kinds)
    if (name == kind.Name) return &kind;
  return nullptr;
}

// The corner pieces by road mask (top-left, top-right, bottom-left, bottom-right).
const int CornerTable[16][4] = {
    {10, 11, 14, 15}, {0, 11, 4, 15}, {10, 1, 14, 5}, {0, 1, 4, 5},   {10, 11, 6, 7}, {0, 11, 12, 7},
    {10, 1, 6, 13},   {0, 1, 12, 13}, {2, 3, 14, 15}, {8, 3, 4, 15},  {2, 9, 14, 5},  {8, 9, 4, 5},
    {2, 3, 6, 7},     {8, 3, 12, 7},  {2, 9, 6, 13},  {8, 9, 12, 13},
};

class Scene {
public:
  Scene(std::string dataFolder, int width, int height) : Data(std::move(dataFolder)) {
    Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    Cr = cairo_create(Surface);
  }
  ~Scene() {
    for (auto& [name, surface] : Images)
      if (surface) cairo_surface_destroy(surface);
    cairo_destroy(Cr);
    cairo_surface_destroy(Surface);
  }

  cairo_surface_t* Image(const std::string& name) {
    auto found = Images.find(name);
    if (found != Images.end()) return found->second;
    cairo_surface_t* surface = nullptr;
    std::string path = Data + name + ".png";
    if (std::filesystem::exists(path)) surface = ToSurface(Tools::ReadPng(path));
    Images[name] = surface;
    return surface;
  }
  int Width(cairo_surface_t* s) { return cairo_image_surface_get_width(s); }
  int Height(cairo_surface_t* s) { return cairo_image_surface_get_height(s); }

  void Draw(cairo_surface_t* image, double x, double y) {
    if (!image) return;
    cairo_set_source_surface(Cr, image, x, y);
    cairo_paint(Cr);
  }
  void DrawPart(cairo_surface_t* image, double sx, double sy, double w, double h, double x, double y) {
    if (!image) return;
    cairo_save(Cr);
    cairo_rectangle(Cr, x, y, w, h);
    cairo_clip(Cr);
    cairo_set_source_surface(Cr, image, x - sx, y - sy);
    cairo_paint(Cr);
    cairo_restore(Cr);
  }
  void Fill(double r, double g, double b) {
    cairo_set_source_rgb(Cr, r, g, b);
    cairo_paint(Cr);
  }
  void TileWith(const std::string& name) {
    cairo_surface_t* tile = Image(name);
    if (!tile) return;
    cairo_pattern_t* p = cairo_pattern_create_for_surface(tile);
    cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
    cairo_set_source(Cr, p);
    cairo_paint(Cr);
    cairo_pattern_destroy(p);
  }

  // Roads on a grid of squares whose (0, 0) lies at the offset, drawn as the map does.
  void DrawRoads(const std::string& roadImage, const std::vector<std::vector<bool>>& roads, double ox, double oy) {
    cairo_surface_t* image = Image(roadImage);
    int rows = int(roads.size()), columns = rows ? int(roads[0].size()) : 0;
    auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < columns && y < rows && roads[y][x]; };
    for (int y = 0; y < rows; ++y) {
      for (int x = 0; x < columns; ++x) {
        int mask = (at(x - 1, y) ? 1 : 0) | (at(x + 1, y) ? 2 : 0) | (at(x, y + 1) ? 4 : 0) | (at(x, y - 1) ? 8 : 0);
        double px = ox + x * Square, py = oy + y * Square;
        if (at(x, y)) {
          DrawPart(image, (mask % 4) * Square, (mask / 4) * Square, Square, Square, px, py);
          continue;
        }
        const int sides[4] = {1 | 8, 2 | 8, 1 | 4, 2 | 4};
        const int dx[4] = {-1, 1, -1, 1}, dy[4] = {-1, -1, 1, 1};
        for (int corner = 0; corner < 4; ++corner) {
          int piece = CornerTable[mask][corner];
          if ((mask & sides[corner]) == 0 && !at(x + dx[corner], y + dy[corner])) continue;
          DrawPart(image, 160 + (piece % 4) * 20, (piece / 4) * 20, 20, 20, px + (corner % 2) * 20,
                   py + (corner / 2) * 20);
        }
      }
    }
  }

  // A building's picture centred on its footprint, as the map places it;
  // with a landscape ("Fall", "Snow") its picture for that landscape.
  void DrawBuilding(const KindShape& kind, int level, double squareX, double squareY, const std::string& land = "") {
    cairo_surface_t* image = nullptr;
    for (int n = std::min(level, kind.Pictures - 1); n >= 0 && !image; --n) {
      char name[128];
      if (land.empty())
        std::snprintf(name, sizeof name, "images/buildings/%s/%02i", kind.Name, n + 1);
      else
        std::snprintf(name, sizeof name, "images/buildings/%s/Decor/%s%02i", kind.Name, land.c_str(), n + 1);
      image = Image(name);
    }
    if (!image) return;
    double x = squareX + (kind.Width * Square - Width(image)) / 2.0;
    double y = squareY + (kind.Height * Square - Height(image)) / 2.0;
    Draw(image, std::round(x), std::round(y));
  }

  void Label(double x, double y, const std::string& text) { DrawLabel(Cr, x, y, text, 11, 0.1, 0.1, 0.1); }

  void Write(const std::string& path) { Tools::WritePng(path, FromSurface(Surface)); }

  cairo_t* Cr;

private:
  std::string Data;
  cairo_surface_t* Surface;
  std::map<std::string, cairo_surface_t*> Images;
};

using Grid = std::vector<std::vector<bool>>;

Grid StreetGrid(int columns, int rows) {
  Grid g(size_t(rows), std::vector<bool>(size_t(columns), false));
  for (int x = 0; x < columns; ++x) g[1][size_t(x)] = g[size_t(rows - 2)][size_t(x)] = true;
  for (int y = 1; y < rows - 1; ++y) g[size_t(y)][1] = g[size_t(y)][size_t(columns / 2)] = true;
  // A dead end, a lone square, a bend and a cul-de-sac loop.
  for (int y = 2; y < 4; ++y) g[size_t(y)][size_t(columns - 3)] = true;
  g[size_t(rows / 2)][size_t(columns - 2)] = true;
  for (int x = 3; x < 6; ++x) g[size_t(rows / 2)][size_t(x)] = true;
  g[size_t(rows / 2 + 1)][5] = g[size_t(rows / 2 + 2)][5] = true;
  return g;
}

void WriteRoadScene(const std::string& data, const std::string& out) {
  const int columns = 12, rows = 8;
  const char* lands[4] = {"Forest", "Fall", "Snow", "Tropic"};
  const double ground[4][3] = {{0.44, 0.75, 0.29}, {0.62, 0.69, 0.29}, {0.93, 0.95, 0.97}, {0.49, 0.78, 0.31}};
  Scene scene(data, 2 * columns * Square + 30, 2 * rows * Square + 60);
  scene.Fill(1, 1, 1);
  Grid grid = StreetGrid(columns, rows);
  for (int i = 0; i < 4; ++i) {
    double ox = 10 + (i % 2) * (columns * Square + 10), oy = 25 + (i / 2) * (rows * Square + 25);
    cairo_save(scene.Cr);
    cairo_rectangle(scene.Cr, ox, oy, columns * Square, rows * Square);
    cairo_clip(scene.Cr);
    cairo_set_source_rgb(scene.Cr, ground[i][0], ground[i][1], ground[i][2]);
    cairo_paint(scene.Cr);
    if (i == 0) {
      cairo_translate(scene.Cr, ox, oy);
      scene.TileWith("images/Grass");
      cairo_translate(scene.Cr, -ox, -oy);
    }
    scene.DrawRoads(std::string("images/Roads/") + lands[i], grid, ox, oy);
    cairo_restore(scene.Cr);
    scene.Label(ox, oy - 6, lands[i]);
  }
  scene.Write(out + "/town-roads.png");
}

// Every kind and level in rows along streets, in a landscape: "" for the
// pictures themselves on grass, "Fall" or "Snow" for their variants.
int WriteBuildingScenes(const std::string& data, const std::string& out, const std::string& land) {
  struct Placed {
    const KindShape* Kind;
    int Level;
  };
  std::vector<Placed> all;
  for (const KindShape& kind : Kinds)
    for (int level = 0; level < kind.Pictures; ++level) all.push_back({&kind, level});
  const int columns = 30, bandRows = 7;
  int pages = 0;
  size_t next = 0;
  while (next < all.size()) {
    const int bands = 3, rows = bands * bandRows;
    Scene scene(data, columns * Square, rows * Square);
    if (land == "Snow") {
      scene.Fill(0.93, 0.95, 0.97);
    } else if (land == "Fall") {
      scene.Fill(0.62, 0.69, 0.29);
    } else {
      scene.Fill(0.44, 0.75, 0.29);
      scene.TileWith("images/Grass");
    }
    Grid roads(size_t(rows), std::vector<bool>(size_t(columns), false));
    struct Spot {
      Placed What;
      int X, Y;
    };
    std::vector<Spot> spots;
    for (int band = 0; band < bands && next < all.size(); ++band) {
      int top = band * bandRows;
      for (int x = 0; x < columns; ++x) roads[size_t(top + bandRows - 1)][size_t(x)] = true;
      int x = 1;
      while (next < all.size()) {
        const KindShape& k = *all[next].Kind;
        if (x + k.Width > columns - 1) break;
        spots.push_back({all[next], x, top + bandRows - 1 - k.Height});
        x += k.Width + 1;
        ++next;
      }
    }
    scene.DrawRoads("images/Roads/" + (land.empty() ? std::string("Forest") : land), roads, 0, 0);
    std::sort(spots.begin(), spots.end(),
              [](const Spot& a, const Spot& b) { return a.Y + a.What.Kind->Height < b.Y + b.What.Kind->Height; });
    for (const Spot& s : spots) scene.DrawBuilding(*s.What.Kind, s.What.Level, s.X * Square, s.Y * Square, land);
    for (const Spot& s : spots) {
      char label[64];
      std::snprintf(label, sizeof label, "%s %i", s.What.Kind->Name, s.What.Level);
      scene.Label(s.X * Square, (s.Y + s.What.Kind->Height) * Square + 14, label);
    }
    char file[64];
    std::snprintf(file, sizeof file, "/town-buildings%s%s-%02i.png", land.empty() ? "" : "-", land.c_str(), ++pages);
    scene.Write(out + file);
  }
  return pages;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Attribute(const std::string& element, const std::string& name) {
  std::smatch m;
  if (std::regex_search(element, m, std::regex("\\b" + name + "=\"([^\"]*)\"", std::regex::icase))) return m[1];
  return "";
}

std::vector<int> Numbers(const std::string& text) {
  std::vector<int> v;
  std::stringstream s(text);
  for (int n; s >> n;) v.push_back(n);
  return v;
}

// A shipped level: its background tiles, roads, buildings and props.
bool WriteLevelScene(const std::string& data, const std::string& level, const std::string& out) {
  std::string xml = ReadText(data + "levels/" + level + ".xml");
  std::smatch m;
  if (!std::regex_search(xml, m, std::regex("<Map[^>]*>"))) return false;
  std::string map = m[0];
  std::vector<int> size = Numbers(Attribute(map, "size")), bg = Numbers(Attribute(map, "backgroundSize"));
  std::vector<int> offset = Numbers(Attribute(map, "squaresOffset"));
  std::string background = Attribute(map, "backgroundImage"), setting = Attribute(map, "decorSetting");
  if (size.size() != 2 || bg.size() != 2 || offset.size() != 2) return false;
  Scene scene(data, bg[0], bg[1]);
  scene.Fill(0.5, 0.5, 0.5);
  // Tiles "B/cr", laid out left to right, top to bottom.
  double y = 0;
  for (int r = 0; r < 10; ++r) {
    double x = 0, rowHeight = 0;
    for (int c = 0; c < 10; ++c) {
      cairo_surface_t* tile = scene.Image(background + "/" + std::to_string(c) + std::to_string(r));
      if (!tile) break;
      scene.Draw(tile, x, y);
      x += scene.Width(tile);
      rowHeight = std::max<double>(rowHeight, scene.Height(tile));
    }
    y += rowHeight;
  }
  if (cairo_surface_t* whole = scene.Image(background)) scene.Draw(whole, 0, 0);
  Grid roads(size_t(size[1]), std::vector<bool>(size_t(size[0]), false));
  if (std::regex_search(xml, m, std::regex("<Roads>([^<]*)</Roads>"))) {
    std::vector<int> n = Numbers(m[1]);
    for (size_t i = 1; i + 1 < n.size(); i += 2) roads[size_t(n[i + 1])][size_t(n[i])] = true;
  }
  std::string land = setting == "Fall" || setting == "Snow" || setting == "Tropic" ? setting : "Forest";
  scene.DrawRoads("images/Roads/" + land, roads, offset[0], offset[1]);
  // Props beneath, then buildings and props in order of their bottom rows.
  std::string props = ReadText(data + "Props.xml");
  struct Item {
    double Order;
    std::function<void()> Draw;
  };
  std::vector<Item> items;
  const std::regex decorElement("<Decor [^>]*>"), buildingElement("<Building [^>]*>");
  for (std::sregex_iterator it(xml.begin(), xml.end(), decorElement), end; it != end; ++it) {
    std::string e = it->str(), name = Attribute(e, "name");
    std::vector<int> at = Numbers(Attribute(e, "position"));
    std::smatch d;
    if (at.size() != 2 || !std::regex_search(props, d, std::regex("<Decor name=\"" + name + "\"[^>]*>"))) continue;
    std::string prop = d[0];
    cairo_surface_t* image = scene.Image(Attribute(prop, "image"));
    if (!image) continue;
    std::vector<int> origin = Numbers(Attribute(prop, "origin"));
    if (origin.size() != 2) origin = {scene.Width(image) / 2, scene.Height(image) / 2};
    bool under = Attribute(prop, "zorder").rfind('-', 0) == 0;
    double px = at[0] - origin[0], py = at[1] - origin[1];
    items.push_back({under ? -1e6 + at[1] : at[1], [&scene, image, px, py] { scene.Draw(image, px, py); }});
  }
  for (std::sregex_iterator it(xml.begin(), xml.end(), buildingElement), end; it != end; ++it) {
    std::string e = it->str();
    const KindShape* kind = FindKind(Attribute(e, "type"));
    std::vector<int> at = Numbers(Attribute(e, "square"));
    if (!kind || at.size() != 2) continue;
    std::vector<int> upgrade = Numbers(Attribute(e, "upgrade"));
    int level = upgrade.empty() ? 0 : upgrade[0];
    double sx = offset[0] + at[0] * Square, sy = offset[1] + at[1] * Square;
    items.push_back(
        {sy + kind->Height * Square, [&scene, kind, level, sx, sy] { scene.DrawBuilding(*kind, level, sx, sy); }});
  }
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.Order < b.Order; });
  for (const Item& item : items) item.Draw();
  scene.Write(out + "/level-" + level + ".png");
  return true;
}

}  // namespace

int WriteTownScenes(const std::string& dataFolder, const std::string& outputFolder) {
  std::string data = dataFolder + "/";
  WriteRoadScene(data, outputFolder);
  int pages = 1;
  for (const char* land : {"", "Fall", "Snow"}) pages += WriteBuildingScenes(data, outputFolder, land);
  if (std::filesystem::exists(data + "levels")) {
    for (const auto& entry : std::filesystem::directory_iterator(data + "levels")) {
      std::string file = entry.path().filename().string();
      if (entry.path().extension() != ".xml" || file.find('.') != file.rfind('.')) continue;
      if (file == "LevelProgression.xml") continue;
      if (WriteLevelScene(data, file.substr(0, file.size() - 4), outputFolder)) ++pages;
    }
  }
  return pages;
}

}  // namespace ContactSheet
