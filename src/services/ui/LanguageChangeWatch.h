#pragma once

#include <QObject>
#include <functional>

namespace velmora {

// Calls a function whenever the watched object receives a language change,
// for the parts of a window that are no widget of their own (hosts and
// presenters that set texts on widgets they do not subclass). It lives as
// the watched object's child.
class LanguageChangeWatch : public QObject {
 public:
  LanguageChangeWatch(QObject* watched, std::function<void()> onChange);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> onChange_;
};

}  // namespace velmora
