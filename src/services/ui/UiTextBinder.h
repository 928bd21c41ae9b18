#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace velmora {

// Remembers which widget shows which source text so that a window can set
// every caption again after a language change. Texts are translated in the
// binder's context; mark them with QT_TRANSLATE_NOOP in that context.
class UiTextBinder {
 public:
  explicit UiTextBinder(const char* context) : context_(context) {}

  // Labels, buttons, check and radio boxes take the text; group boxes their
  // title. Returns the widget for chaining.
  template <typename W>
  W* bind(W* widget, const char* source) {
    entries_.push_back({widget, source});
    apply(widget, source);
    return widget;
  }
  // Sets every bound text again in the current language.
  void retranslate() const;
  QString text(const char* source) const;

 private:
  struct Entry {
    QPointer<QWidget> widget;
    const char* source;
  };
  void apply(QWidget* widget, const char* source) const;

  const char* context_;
  std::vector<Entry> entries_;
};

}  // namespace velmora
