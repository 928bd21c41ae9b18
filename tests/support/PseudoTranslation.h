#pragma once

// Test support for the language switch: a translator that turns every text
// into a visibly "translated" one, and a walk over a window that lists the
// texts still shown in the source language.

#include <QString>
#include <QStringList>
#include <QTranslator>

class QWidget;

namespace velmora::test {

// Every text passed through Qt's translation comes back with Marker in
// front, so a text without it was never translated.
class PseudoTranslator : public QTranslator {
 public:
  static inline const QString Marker = QStringLiteral("\u00bbru\u00ab");

  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                    int n = -1) const override;
};

// Installs a PseudoTranslator for its lifetime; both the installation and the
// removal deliver the language change to every window before returning.
class ScopedPseudoLanguage {
 public:
  ScopedPseudoLanguage();
  ~ScopedPseudoLanguage();
  ScopedPseudoLanguage(const ScopedPseudoLanguage&) = delete;
  ScopedPseudoLanguage& operator=(const ScopedPseudoLanguage&) = delete;

 private:
  PseudoTranslator translator_;
};

// The user-visible texts of the window and of everything in it (window
// title, labels, buttons, group boxes, tabs, actions and menus, item-view
// headers, combo-box items, placeholders and tool tips) that contain a letter
// and lack the marker. Hidden widgets count too: a page shown later must be
// translated as well. Texts listed in `ignored` (data such as file names or
// sample names) are left out.
QStringList untranslatedTexts(const QWidget* root, const QStringList& ignored = {});

}  // namespace velmora::test
