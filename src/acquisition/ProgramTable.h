#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Message.h"
#include "TVAProgramsArray.h"

namespace velmora {

// The rows of the "Program" table: one per step of the set, 16 cells each,
// ordered program by program or step index by step index across programs.
// Cells are messages so the window shows the names in its language.
class ProgramTable {
 public:
  static constexpr int kColumns = 16;
  enum class Order { ByPrograms, BySteps };

  struct Row {
    std::int32_t program = 0;  // 0-based
    std::int32_t step = 0;
    std::array<Message, kColumns> cells;
  };

  static std::vector<Row> Build(const TVAProgramsArray& programs, Order order);
  static Row RowOf(const ProgramStep& step, std::int32_t program, std::int32_t index);
};

}  // namespace velmora
