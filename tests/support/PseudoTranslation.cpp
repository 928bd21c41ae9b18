#include "PseudoTranslation.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QWidget>

namespace velmora::test {

QString PseudoTranslator::translate(const char* context, const char* sourceText, const char* disambiguation,
                                    int n) const {
  Q_UNUSED(context);
  Q_UNUSED(disambiguation);
  Q_UNUSED(n);
  if (sourceText == nullptr || *sourceText == '\0') return QString();
  return Marker + QString::fromUtf8(sourceText);
}

ScopedPseudoLanguage::ScopedPseudoLanguage() {
  QCoreApplication::installTranslator(&translator_);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  QCoreApplication::processEvents();
}

ScopedPseudoLanguage::~ScopedPseudoLanguage() {
  QCoreApplication::removeTranslator(&translator_);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  QCoreApplication::processEvents();
}

namespace {

class TextCollector {
 public:
  TextCollector(const QStringList& ignored, QStringList& out) : ignored_(ignored), out_(out) {}

  void check(const QString& text, const QObject* owner, const char* what) {
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    plain = plain.trimmed();
    if (plain.isEmpty() || text.contains(PseudoTranslator::Marker)) return;
    bool hasLetter = false;
    for (const QChar c : plain) hasLetter = hasLetter || c.isLetter();
    if (!hasLetter || ignored_.contains(plain) || ignored_.contains(text)) return;
    const QString name =
        owner != nullptr ? owner->metaObject()->className() + QStringLiteral(" ") + owner->objectName() : QString();
    const QString entry = QStringLiteral("%1 (%2 of %3)").arg(text, QString::fromLatin1(what), name.trimmed());
    if (!out_.contains(entry)) out_.append(entry);
  }

  void actions(const QList<QAction*>& list) {
    for (const QAction* a : list) {
      if (a->isSeparator()) continue;
      check(a->text(), a, "action");
      if (a->toolTip() != a->text() && a->toolTip() != QString(a->text()).remove(QLatin1Char('&')))
        check(a->toolTip(), a, "tool tip");
      if (a->menu() != nullptr) {
        check(a->menu()->title(), a->menu(), "menu");
        actions(a->menu()->actions());
      }
    }
  }

  void headers(const QAbstractItemView* view) {
    const QAbstractItemModel* model = view->model();
    if (model == nullptr) return;
    for (int c = 0; c < model->columnCount(); ++c)
      check(model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), view, "column header");
  }

  void widget(const QWidget* w) {
    check(w->windowTitle(), w, "window title");
    check(w->toolTip(), w, "tool tip");
    if (const auto* label = qobject_cast<const QLabel*>(w); label != nullptr && !label->text().isEmpty())
      check(label->text(), w, "label");
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) check(button->text(), w, "button");
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) check(box->title(), w, "group box");
    if (const auto* tabs = qobject_cast<const QTabBar*>(w))
      for (int i = 0; i < tabs->count(); ++i) check(tabs->tabText(i), w, "tab");
    if (const auto* combo = qobject_cast<const QComboBox*>(w); combo != nullptr && !combo->isEditable())
      for (int i = 0; i < combo->count(); ++i) check(combo->itemText(i), w, "combo item");
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) check(edit->placeholderText(), w, "placeholder");
    if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) headers(view);
    if (const auto* menu = qobject_cast<const QMenu*>(w)) check(menu->title(), w, "menu");
    actions(w->actions());
  }

 private:
  const QStringList& ignored_;
  QStringList& out_;
};

}  // namespace

QStringList untranslatedTexts(const QWidget* root, const QStringList& ignored) {
  QStringList out;
  if (root == nullptr) return out;
  TextCollector collector(ignored, out);
  collector.widget(root);
  for (const QWidget* child : root->findChildren<QWidget*>()) collector.widget(child);
  return out;
}

}  // namespace velmora::test
