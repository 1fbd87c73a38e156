// What a HeadlessContainer holds: the shared core, the recording surface and, for a nested
// control, its place in the parent.
#pragma once

#include <memory>

#include "orvano/host/headless/core.h"

namespace orvano::host::headless {

class RecordingSurface : public Surface {
 public:
  explicit RecordingSurface(Core& core) : core_(core) {}
  void SetDrawStyle(DrawStyle style) override { core_.drawStyle = style; }
  DrawStyle GetDrawStyle() const override { return core_.drawStyle; }
  void Draw(float x1, float y1, float x2, float y2, Color color, DrawMode mode) override {
    core_.drawing.push_back({x1, y1, x2, y2, color, mode, core_.drawStyle});
  }

 private:
  Core& core_;
};

struct HeadlessContainer::State {
  State(HeadlessPlatform& platform, ScaleMode mode, float width, float height)
      : core(std::make_shared<Core>(platform, mode, width, height)), surface(*core) {}

  std::shared_ptr<Core> core;
  RecordingSurface surface;
  // Declared last, so it leaves the parent before the core it points to goes.
  std::unique_ptr<ChildWidget> asWidget;
};

}  // namespace orvano::host::headless
