#pragma once
// Helpers for the tests of the office and its vans: the real office with
// its vans on a map drawn as text, and a listener for the office's events.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/town/ConstructionVan.h"
#include "game/town/Office.h"
#include "game/town/VanManoeuvre.h"
#include "support/RecordingGraphicsDevice.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"
#include "town/BuildingTestSupport.h"

namespace Testing {

class OfficeListener : public Corvanta::MapListener {
public:
  void OnVanBought(Corvanta::Office*) override { VanEvents.push_back("OnVanBought"); }
  void OnVanDelivered(Corvanta::Office*) override { VanEvents.push_back("OnVanDelivered"); }
  void OnSpecialAbilityReady(Corvanta::Building* b) override {
    if (b->Kind == Corvanta::BDK_Office) AbilityEvents.push_back("OnSpecialAbilityReady");
  }
  void OnSpecialAbilityUsed(Corvanta::Building* b) override {
    if (b->Kind == Corvanta::BDK_Office) AbilityEvents.push_back("OnSpecialAbilityUsed");
  }
  std::vector<std::string> VanEvents;
  std::vector<std::string> AbilityEvents;
};

// A quad of a frame drawn with one of a van's eight pictures.
struct DrawnVanPicture {
  int Picture;  // the direction's index
  float CentreX, CentreY;
  uint32_t Diffuse;
};

// Draws a frame of the map and returns the quads drawn with the pictures.
inline std::vector<DrawnVanPicture> DrawVanPictures(Corvanta::Map& map, Tessel::Canvas& canvas,
                                                    RecordingGraphicsDevice& device,
                                                    const std::vector<std::unique_ptr<Tessel::Bitmap>>& pictures) {
  device.Calls.clear();
  map.Draw(canvas);
  canvas.Finish();
  std::vector<DrawnVanPicture> drawn;
  for (const RecordingGraphicsDevice::Call& call : device.Calls)
    for (size_t frame = 0; frame < pictures.size(); ++frame)
      if (call.Image == pictures[frame].get())
        for (const Tessel::Quad& quad : call.Quads)
          drawn.push_back({static_cast<int>(frame), (quad.Position[0].X + quad.Position[2].X) / 2,
                           (quad.Position[0].Y + quad.Position[2].Y) / 2, quad.Diffuse});
  return drawn;
}

class VanTest : public BuildingTest {
protected:
  void SetUp() override {
    BuildingTest::SetUp();
    map->AddListener(&officeEvents);
  }

  // The company's office with its vans at home.
  Corvanta::Office* PlaceRealOffice(int x, int y, int vans) {
    realOffice = new Corvanta::Office();
    map->PlaceBuilding(realOffice, x, y, false);
    if (vans > 0) realOffice->AddVans(vans);
    return realOffice;
  }
  Corvanta::ConstructionVan* Van(int index) { return realOffice->Vans[index]; }
  // Frames of 10 ms until the condition holds; false when it never did.
  bool RunUntil(const std::function<bool()>& condition, float maxSeconds = 60) {
    for (float t = 0; t < maxSeconds; t += 0.01f) {
      if (condition()) return true;
      map->Update(0.01f);
    }
    return condition();
  }

  Corvanta::Office* realOffice = nullptr;
  OfficeListener officeEvents;
};

}  // namespace Testing
