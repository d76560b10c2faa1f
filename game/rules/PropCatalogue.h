#pragma once
// PropCatalogue: the decoration props that level maps may place, from
// "./data/Props.xml", looked up by name.
//
// A hash table of 256 chains keyed by the name's string hash; a new entry
// goes to the front of its chain, so a name given twice finds the later
// entry. A value like Balance, installed once as the process-wide catalogue.

#include <vector>

#include "tessel/Strings.h"
#include "tessel/text/ValueParsers.h"

namespace Tessel {
class XmlReader;
}

namespace Corvanta {

struct DecorProp {
  Tessel::String Name;
  Tessel::String Image;           // image resource name
  Tessel::Point Origin{-1, -1};   // pixel of the image placed on the decor's position
  int ZOrder = 0;                 // below 0: drawn beneath the buildings

  bool IsUnderlay() const { return ZOrder < 0; }
  // The origin, or the image's centre while the file gave none (both -1).
  Tessel::Point GetOrigin(int imageWidth, int imageHeight) const;
};

class PropCatalogue {
public:
  static constexpr int NumBuckets = 256;

  // The prop of that name (exact), or null.
  const DecorProp* Find(const Tessel::String& name) const;
  // Puts the prop in front of its chain; a prop without a name is not kept.
  void Add(DecorProp prop);
  int GetCount() const { return Count; }

  // Reads every "Decor" element, at any depth. Throws ContentException on a
  // missing, malformed or cut-off file.
  static PropCatalogue Load(const Tessel::String& path);
  static PropCatalogue Read(Tessel::XmlReader& xml);

  static const PropCatalogue& Current();
  static void Install(PropCatalogue props);
  static void Reset();

private:
  // Each chain from its back: the newest entry is at the end.
  std::vector<DecorProp> Buckets[NumBuckets];
  int Count = 0;
};

}  // namespace Corvanta
