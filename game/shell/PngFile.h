#pragma once
// Writes a captured frame (B, G, R, A rows, top first) as an RGB PNG file.

#include <string>

#include "tessel/resources/ImageData.h"

namespace Corvanta {

// False with the reason in *error when the file cannot be written.
bool WritePngFile(const std::string& path, const Tessel::ImageData& image, std::string* error);

}  // namespace Corvanta
