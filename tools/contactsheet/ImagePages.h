#pragma once
// Pages of thumbnails: every PNG of the data folder (font atlases aside),
// scaled down to fit its cell over a checkerboard that shows transparency,
// with its name as the game asks for it (no extension).

#include <string>

namespace ContactSheet {

// Returns the number of pages written (images-NN.png).
int WriteImagePages(const std::string& dataFolder, const std::string& outputFolder);

}  // namespace ContactSheet
