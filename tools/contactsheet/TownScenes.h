#pragma once
// Town scenes: the town's pictures put together the way the map draws them
// (background, road tiles by road mask, corner pieces by the corner table,
// buildings centred on their footprints, props by their origins), so the
// art is reviewed as a player sees it and not only one picture at a time.
//   town-roads.png     every landscape's roads on a small street grid
//   town-buildings-NN  every building kind at every level beside a road, and
//                      the same in the fall and under snow (-Fall-NN, -Snow-NN)
//   level-<Name>.png   each shipped level with its roads, buildings, props

#include <string>

namespace ContactSheet {

// Returns the number of pages written; pictures that are missing are left
// out of the scenes.
int WriteTownScenes(const std::string& dataFolder, const std::string& outputFolder);

}  // namespace ContactSheet
