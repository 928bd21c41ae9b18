#include "UpdateTourShots.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "AssemblyHost.h"
#include "AssemblyPlan.h"
#include "LocalHttpServer.h"
#include "MainWindow.h"
#include "MessageSink.h"
#include "ProgramVersion.h"
#include "TAssemblyForm.h"
#include "TUpdateForm.h"
#include "UpdateDownloader.h"
#include "UpdateSigningKey.h"

namespace velmora {

namespace {

void settleFor(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
}

bool waitUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QApplication::processEvents();
    QThread::msleep(5);
  }
  return true;
}

}  // namespace

int UpdateTourShots::programUpdate(MainWindow& w, const QString& folder) {
  LocalHttpServer server;
  if (!server.listen()) return 0;
  // A release five weeks newer than this build.
  const QString own = QString::fromStdString(ProgramVersion::BuildDate());
  const QString newer =
      QDate::fromString(own, QStringLiteral("yyyy.MM.dd")).addDays(37).toString(QStringLiteral("yyyy.MM.dd"));
  const QString name = QStringLiteral("velmora-va_%1_amd64.deb").arg(newer);
  QByteArray installer(23871488, '\0');
  for (qsizetype i = 0; i < installer.size(); ++i) installer[i] = static_cast<char>((i * 131 + 7) % 251);
  const QByteArray sum = QCryptographicHash::hash(installer, QCryptographicHash::Sha256).toHex();
  const QByteArray catalogue = newer.toLatin1() + "\n" + QByteArray::number(installer.size()) + "\n" +
                               server.url("/va/" + name).toEncoded() + "\n\n\n\n" + sum + "\n";
  server.setBody(QStringLiteral("/va/catalogue.txt"), catalogue);
  // The stand-in publisher signs with a key of its own, made for the picture.
  const UpdateSigningKey key = UpdateSigningKey::Generate();
  server.setBody(QStringLiteral("/va/catalogue.txt.sig"),
                 QByteArray::fromStdString(key.SignatureFile(catalogue.toStdString())));
  server.setBody(QStringLiteral("/va/notes_ENU.rtf"),
                 "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 What is new in " + newer.toLatin1() +
                     "\\par\\par"
                     "\\bullet\\tab Peak search keeps overlapping Pb and Cu peaks apart on high backgrounds.\\par"
                     "\\bullet\\tab The calculation window remembers the units of each element.\\par"
                     "\\bullet\\tab Calibrations can be printed with their regression figures.\\par"
                     "\\bullet\\tab Faster opening of documents with thousands of curves.\\par\\par"
                     " Fixed\\par"
                     "\\bullet\\tab The autosampler waits for the electrode to rise before it turns.\\par"
                     "\\bullet\\tab Exported spreadsheets keep the decimal comma of the system.\\par}");
  LocalHttpServer::Route stalled{installer};
  stalled.stallAfter = 14155776;
  server.setRoute("/va/" + name, stalled);

  QObject owner;
  QNetworkAccessManager* network = UpdateDownloader::createNetwork(&owner, false);
  NullMessageSink quiet;
  TUpdateForm form(*network, quiet, &w);
  form.setOwnVersion(own);
  form.setCatalogueUrl(server.url(QStringLiteral("/va/catalogue.txt")));
  form.setPublicKey(key.PublicKey());
  form.setNotesTemplate(server.url(QStringLiteral("/va/")).toString() + QStringLiteral("notes_%s.rtf"));
  // Nothing of the picture's download stays behind.
  QTemporaryDir temp;
  form.setTemporaryFolder(temp.path());
  form.checkOnDemand();
  int written = 0;
  if (waitUntil([&] { return form.nextRole() == TUpdateForm::NextRole::Download; }, 10000)) {
    form.next();
    waitUntil([&] { return form.progressLabel()->text().startsWith(QStringLiteral("14,155,776")); }, 10000);
    settleFor(200);
    written += form.grab().save(QDir(folder).filePath(QStringLiteral("program-update.png")));
  }
  form.close();
  server.closeAll();
  return written;
}

int UpdateTourShots::assemblyAssistant(MainWindow& w, const QString& folder) {
  auto* host = w.findChild<AssemblyHost*>();
  if (!host) return 0;
  TAssemblyForm& form = host->form();
  host->show();
  settleFor(100);
  int written = form.grab().save(QDir(folder).filePath(QStringLiteral("assembly-assistant-start.png")));
  form.chooseSetup(AssemblyPlan::Rde);
  for (int i = 0; i < 4; ++i) form.next();
  // The step's last picture: the cell under the electrodes, the holder down.
  while (form.nextFrame() != form.plan().steps()[4].last) form.tick();
  form.tick();
  settleFor(100);
  written += form.grab().save(QDir(folder).filePath(QStringLiteral("assembly-assistant.png")));
  form.close();
  return written;
}

}  // namespace velmora
