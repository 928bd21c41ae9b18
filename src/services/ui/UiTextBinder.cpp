#include "UiTextBinder.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>

namespace velmora {

QString UiTextBinder::text(const char* source) const { return QCoreApplication::translate(context_, source); }

void UiTextBinder::apply(QWidget* widget, const char* source) const {
  const QString t = text(source);
  if (auto* label = qobject_cast<QLabel*>(widget))
    label->setText(t);
  else if (auto* button = qobject_cast<QAbstractButton*>(widget))
    button->setText(t);
  else if (auto* group = qobject_cast<QGroupBox*>(widget))
    group->setTitle(t);
  else
    widget->setWindowTitle(t);
}

void UiTextBinder::retranslate() const {
  for (const Entry& e : entries_)
    if (e.widget) apply(e.widget, e.source);
}

}  // namespace velmora
