#pragma once
// A panel with bevelled edges that groups the controls placed on it, and an image that
// shows one icon resource of the executable, stretched to its bounds.
#include <string>

#include "toolkit/Control.h"

enum class TBevelCut { None, Lowered, Raised };

class TPanel : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TPanel"; }
  // The outer bevel is drawn at the edge, the inner one just inside it.
  TBevelCut BevelOuter = TBevelCut::Raised;
  TBevelCut BevelInner = TBevelCut::None;
};

class TIconImage : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TIconImage"; }
  int IconResource = 1;
};
