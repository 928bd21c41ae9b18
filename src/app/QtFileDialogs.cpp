#include "QtFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "UiText.h"

namespace velmora {

namespace {

// "A|*.x; *.y|B|*.z" -> "A (*.x *.y);;B (*.z)".
QString QtFilter(const Message& filter) {
  const QStringList parts = UiText::message(filter).split(u'|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(u';', u' ');
    entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns.simplified());
  }
  return entries.join(QStringLiteral(";;"));
}

}  // namespace

std::optional<std::string> QtFileDialogs::openFile(const Message& filter) {
  const QString file = QFileDialog::getOpenFileName(parent_, QString(), QString(), QtFilter(filter));
  if (file.isEmpty()) return std::nullopt;
  return UiText::toStd(file);
}

std::vector<std::string> QtFileDialogs::openFiles(const Message& filter, const std::string&) {
  std::vector<std::string> files;
  for (const QString& f : QFileDialog::getOpenFileNames(parent_, QString(), QString(), QtFilter(filter)))
    files.push_back(UiText::toStd(f));
  return files;
}

std::optional<std::string> QtFileDialogs::saveFile(const Message& filter, const std::string& defaultExtension,
                                                   const std::string& initialFile) {
  QFileDialog dialog(parent_, QString(), UiText::fromStd(initialFile), QtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  QString suffix = UiText::fromStd(defaultExtension);
  if (suffix.startsWith(u'.')) suffix.remove(0, 1);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return UiText::toStd(dialog.selectedFiles().front());
}

}  // namespace velmora
