#pragma once
// Image files as the game names them: without an extension the loader tries
// ".png", ".jpg", ".tga", ".dds" and ".jpeg" in that order; with one, the
// decoder is chosen by it (in any case). Names resolve case-insensitively.

#include "tessel/Strings.h"
#include "tessel/resources/ImageData.h"

namespace Tessel {

// Decodes folder + name. Failures are logged (unless silent) with the file
// and the reason, and give false; nothing throws.
bool LoadImageFile(const String& folder, const String& name, ImageData& image, bool silent = false);
// The 128 x 128 checkerboard that stands in for a missing required image.
ImageData MakePlaceholderImage();
// Writes a JPEG (the level thumbnails) through a temporary file; quality 1..100.
bool WriteJpegFile(const String& path, const ImageData& image, int quality);

}  // namespace Tessel
