#include "NumericEditFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "NumericKeyRule.h"

namespace velmora {

bool NumericEditFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) ||
      key->matches(QKeySequence::Undo) || key->matches(QKeySequence::SelectAll)) {
    return false;
  }
  const QString text = key->text();
  // Keys without text: backspace, delete, arrows, home, end, tab, enter.
  if (text.isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
      key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape) {
    return false;
  }
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return true;
  const QByteArray current = edit->text().toUtf8();
  for (const QChar ch : text) {
    if (!NumericKeyRule::Accepts(ch.unicode(), std::string_view(current.constData(), current.size()))) return true;
  }
  return false;
}

}  // namespace velmora
