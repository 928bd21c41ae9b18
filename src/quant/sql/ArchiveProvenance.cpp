#include "ArchiveProvenance.h"

#include <pwd.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QFile>
#include <QSysInfo>

namespace velmora {

std::string ArchiveProvenance::FileSha256(const std::string& path) {
  if (path.empty()) return {};
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return {};
  return hash.result().toHex().toStdString();
}

std::string ArchiveProvenance::Workstation() { return QSysInfo::machineHostName().toStdString(); }

std::string ArchiveProvenance::OperatorName() {
  // The account's name first: $USER may be left over from another user
  // (su, sudo).
  std::string name;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name) name = pw->pw_name;
  if (name.empty())
    if (const char* user = ::getenv("USER")) name = user;
  return name;
}

}  // namespace velmora
