#include "game/rules/PropCatalogue.h"

#include "game/rules/ContentReading.h"
#include "tessel/Log.h"
#include "tessel/xml/XmlReader.h"

namespace Corvanta {

using namespace Tessel;

namespace {

PropCatalogue& CurrentProps() {
  static PropCatalogue current;
  return current;
}

DecorProp ReadDecor(const XmlReader& xml) {
  DecorProp prop;
  for (const XmlAttribute& a : xml.Attributes) {
    if (NameEquals(a.Name, "name")) {
      prop.Name = ToNarrow(a.Value);
    } else if (NameEquals(a.Name, "image")) {
      prop.Image = ToNarrow(a.Value);
    } else if (NameEquals(a.Name, "zorder")) {
      prop.ZOrder = ParseIntValue(xml, a.Value, "zorder");
    } else if (NameEquals(a.Name, "origin")) {
      ScanIntsInto(a.Value, {&prop.Origin.X, &prop.Origin.Y});
    }
  }
  return prop;
}

}  // namespace

Point DecorProp::GetOrigin(int imageWidth, int imageHeight) const {
  if (Origin.X == -1 && Origin.Y == -1) return {imageWidth / 2, imageHeight / 2};
  return Origin;
}

const DecorProp* PropCatalogue::Find(const String& name) const {
  const std::vector<DecorProp>& chain = Buckets[name.GetHash() & (NumBuckets - 1)];
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    if (it->Name == name) return &*it;
  return nullptr;
}

void PropCatalogue::Add(DecorProp prop) {
  if (prop.Name.IsEmpty()) return;
  Buckets[prop.Name.GetHash() & (NumBuckets - 1)].push_back(std::move(prop));
  ++Count;
}

PropCatalogue PropCatalogue::Read(XmlReader& xml) {
  PropCatalogue props;
  MoveToRoot(xml);
  xml.Read();
  // Decor elements count at any depth, so the walk goes into every element.
  VisitElementsToEnd(xml, [&](XmlReader& element) {
    if (NameEquals(element.Name, "Decor")) {
      DecorProp prop = ReadDecor(element);
      if (prop.Name.IsEmpty()) {
        PrintLog("warning: '%s'(%i): a Decor without a name is ignored.\n", element.GetPath(), element.GetLineNumber());
      }
      props.Add(std::move(prop));
    }
    element.Read();
  });
  return props;
}

PropCatalogue PropCatalogue::Load(const String& path) {
  XmlReader xml(path);
  return Read(xml);
}

const PropCatalogue& PropCatalogue::Current() { return CurrentProps(); }
void PropCatalogue::Install(PropCatalogue props) { CurrentProps() = std::move(props); }
void PropCatalogue::Reset() { CurrentProps() = PropCatalogue(); }

}  // namespace Corvanta
