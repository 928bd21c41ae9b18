#pragma once

#include <QDialog>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

#include "UpdateCatalogue.h"
#include "UpdateSignature.h"

class QLabel;
class QNetworkAccessManager;
class QProgressBar;
class QPushButton;
class QTextEdit;

namespace velmora {

class IMessageSink;
class UpdateDownloader;

// The "Program update" window: checks the publisher's catalogue for a newer
// release (or, when allowed, a snapshot), shows its release notes, downloads
// the installer into a private temporary folder with progress and hands it
// to the installer once its checksum matches. The catalogue counts only
// once its Ed25519 signature (fetched from beside it) holds against the
// publisher's key. All network work is asynchronous on the UI thread, so the
// window stays responsive without a thread of its own.
class TUpdateForm : public QDialog {
  Q_OBJECT
 public:
  // The role of "Next".
  enum class NextRole { Hidden = 0, Download = 1, Install = 2 };
  // How much the window grows when it shows the release notes.
  static constexpr int NotesHeight = 230;

  TUpdateForm(QNetworkAccessManager& network, IMessageSink& sink, QWidget* parent = nullptr);
  ~TUpdateForm() override;

  // --- Configuration (the host fills it from the settings) ---
  void setOwnVersion(const QString& version) { ownVersion_ = version; }
  QString ownVersion() const { return ownVersion_; }
  void setCatalogueUrl(const QUrl& url) { catalogueUrl_ = url; }
  // The key catalogues must be signed with (the publisher's by default).
  void setPublicKey(const UpdateSignature::PublicKey& key) { publicKey_ = key; }
  // The address of the catalogue's signature: beside it, with ".sig" added.
  static QUrl signatureUrl(const QUrl& catalogue);
  // The release notes' address template with one "%s" for the language
  // ("ENU", "RUS"; a snapshot's notes add "_sh"); its extension becomes ".rtf".
  void setNotesTemplate(const QString& templ) { notesTemplate_ = templ; }
  void setLanguage(const QString& abbreviation) { language_ = abbreviation; }
  void setSnapshots(bool on) { snapshots_ = on; }
  // Where the private folder of a downloaded installer is made (the user's
  // own temporary folder by default).
  void setTemporaryFolder(const QString& folder) { tempFolder_ = folder; }
  QString temporaryFolder() const { return tempFolder_; }
  // "Next" in the install role, once the saved installer still matches
  // its checksum: the host records the path, opens the installer and
  // closes the program.
  std::function<void(const QString& path)> startInstaller;

  // The release notes' address for the language, or empty.
  QUrl notesUrl(bool snapshot) const;

  // --- Commands ---
  // "Check for updates": shows the window and checks at once.
  void checkOnDemand();
  // The automatic check a few seconds after start-up: the window stays
  // hidden unless there is something to offer.
  void checkInBackground();
  // "Next" in its current role.
  void next();

  // --- State, for the host and tests ---
  NextRole nextRole() const { return role_; }
  bool offerIsSnapshot() const { return offerSnapshot_; }
  QString installerPath() const { return installerPath_; }
  const std::optional<UpdateCatalogue>& catalogue() const { return catalogue_; }
  bool busy() const;
  QLabel* statusLabel() const { return status_; }
  QLabel* progressLabel() const { return progressLabel_; }
  QProgressBar* progressBar() const { return progressBar_; }
  QTextEdit* notesBox() const { return notes_; }
  QPushButton* nextButton() const { return next_; }

  // The text of the status line for an offer.
  static QString offerText(const UpdateCatalogue& catalogue, UpdateOffer offer);
  // "%s of %s bytes" with thousands separators.
  static QString bytesText(qint64 received, qint64 expected);

 signals:
  // A check ended: with an offer, nothing newer, or a failure.
  void checkFinished(velmora::UpdateOffer offer);
  void checkFailed(const QString& reason);
  // The installer download ended (the path is empty on failure).
  void downloadFinished(const QString& path);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void startCheck();
  void onCatalogue(const QByteArray& body);
  void onSignature(const QByteArray& signature);
  void dropDownloadFolder();
  void offer(UpdateOffer kind);
  void noUpdate();
  void failure(const QString& reason);
  void checkFailure(const QString& reason);
  void startDownload();
  void install();
  void setRole(NextRole role);
  void showNotes(bool on);
  void stopTransfers();
  void retranslate();

  IMessageSink& sink_;
  UpdateDownloader* catalogueLoader_ = nullptr;
  UpdateDownloader* signatureLoader_ = nullptr;
  UpdateDownloader* notesLoader_ = nullptr;
  UpdateDownloader* installerLoader_ = nullptr;
  QString ownVersion_;
  QUrl catalogueUrl_;
  UpdateSignature::PublicKey publicKey_ = UpdateSignature::BuiltInKey();
  QByteArray catalogueBytes_;
  // The private folder of the installer being downloaded, or of the last
  // one saved.
  QString downloadFolder_;
  QString notesTemplate_;
  QString language_ = QStringLiteral("ENU");
  bool snapshots_ = false;
  QString tempFolder_;

  std::optional<UpdateCatalogue> catalogue_;
  bool offerSnapshot_ = false;
  QString installerPath_;
  NextRole role_ = NextRole::Hidden;
  bool checking_ = false;
  int baseHeight_ = 0;

  QLabel* status_ = nullptr;
  QLabel* progressLabel_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QTextEdit* notes_ = nullptr;
  QPushButton* next_ = nullptr;
};

}  // namespace velmora

Q_DECLARE_METATYPE(velmora::UpdateOffer)
