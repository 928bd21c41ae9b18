#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTextEdit>

#include "LocalHttpServer.h"
#include "Messages.h"
#include "PrivateFolder.h"
#include "RecordingMessageSink.h"
#include "TUpdateForm.h"
#include "TempDir.h"
#include "UpdateSigningKey.h"

namespace velmora {
namespace {

constexpr int kWaitMs = 15000;

QByteArray installerBytes(int size) {
  QByteArray data(size, '\0');
  for (int i = 0; i < size; ++i) data[i] = static_cast<char>((i * 131 + 7) % 251);
  return data;
}

QByteArray sha256(const QByteArray& data) { return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex(); }

// The publisher's server on the loopback interface and the window under test.
class UpdateFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.listen());
    // Loopback only, whatever the environment's proxy says.
    network.setProxy(QNetworkProxy::NoProxy);
    form = std::make_unique<TUpdateForm>(network, sink);
    form->setOwnVersion(QStringLiteral("2026.12.09"));
    form->setCatalogueUrl(server.url(QStringLiteral("/va/catalogue.txt")));
    form->setNotesTemplate(server.url(QStringLiteral("/va/")).toString() + QStringLiteral("notes_%s.txt"));
    form->setTemporaryFolder(QString::fromStdString(temp.path().string()));
    form->setPublicKey(publisher.PublicKey());
    form->startInstaller = [this](const QString& path) { started << path; };
  }

  // Puts a catalogue on the server with its signature beside it.
  void publishCatalogue(const QByteArray& catalogue, const UpdateSigningKey& key) {
    server.setBody(QStringLiteral("/va/catalogue.txt"), catalogue);
    server.setBody(QStringLiteral("/va/catalogue.txt.sig"),
                   QByteArray::fromStdString(key.SignatureFile(catalogue.toStdString())));
  }

  // Publishes a release (and optionally a snapshot) with its installer.
  void publish(const QByteArray& release, const QByteArray& installer, const QByteArray& snapshot = {},
               const QByteArray& checksum = {}) {
    QByteArray c = release + "\n" + QByteArray::number(installer.size()) + "\n" +
                   server.url(QStringLiteral("/va/velmora-va_") + QString::fromLatin1(release) + "_amd64.deb")
                       .toString()
                       .toLatin1() +
                   "\n";
    c += (snapshot.isEmpty() ? QByteArray("\n\n") : snapshot + "\n\n") +
         server.url(QStringLiteral("/va/snapshot.deb")).toString().toLatin1() + "\n";
    const QByteArray sum = checksum.isEmpty() ? sha256(installer) : checksum;
    c += sum + "\n" + sum + "\n";
    publishCatalogue(c, publisher);
    server.setBody(QStringLiteral("/va/velmora-va_") + QString::fromLatin1(release) + "_amd64.deb", installer);
    server.setBody(QStringLiteral("/va/snapshot.deb"), installer);
  }

  UpdateOffer checkOnDemand() {
    QSignalSpy done(form.get(), &TUpdateForm::checkFinished);
    QSignalSpy failed(form.get(), &TUpdateForm::checkFailed);
    form->checkOnDemand();
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.count() + failed.count() > 0; }, kWaitMs));
    return done.isEmpty() ? UpdateOffer::None : done.front().front().value<UpdateOffer>();
  }

  QString downloadAndWait() {
    QSignalSpy finished(form.get(), &TUpdateForm::downloadFinished);
    form->next();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !finished.isEmpty(); }, kWaitMs));
    return finished.isEmpty() ? QString() : finished.front().front().toString();
  }

  // Every file under the temporary folder, also in the download's own folders.
  QStringList tempFiles() const {
    QStringList files;
    QDirIterator it(QString::fromStdString(temp.path().string()), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    return files;
  }

  const UpdateSigningKey publisher = UpdateSigningKey::Generate();
  test::TempDir temp;
  LocalHttpServer server;
  QNetworkAccessManager network;
  test::RecordingMessageSink sink;
  std::unique_ptr<TUpdateForm> form;
  QStringList started;
};

TEST_F(UpdateFormTest, OffersANewerReleaseWithNotesDownloadsAndInstalls) {
  const QByteArray installer = installerBytes(300 * 1024 + 17);
  publish("2027.01.15", installer);
  server.setBody(QStringLiteral("/va/notes_ENU.rtf"),
                 "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Version 2027.01.15\\par Faster peak search\\par}");

  ASSERT_EQ(checkOnDemand(), UpdateOffer::Release);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->nextRole() == TUpdateForm::NextRole::Download; }, kWaitMs));
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->statusLabel()->text(),
            "A new version (2027.01.15) is available!\nThe size of update: 300 KB.\n\nClick \"Next\" to download.");
  EXPECT_EQ(form->notesBox()->toPlainText(), "Version 2027.01.15\nFaster peak search\n");
  EXPECT_TRUE(form->notesBox()->isVisible());
  EXPECT_TRUE(form->nextButton()->isVisible());
  // Every request goes fresh to the server under the agent name "WebUpdate".
  EXPECT_EQ(server.lastUserAgent(), "WebUpdate");
  EXPECT_TRUE(server.requests().contains("/va/notes_ENU.rtf"));

  const QString path = downloadAndWait();
  // Saved under the catalogue's file name in a folder of its own, made fresh
  // for this download and closed to everyone else.
  const QFileInfo info(path);
  EXPECT_EQ(info.fileName(), "velmora-va_2027.01.15_amd64.deb");
  EXPECT_EQ(QFileInfo(info.absolutePath()).absolutePath(), QFileInfo(form->temporaryFolder()).absoluteFilePath());
  EXPECT_TRUE(info.dir().dirName().startsWith("velmora-update-")) << path.toStdString();
  EXPECT_TRUE(PrivateFolder::IsPrivate(info.absolutePath().toStdString()));
  EXPECT_EQ(tempFiles(), QStringList{path});
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), installer);
  EXPECT_EQ(form->nextRole(), TUpdateForm::NextRole::Install);
  EXPECT_TRUE(form->statusLabel()->text().startsWith("Download complete. Installer saved to "));
  EXPECT_FALSE(form->progressBar()->isVisible());

  form->next();
  EXPECT_EQ(started, QStringList{path});
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(sink.entries.empty());
}

TEST_F(UpdateFormTest, ShowsTheProgressOfTheDownload) {
  const QByteArray installer = installerBytes(200000);
  publish("2027.01.15", installer);
  // The server sends part of the installer, then waits.
  LocalHttpServer::Route stalled{installer};
  stalled.stallAfter = 123456;
  server.setRoute("/va/velmora-va_2027.01.15_amd64.deb", stalled);
  ASSERT_EQ(checkOnDemand(), UpdateOffer::Release);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->nextRole() == TUpdateForm::NextRole::Download; }, kWaitMs));
  form->next();
  EXPECT_EQ(form->statusLabel()->text(), "Downloading...");
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->progressLabel()->text() == "123,456 of 200,000 bytes"; }, kWaitMs))
      << form->progressLabel()->text().toStdString();
  EXPECT_TRUE(form->progressBar()->isVisible());
  EXPECT_EQ(form->progressBar()->value(), 617);

  // Closing the window cancels the download: no installer, no partial file.
  QSignalSpy finished(form.get(), &TUpdateForm::downloadFinished);
  form->close();
  EXPECT_EQ(finished.count(), 1);
  EXPECT_EQ(form->nextRole(), TUpdateForm::NextRole::Hidden);
  EXPECT_TRUE(tempFiles().isEmpty()) << tempFiles().join(", ").toStdString();
  EXPECT_TRUE(QDir(form->temporaryFolder()).isEmpty());
  EXPECT_TRUE(sink.entries.empty());
}

TEST_F(UpdateFormTest, SnapshotWinsOnlyWithSnapshotsOn) {
  publish("2027.01.15", installerBytes(5000), "2027.02.01");
  server.setBody(QStringLiteral("/va/notes_RUS_sh.rtf"), "Snapshot notes");
  form->setLanguage(QStringLiteral("RUS"));
  form->setSnapshots(true);
  ASSERT_EQ(checkOnDemand(), UpdateOffer::Snapshot);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->nextRole() == TUpdateForm::NextRole::Download; }, kWaitMs));
  EXPECT_TRUE(form->offerIsSnapshot());
  EXPECT_EQ(form->statusLabel()->text(),
            "A new snapshot version (2027.02.01) is available! Not recomended for critical measurements!\nThe size of "
            "update: 4 KB.\n\nClick \"Next\" to download.");
  EXPECT_EQ(form->notesBox()->toPlainText(), "Snapshot notes");
  // The snapshot's installer is fetched, saved under the release's file name.
  const QString path = downloadAndWait();
  EXPECT_TRUE(server.requests().contains("/va/snapshot.deb"));
  EXPECT_TRUE(path.endsWith("velmora-va_2027.01.15_amd64.deb"));

  form->close();
  form->setSnapshots(false);
  ASSERT_EQ(checkOnDemand(), UpdateOffer::Release);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->nextRole() == TUpdateForm::NextRole::Download; }, kWaitMs));
  EXPECT_FALSE(form->offerIsSnapshot());
  // Release notes that are missing leave the box hidden; the offer stands.
  EXPECT_FALSE(form->notesBox()->isVisible());
}

TEST_F(UpdateFormTest, NoNewerVersionAnswersOnlyOnDemand) {
  publish("2026.12.09", installerBytes(100));
  EXPECT_EQ(checkOnDemand(), UpdateOffer::None);
  EXPECT_FALSE(form->isVisible());
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].kind, "information");
  EXPECT_EQ(sink.entries[0].text, "Your program is up-to-date.");

  publish("2026.11.30", installerBytes(100));
  EXPECT_EQ(checkOnDemand(), UpdateOffer::None);
  ASSERT_EQ(sink.entries.size(), 2u);
  EXPECT_EQ(sink.entries[1].text, "Your version is newer than on the Internet.");

  // At start-up nothing is said and the window stays hidden.
  QSignalSpy done(form.get(), &TUpdateForm::checkFinished);
  form->checkInBackground();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !done.isEmpty(); }, kWaitMs));
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(sink.entries.size(), 2u);

  // A newer release found at start-up shows the window.
  publish("2027.01.15", installerBytes(100));
  form->checkInBackground();
  ASSERT_TRUE(QTest::qWaitFor([&] { return done.count() == 2; }, kWaitMs));
  EXPECT_TRUE(form->isVisible());
}

TEST_F(UpdateFormTest, FailuresOfTheCheck) {
  // A bad catalogue: the failure message says what is wrong with it.
  publishCatalogue("<html><body>Welcome</body></html>\n100\nhttps://x/a.deb\n", publisher);
  checkOnDemand();
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].kind, "error");
  EXPECT_EQ(sink.entries[0].templ, std::string(msg::UpdateFailedBecause));
  EXPECT_NE(sink.entries[0].text.find("Line 1 of the update catalogue"), std::string::npos);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(form->statusLabel()->text().isEmpty());

  // Not found, an empty body and a content length that is no number.
  server.setRoute(QStringLiteral("/va/catalogue.txt"), LocalHttpServer::Route{"gone", 404});
  checkOnDemand();
  LocalHttpServer::Route empty;
  server.setRoute(QStringLiteral("/va/catalogue.txt"), empty);
  checkOnDemand();
  LocalHttpServer::Route badLength{"2026.12.09\n1\nhttp://x/a.deb\n"};
  badLength.contentLength = "lots";
  server.setRoute(QStringLiteral("/va/catalogue.txt"), badLength);
  checkOnDemand();
  ASSERT_EQ(sink.entries.size(), 4u);
  EXPECT_NE(sink.entries[2].text.find("The server sent nothing."), std::string::npos);
  EXPECT_NE(sink.entries[3].text.find("\"lots\" is not a number"), std::string::npos);

  // An unreachable server: a port that nobody listens on.
  QTcpServer closed;
  ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
  const quint16 port = closed.serverPort();
  closed.close();
  form->setCatalogueUrl(QUrl(QStringLiteral("http://127.0.0.1:%1/catalogue.txt").arg(port)));
  checkOnDemand();
  ASSERT_EQ(sink.entries.size(), 5u);
  EXPECT_EQ(sink.entries[4].kind, "error");
  EXPECT_EQ(sink.entries[4].text.rfind(Message(msg::UpdateFailed).format(), 0), 0u);

  // The same failure at start-up says nothing.
  QSignalSpy failed(form.get(), &TUpdateForm::checkFailed);
  form->checkInBackground();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !failed.isEmpty(); }, kWaitMs));
  EXPECT_EQ(sink.entries.size(), 5u);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(UpdateFormTest, AnInstallerThatDoesNotMatchItsChecksumIsNeverSavedOrOpened) {
  const QByteArray installer = installerBytes(40000);
  publish("2027.01.15", installer, {}, QByteArray(64, 'c'));
  ASSERT_EQ(checkOnDemand(), UpdateOffer::Release);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->nextRole() == TUpdateForm::NextRole::Download; }, kWaitMs));
  EXPECT_TRUE(downloadAndWait().isEmpty());
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_NE(sink.entries[0].text.find(Message(msg::UpdateChecksumMismatch).format()), std::string::npos);
  EXPECT_TRUE(tempFiles().isEmpty()) << tempFiles().join(", ").toStdString();
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(started.isEmpty());

  // A good download changed on disk before "Next": it is not opened.
  publish("2027.01.15", installer);
  ASSERT_EQ(checkOnDemand(), UpdateOffer::Release);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->nextRole() == TUpdateForm::NextRole::Download; }, kWaitMs));
  const QString path = downloadAndWait();
  ASSERT_FALSE(path.isEmpty());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::Append));
  f.write("tampered");
  f.close();
  form->next();
  EXPECT_TRUE(started.isEmpty());
  ASSERT_EQ(sink.entries.size(), 2u);
  EXPECT_EQ(sink.entries[1].templ, std::string(msg::UpdateInstallerChanged));

  // A catalogue without a checksum for the offer: nothing is downloaded.
  publishCatalogue("2027.01.15\n100\n" + server.url("/va/velmora-va_2027.01.15_amd64.deb").toString().toLatin1() + "\n",
                   publisher);
  ASSERT_EQ(checkOnDemand(), UpdateOffer::Release);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->nextRole() == TUpdateForm::NextRole::Download; }, kWaitMs));
  const int requests = static_cast<int>(server.requests().size());
  EXPECT_TRUE(downloadAndWait().isEmpty());
  EXPECT_EQ(server.requests().size(), requests);
  ASSERT_EQ(sink.entries.size(), 3u);
  EXPECT_NE(sink.entries[2].text.find(Message(msg::UpdateNoChecksum).format()), std::string::npos);
}

TEST_F(UpdateFormTest, AServerThatSendsMoreThanItAnnouncedIsCutOff) {
  const QByteArray installer = installerBytes(50000);
  publish("2027.01.15", installer);
  LocalHttpServer::Route liar{installer};
  liar.contentLength = "1000";
  server.setRoute("/va/velmora-va_2027.01.15_amd64.deb", liar);
  ASSERT_EQ(checkOnDemand(), UpdateOffer::Release);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->nextRole() == TUpdateForm::NextRole::Download; }, kWaitMs));
  EXPECT_TRUE(downloadAndWait().isEmpty());
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_TRUE(tempFiles().isEmpty());
}

// Whoever can change the catalogue on its way (or on the server) cannot
// make the window offer their file: the catalogue counts only with the
// publisher's signature of its exact bytes.
TEST_F(UpdateFormTest, AForgedOrUnsignedCatalogueOffersNothing) {
  const QByteArray installer = installerBytes(3000);
  publish("2026.12.01", installer);
  // A newer version with the attacker's own file and hash, under the old signature.
  const QByteArray evil = installerBytes(2000);
  const QByteArray forged =
      "2027.06.01\n2000\n" + server.url("/va/evil.deb").toString().toLatin1() + "\n\n\n\n" + sha256(evil) + "\n";
  server.setBody(QStringLiteral("/va/evil.deb"), evil);
  server.setBody(QStringLiteral("/va/catalogue.txt"), forged);
  EXPECT_EQ(checkOnDemand(), UpdateOffer::None);
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_NE(sink.entries[0].text.find(Message(msg::UpdateSignatureInvalid).format()), std::string::npos);

  // Signed, but with another key.
  publishCatalogue(forged, UpdateSigningKey::Generate());
  EXPECT_EQ(checkOnDemand(), UpdateOffer::None);
  ASSERT_EQ(sink.entries.size(), 2u);
  EXPECT_NE(sink.entries[1].text.find(Message(msg::UpdateSignatureInvalid).format()), std::string::npos);

  // No signature at all, and a signature file that holds none.
  server.setRoute(QStringLiteral("/va/catalogue.txt.sig"), LocalHttpServer::Route{"gone", 404});
  EXPECT_EQ(checkOnDemand(), UpdateOffer::None);
  ASSERT_EQ(sink.entries.size(), 3u);
  EXPECT_NE(sink.entries[2].text.find(Message(msg::UpdateNotSigned).format()), std::string::npos);
  server.setBody(QStringLiteral("/va/catalogue.txt.sig"), "<html>Not found</html>");
  EXPECT_EQ(checkOnDemand(), UpdateOffer::None);
  ASSERT_EQ(sink.entries.size(), 4u);
  EXPECT_NE(sink.entries[3].text.find(Message(msg::UpdateBadSignatureFile).format()), std::string::npos);

  // The forged installer was never asked for, and nothing was saved.
  EXPECT_FALSE(server.requests().contains("/va/evil.deb"));
  EXPECT_TRUE(tempFiles().isEmpty());
  EXPECT_EQ(form->nextRole(), TUpdateForm::NextRole::Hidden);
  // The publisher's own signature of the same text is what makes it count.
  publishCatalogue(forged, publisher);
  EXPECT_EQ(checkOnDemand(), UpdateOffer::Release);
}

TEST_F(UpdateFormTest, PlainHttpIsRefusedBeyondThisComputer) {
  // The catalogue's own address: refused before any request.
  form->setCatalogueUrl(QUrl(QStringLiteral("http://updates.example.org/va/catalogue.txt")));
  EXPECT_EQ(checkOnDemand(), UpdateOffer::None);
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_NE(sink.entries[0].text.find("The address \"http://updates.example.org/va/catalogue.txt\" is refused"),
            std::string::npos)
      << sink.entries[0].text;
  EXPECT_TRUE(server.requests().isEmpty());

  // An installer address in plain http, even signed.
  form->setCatalogueUrl(server.url(QStringLiteral("/va/catalogue.txt")));
  publishCatalogue("2027.01.15\n100\nhttp://updates.example.org/va/a.deb\n\n\n\n" + QByteArray(64, 'a') + "\n",
                   publisher);
  EXPECT_EQ(checkOnDemand(), UpdateOffer::None);
  ASSERT_EQ(sink.entries.size(), 2u);
  EXPECT_NE(sink.entries[1].text.find("Line 3 of the update catalogue"), std::string::npos) << sink.entries[1].text;
}

TEST_F(UpdateFormTest, AnInstallerLargerThanTheCatalogueSaysIsRefused) {
  // The server's file matches the signed checksum but not the signed size.
  const QByteArray installer = installerBytes(50000);
  publish("2027.01.15", installer);
  const QByteArray c = "2027.01.15\n1000\n" + server.url("/va/velmora-va_2027.01.15_amd64.deb").toString().toLatin1() +
                       "\n\n\n\n" + sha256(installer) + "\n";
  publishCatalogue(c, publisher);
  for (const QByteArray& length : {QByteArray(), QByteArray("-")}) {
    // Announced as it is, and sent without announcing its length.
    LocalHttpServer::Route route{installer};
    route.contentLength = length;
    server.setRoute("/va/velmora-va_2027.01.15_amd64.deb", route);
    const std::size_t before = sink.entries.size();
    ASSERT_EQ(checkOnDemand(), UpdateOffer::Release);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->nextRole() == TUpdateForm::NextRole::Download; }, kWaitMs));
    EXPECT_TRUE(downloadAndWait().isEmpty());
    ASSERT_EQ(sink.entries.size(), before + 1);
    EXPECT_NE(sink.entries.back().text.find(Message(msg::UpdateSizeMismatch, {"1000"}).format()), std::string::npos)
        << sink.entries.back().text;
    EXPECT_TRUE(tempFiles().isEmpty()) << tempFiles().join(", ").toStdString();
    EXPECT_TRUE(started.isEmpty());
  }
}

// Another local user plants a link where a shared temporary folder would
// take the installer: the download never writes through it.
TEST_F(UpdateFormTest, APlantedLinkIsNeverWrittenThrough) {
  test::TempDir elsewhere;
  const auto victim = elsewhere / "victim.conf";
  test::TempDir::writeFile(victim, "the victim's settings");
  const std::string name = "velmora-va_2027.01.15_amd64.deb";
  for (const std::string& planted : {name, name + ".part", name + ".tmp"})
    std::filesystem::create_symlink(victim, temp / planted);

  const QByteArray installer = installerBytes(4000);
  publish("2027.01.15", installer);
  ASSERT_EQ(checkOnDemand(), UpdateOffer::Release);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->nextRole() == TUpdateForm::NextRole::Download; }, kWaitMs));
  const QString path = downloadAndWait();
  ASSERT_FALSE(path.isEmpty());
  EXPECT_EQ(test::TempDir::readFile(victim), "the victim's settings");
  EXPECT_TRUE(std::filesystem::is_symlink(temp / name));
  EXPECT_NE(std::filesystem::path(path.toStdString()), temp / name);
  EXPECT_FALSE(QFileInfo(path).isSymLink());
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), installer);
  form->next();
  EXPECT_EQ(started, QStringList{path});
}

TEST(UpdateFormTextTest, NotesAddressAndProgressTexts) {
  QNetworkAccessManager network;
  test::RecordingMessageSink sink;
  TUpdateForm form(network, sink);
  form.setNotesTemplate(QStringLiteral("https://u.example.org/va/notes_%s.html"));
  form.setLanguage(QStringLiteral("ENU"));
  EXPECT_EQ(form.notesUrl(false).toString(), "https://u.example.org/va/notes_ENU.rtf");
  EXPECT_EQ(form.notesUrl(true).toString(), "https://u.example.org/va/notes_ENU_sh.rtf");
  form.setNotesTemplate(QStringLiteral("https://u.example.org/v1.2/notes_%s"));
  EXPECT_EQ(form.notesUrl(false).toString(), "https://u.example.org/v1.2/notes_ENU.rtf");
  EXPECT_EQ(TUpdateForm::bytesText(0, 0), "0 of 0 bytes");
  EXPECT_EQ(TUpdateForm::bytesText(1025, 24117248), "1,025 of 24,117,248 bytes");
}

}  // namespace
}  // namespace velmora
