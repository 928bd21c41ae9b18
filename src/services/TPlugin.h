#pragma once

#include <functional>

namespace velmora {

// One window's subscription to the notification hub. Every handler is
// optional; an empty one is skipped. Senders are passed as opaque pointers:
// the hub never looks at them.
class TPlugin {
 public:
  // Shift state bits, as the windows pass them on.
  enum ShiftState : int { ShiftKey = 1, AltKey = 2, CtrlKey = 4, LeftButton = 8, RightButton = 16, MiddleButton = 32 };
  // Mouse buttons.
  enum Button : int { ButtonLeft = 0, ButtonRight = 1, ButtonMiddle = 2 };

  using SenderHandler = std::function<void(void* sender)>;
  using MouseMoveHandler = std::function<void(void* sender, int shift, int x, int y)>;
  using MouseButtonHandler = std::function<void(void* sender, int button, int shift, int x, int y)>;
  using LanguageHandler = std::function<void()>;

  // In the order the hub documents them.
  SenderHandler OnSelectionDone;
  SenderHandler OnSelectionChange;
  SenderHandler OnChartDrawn;
  MouseMoveHandler OnChartMouseMove;
  MouseButtonHandler OnChartMouseDown;
  MouseButtonHandler OnChartMouseUp;
  LanguageHandler OnLanguageChange;

  // True when no handler is assigned.
  bool empty() const;
};

}  // namespace velmora
