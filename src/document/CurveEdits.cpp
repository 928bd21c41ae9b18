#include "CurveEdits.h"

#include "TArrayDataStruct.h"
#include "WorkSplit.h"

namespace velmora {

std::optional<std::vector<TDataArr>> CurveEdits::Compute(const std::vector<const TDataArr*>& inputs, const Edit& edit,
                                                         const std::atomic<bool>* cancel,
                                                         std::atomic<std::size_t>* done) {
  std::vector<TDataArr> results(inputs.size());
  WorkSplit::ForEach(
      inputs.size(),
      [&](std::size_t i) {
        results[i] = edit(*inputs[i]);
        if (done) ++*done;
      },
      cancel);
  if (cancel && cancel->load()) return std::nullopt;
  return results;
}

void CurveEdits::Put(const std::vector<TArrayDataStruct*>& curves, std::vector<TDataArr>&& results) {
  for (std::size_t i = 0; i < curves.size() && i < results.size(); ++i) curves[i]->SetData(std::move(results[i]));
}

void CurveEdits::Apply(const std::vector<TArrayDataStruct*>& curves, const Edit& edit) {
  std::vector<const TDataArr*> inputs;
  inputs.reserve(curves.size());
  for (const TArrayDataStruct* c : curves) inputs.push_back(&c->Data);
  auto results = Compute(inputs, edit);
  if (results) Put(curves, std::move(*results));
}

}  // namespace velmora
