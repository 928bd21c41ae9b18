#include "TPluginsManager.h"

namespace velmora {

TPluginsManager& TPluginsManager::instance() {
  static TPluginsManager hub;
  return hub;
}

TPlugin& TPluginsManager::Register() { return plugins_.emplace_back(); }

template <typename Member, typename... Args>
void TPluginsManager::notify(Member member, Args... args) {
  // A handler may register a further window; walk by index so that the new
  // subscription is reached in this round too, and copy the handler so that
  // it survives reassignment from inside itself.
  for (std::size_t i = 0; i < plugins_.size(); ++i) {
    auto handler = plugins_[i].*member;
    if (handler) handler(args...);
  }
}

void TPluginsManager::NotifySelectionChange(void* sender) { notify(&TPlugin::OnSelectionChange, sender); }
void TPluginsManager::NotifySelectionDone(void* sender) { notify(&TPlugin::OnSelectionDone, sender); }
void TPluginsManager::NotifyChartDrawn(void* sender) { notify(&TPlugin::OnChartDrawn, sender); }

void TPluginsManager::NotifyChartMouseMove(void* sender, int shift, int x, int y) {
  notify(&TPlugin::OnChartMouseMove, sender, shift, x, y);
}

void TPluginsManager::NotifyChartMouseDown(void* sender, int button, int shift, int x, int y) {
  notify(&TPlugin::OnChartMouseDown, sender, button, shift, x, y);
}

void TPluginsManager::NotifyChartMouseUp(void* sender, int button, int shift, int x, int y) {
  notify(&TPlugin::OnChartMouseUp, sender, button, shift, x, y);
}

void TPluginsManager::NotifyLanguageChange() {
  struct SwitchGuard {
    bool& flag;
    explicit SwitchGuard(bool& f) : flag(f) { flag = true; }
    ~SwitchGuard() { flag = false; }
  };
  {
    SwitchGuard guard(switching_);
    if (reloadNameTables_) reloadNameTables_();
    notify(&TPlugin::OnLanguageChange);
  }
  NotifySelectionDone(this);
}

}  // namespace velmora
