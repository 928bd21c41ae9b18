#include "TMethodsMenuModel.h"

#include <algorithm>

namespace velmora {

TMethodsMenuModel TMethodsMenuModel::Build(const TMethods& methods, std::int32_t languageId) {
  TMethodsMenuModel model;
  for (std::size_t i = 0; i < methods.size(); ++i) {
    const TMethod& method = methods[i];
    if (method.UsesSampler()) {
      model.SamplerMethods.push_back(i);
      continue;
    }
    if (method.IsSimulation()) continue;
    model.Separator = true;
    TMethodMenuEntry item;
    item.Caption = method.Caption(languageId);
    item.MethodIndex = static_cast<std::ptrdiff_t>(i);
    const TLocalizedMethod* entry = method.DisplayLocalization(languageId);
    const std::string subMenu = entry != nullptr ? entry->SubMenu : std::string();
    if (subMenu.empty()) {
      model.Entries.insert(model.Entries.begin(), std::move(item));
      continue;
    }
    auto menu = std::find_if(model.Entries.begin(), model.Entries.end(),
                             [&](const TMethodMenuEntry& e) { return e.IsSubMenu() && e.Caption == subMenu; });
    if (menu == model.Entries.end()) {
      TMethodMenuEntry created;
      created.Caption = subMenu;
      menu = model.Entries.insert(model.Entries.begin(), std::move(created));
    }
    menu->Items.insert(menu->Items.begin(), std::move(item));
  }
  return model;
}

}  // namespace velmora
