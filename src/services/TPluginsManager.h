#pragma once

#include <deque>
#include <functional>

#include "TPlugin.h"

namespace velmora {

// The notification hub: tool windows follow the main window through it
// without the main window knowing them. Each window registers one
// subscription when it is created and fills in the handlers it needs; the
// hub calls every assigned handler of a kind in registration order.
// Subscriptions live as long as the hub. All calls happen on the
// user-interface thread.
class TPluginsManager {
 public:
  TPluginsManager() = default;
  TPluginsManager(const TPluginsManager&) = delete;
  TPluginsManager& operator=(const TPluginsManager&) = delete;

  // The process-wide hub, created on first use (at start-up, before the
  // windows).
  static TPluginsManager& instance();

  // A new subscription with no handler assigned. The reference stays valid
  // for the hub's lifetime.
  TPlugin& Register();

  void NotifySelectionChange(void* sender);
  void NotifySelectionDone(void* sender);
  void NotifyChartDrawn(void* sender);
  void NotifyChartMouseMove(void* sender, int shift, int x, int y);
  void NotifyChartMouseDown(void* sender, int button, int shift, int x, int y);
  void NotifyChartMouseUp(void* sender, int button, int shift, int x, int y);
  // Switching is set meanwhile; the shared name tables are reloaded first,
  // then every OnLanguageChange runs, then NotifySelectionDone(this).
  void NotifyLanguageChange();

  // True while a language switch re-reads the windows: input handlers that
  // would react to programmatic value changes return at once.
  bool Switching() const { return switching_; }
  // The language switch raises the flag while the windows re-read their
  // texts, before NotifyLanguageChange (which lowers it when done).
  void setSwitching(bool on) { switching_ = on; }

  // Reloads the shared name tables (measurement types, units, ...) in the
  // current language; set by whoever keeps those tables.
  void setNameTablesReloader(std::function<void()> reloader) { reloadNameTables_ = std::move(reloader); }

  std::size_t count() const { return plugins_.size(); }

 private:
  template <typename Member, typename... Args>
  void notify(Member member, Args... args);

  // A deque keeps references stable while windows register.
  std::deque<TPlugin> plugins_;
  bool switching_ = false;
  std::function<void()> reloadNameTables_;
};

}  // namespace velmora
