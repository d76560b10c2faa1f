#pragma once
// Trees, bushes, flowers and hedges: the green things of every picture, the
// landscapes', the gardens' and the props'. Each stands on its base point
// (where its trunk meets the ground) and rises above it; shadows are laid
// separately, so that a picture can gather all of them into one pass.

#include <vector>

#include "townart/Kit.h"
#include "townart/Landscape.h"

namespace TownArt {

enum TreeKind { TREE_Round, TREE_Pine, TREE_Birch, TREE_Palm, TREE_Bush };

struct TreeSpec {
  TreeKind Kind = TREE_Round;
  double X = 0, Y = 0;  // base point
  double Size = 30;     // canopy height, roughly
  double Spread = 1;    // a palm's fronds, as a part of their usual length
  uint64_t Seed = 1;
};

// The tree's shadow on the ground as a path (add several to one shadow pass).
void TreeShadowPath(cairo_t* cr, const TreeSpec& tree);
void DrawTree(cairo_t* cr, const TreeSpec& tree, const LandPalette& pal);

// Draws the trees farthest back first, with one shadow pass under them all.
void DrawTrees(Picture& picture, std::vector<TreeSpec> trees, const LandPalette& pal, double shadowAlpha = 0.3);

// Small blossoms scattered over a rectangle.
void DrawFlowers(cairo_t* cr, double x, double y, double w, double h, int count, uint64_t seed, double size = 1.6);
// A clipped hedge along a rectangle, its top lit.
void DrawHedge(Picture& picture, double x, double y, double w, double h, const LandPalette& pal);

}  // namespace TownArt
