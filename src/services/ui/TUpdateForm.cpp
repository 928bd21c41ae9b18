#include "TUpdateForm.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "FormatError.h"
#include "MessageSink.h"
#include "Messages.h"
#include "PrivateFolder.h"
#include "RtfText.h"
#include "UiText.h"
#include "UpdateDownloader.h"

namespace velmora {

namespace {

QString text(const Message& m) { return UiText::message(m); }

std::string groupSeparator() { return UiText::toStd(QLocale().groupSeparator()); }

}  // namespace

TUpdateForm::TUpdateForm(QNetworkAccessManager& network, IMessageSink& sink, QWidget* parent)
    : QDialog(parent), sink_(sink), tempFolder_(UiText::fromStd(PrivateFolder::UserBase().string())) {
  setObjectName(QStringLiteral("UpdateForm"));
  setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  catalogueLoader_ = new UpdateDownloader(network, this);
  signatureLoader_ = new UpdateDownloader(network, this);
  notesLoader_ = new UpdateDownloader(network, this);
  installerLoader_ = new UpdateDownloader(network, this);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("StatusLabel"));
  status_->setWordWrap(true);
  status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  status_->setMinimumHeight(72);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  progressLabel_ = new QLabel(this);
  progressLabel_->setObjectName(QStringLiteral("ProgressLabel"));
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("ProgressBar"));
  progressBar_->setTextVisible(false);
  notes_ = new QTextEdit(this);
  notes_->setObjectName(QStringLiteral("NotesBox"));
  notes_->setReadOnly(true);
  // Release notes indent their bullets with a tab.
  notes_->setTabStopDistance(18);
  next_ = new QPushButton(this);
  next_->setObjectName(QStringLiteral("NextButton"));
  next_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
  layout->addWidget(progressLabel_);
  layout->addWidget(progressBar_);
  layout->addWidget(notes_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(next_);
  layout->addLayout(buttons);

  connect(next_, &QPushButton::clicked, this, &TUpdateForm::next);
  connect(catalogueLoader_, &UpdateDownloader::fetched, this, &TUpdateForm::onCatalogue);
  connect(catalogueLoader_, &UpdateDownloader::failed, this, &TUpdateForm::checkFailure);
  connect(signatureLoader_, &UpdateDownloader::fetched, this, &TUpdateForm::onSignature);
  // No signature beside the catalogue: nothing in it is trusted.
  connect(signatureLoader_, &UpdateDownloader::failed, this, [this](const QString& reason) {
    checkFailure(text(Message(msg::UpdateNotSigned)) + QStringLiteral("\n") + reason);
  });
  connect(notesLoader_, &UpdateDownloader::fetched, this, [this](const QByteArray& body) {
    QString plain;
    try {
      plain = UiText::fromStd(RtfText::ToPlainText(std::string_view(body.constData(), body.size())));
    } catch (const EFormatError&) {
      // Notes that cannot be read are left out; the offer stands.
    }
    if (!plain.isEmpty()) {
      notes_->setPlainText(plain);
      showNotes(true);
    }
    setRole(NextRole::Download);
  });
  connect(notesLoader_, &UpdateDownloader::failed, this, [this](const QString&) { setRole(NextRole::Download); });
  connect(installerLoader_, &UpdateDownloader::started, this, [this](qint64 expected) {
    progressLabel_->setText(bytesText(0, expected));
    progressBar_->setRange(0, expected > 0 ? 1000 : 0);
    progressBar_->setValue(0);
  });
  connect(installerLoader_, &UpdateDownloader::progress, this, [this](qint64 received, qint64 expected) {
    progressLabel_->setText(bytesText(received, expected));
    // The bar counts in thousandths, so sizes beyond the int range fit.
    if (expected > 0) progressBar_->setValue(static_cast<int>(std::min<qint64>(received, expected) * 1000 / expected));
  });
  connect(installerLoader_, &UpdateDownloader::downloaded, this, [this](const QString& path) {
    installerPath_ = path;
    progressLabel_->clear();
    progressLabel_->hide();
    progressBar_->hide();
    status_->setText(text(Message(msg::UpdateDownloadComplete, {UiText::toStd(QDir::toNativeSeparators(path))})));
    setRole(NextRole::Install);
    emit downloadFinished(path);
  });
  connect(installerLoader_, &UpdateDownloader::failed, this, [this](const QString& reason) {
    dropDownloadFolder();
    progressLabel_->clear();
    progressLabel_->hide();
    progressBar_->hide();
    failure(reason);
    emit downloadFinished(QString());
  });

  resize(480, 170);
  retranslate();
}

TUpdateForm::~TUpdateForm() {
  stopTransfers();
  // An installer downloaded but not installed goes with the window.
  dropDownloadFolder();
}

bool TUpdateForm::busy() const {
  return checking_ || catalogueLoader_->busy() || signatureLoader_->busy() || notesLoader_->busy() ||
         installerLoader_->busy();
}

QUrl TUpdateForm::signatureUrl(const QUrl& catalogue) {
  QUrl url = catalogue;
  url.setPath(url.path() + QString::fromLatin1(UpdateSignature::FileSuffix));
  return url;
}

QUrl TUpdateForm::notesUrl(bool snapshot) const {
  if (notesTemplate_.isEmpty()) return {};
  const QString language = snapshot ? language_ + QStringLiteral("_sh") : language_;
  QString address = notesTemplate_;
  address.replace(QStringLiteral("%s"), language);
  // The extension becomes ".rtf".
  const int slash = address.lastIndexOf(u'/');
  const int dot = address.lastIndexOf(u'.');
  if (dot > slash) address.truncate(dot);
  return QUrl(address + QStringLiteral(".rtf"));
}

QString TUpdateForm::bytesText(qint64 received, qint64 expected) {
  const std::string sep = groupSeparator();
  return text(Message(msg::UpdateBytesOf, {FormatThousands(received, sep), FormatThousands(expected, sep)}));
}

QString TUpdateForm::offerText(const UpdateCatalogue& c, UpdateOffer offer) {
  const std::string kb = FormatThousands(c.installerSize / 1024, groupSeparator());
  if (offer == UpdateOffer::Snapshot) return text(Message(msg::UpdateSnapshotOffer, {c.snapshotVersion, kb}));
  return text(Message(msg::UpdateReleaseOffer, {c.releaseVersion, kb}));
}

// --- Check ------------------------------------------------------------------------

void TUpdateForm::checkOnDemand() {
  if (busy() || role_ != NextRole::Hidden) {
    // A check or an offer in progress is where the user wants to be.
    show();
    raise();
    activateWindow();
    return;
  }
  show();
  raise();
  startCheck();
}

void TUpdateForm::checkInBackground() {
  if (busy() || isVisible()) return;
  startCheck();
}

void TUpdateForm::startCheck() {
  status_->setText(text(Message(msg::UpdateChecking)));
  catalogue_.reset();
  catalogueBytes_.clear();
  if (catalogueUrl_.isEmpty() || !catalogueUrl_.isValid()) {
    checkFailure(text(Message(msg::UpdateNoCatalogueAddress)));
    return;
  }
  if (!UpdateCatalogue::IsAllowedAddress(UiText::toStd(catalogueUrl_.toString()))) {
    checkFailure(text(Message(msg::UpdateInsecureAddress, {UiText::toStd(catalogueUrl_.toString())})));
    return;
  }
  checking_ = true;
  catalogueLoader_->fetch(catalogueUrl_, static_cast<qint64>(UpdateCatalogue::MaxBytes));
}

void TUpdateForm::onCatalogue(const QByteArray& body) {
  // Its signature decides whether it is read at all.
  catalogueBytes_ = body;
  signatureLoader_->fetch(signatureUrl(catalogueUrl_), static_cast<qint64>(UpdateSignature::MaxSignatureFileBytes));
}

void TUpdateForm::onSignature(const QByteArray& signature) {
  checking_ = false;
  const QByteArray body = std::exchange(catalogueBytes_, QByteArray());
  try {
    catalogue_ = UpdateSignature::VerifiedCatalogue(
        std::string_view(body.constData(), static_cast<std::size_t>(body.size())),
        std::string_view(signature.constData(), static_cast<std::size_t>(signature.size())), publicKey_);
  } catch (const EFormatError& e) {
    checkFailure(UiText::message(e.message()));
    return;
  }
  const UpdateOffer found = FindUpdate(*catalogue_, UiText::toStd(ownVersion_), snapshots_);
  if (found == UpdateOffer::None) {
    noUpdate();
  } else {
    offer(found);
  }
  emit checkFinished(found);
}

void TUpdateForm::offer(UpdateOffer kind) {
  if (!isVisible()) show();
  status_->setText(text(Message(msg::UpdateDownloadingInfo)));
  offerSnapshot_ = kind == UpdateOffer::Snapshot;
  status_->setText(offerText(*catalogue_, kind));
  const QUrl notes = notesUrl(offerSnapshot_);
  if (notes.isEmpty() || !UpdateCatalogue::IsAllowedAddress(UiText::toStd(notes.toString()))) {
    setRole(NextRole::Download);
  } else {
    notesLoader_->fetch(notes, static_cast<qint64>(RtfText::MaxBytes));
  }
}

void TUpdateForm::noUpdate() {
  // At start-up nothing is said; on demand the window answers and closes.
  if (!isVisible()) {
    status_->clear();
    return;
  }
  close();
  const bool same = catalogue_ && QString::fromStdString(catalogue_->releaseVersion) == ownVersion_.left(10);
  sink_.information(Message(same ? msg::UpdateUpToDate : msg::UpdateOwnIsNewer));
}

void TUpdateForm::failure(const QString& reason) {
  checking_ = false;
  const bool visible = isVisible();
  stopTransfers();
  if (visible) {
    if (reason.isEmpty()) {
      sink_.error(Message(msg::UpdateFailed));
    } else {
      sink_.error(Message(msg::UpdateFailedBecause, {UiText::toStd(reason)}));
    }
  }
  close();
  status_->clear();
}

void TUpdateForm::checkFailure(const QString& reason) {
  failure(reason);
  emit checkFailed(reason);
}

// --- Download and install ------------------------------------------------------------

void TUpdateForm::next() {
  if (role_ == NextRole::Download) {
    startDownload();
  } else if (role_ == NextRole::Install) {
    install();
  }
}

void TUpdateForm::startDownload() {
  if (!catalogue_ || installerLoader_->busy()) return;
  const UpdateCatalogue& c = *catalogue_;
  const std::string& address = offerSnapshot_ ? c.snapshotAddress : c.releaseAddress;
  const std::string& sha = offerSnapshot_ ? c.snapshotSha256 : c.releaseSha256;
  status_->setText(text(Message(msg::UpdateDownloading)));
  next_->setEnabled(false);
  if (sha.empty()) {
    // Nothing unverified is ever saved or opened.
    failure(text(Message(msg::UpdateNoChecksum)));
    emit downloadFinished(QString());
    return;
  }
  // A folder of its own, made fresh: nobody else can plant or swap a file there.
  dropDownloadFolder();
  try {
    downloadFolder_ = UiText::fromStd(PrivateFolder::Create(UiText::toStd(tempFolder_), "velmora-update-").string());
  } catch (const EFormatError& e) {
    failure(UiText::message(e.message()));
    emit downloadFinished(QString());
    return;
  }
  progressLabel_->setText(text(Message(msg::UpdateConnecting)));
  progressLabel_->show();
  progressBar_->setRange(0, 1000);
  progressBar_->setValue(0);
  progressBar_->show();
  const QString name = QString::fromStdString(c.InstallerFileName());
  installerPath_ = QDir(downloadFolder_).filePath(name);
  installerLoader_->download(QUrl(QString::fromStdString(address)), downloadFolder_, name,
                             c.DownloadSize(offerSnapshot_), QByteArray::fromStdString(sha));
}

void TUpdateForm::dropDownloadFolder() {
  if (downloadFolder_.isEmpty()) return;
  PrivateFolder::Remove(UiText::toStd(downloadFolder_));
  downloadFolder_.clear();
}

void TUpdateForm::install() {
  if (!catalogue_ || installerPath_.isEmpty()) return;
  hide();
  const std::string& sha = offerSnapshot_ ? catalogue_->snapshotSha256 : catalogue_->releaseSha256;
  // The file may have been changed since it was checked.
  if (UpdateDownloader::fileSha256(installerPath_).toStdString() != sha) {
    sink_.error(Message(msg::UpdateInstallerChanged, {UiText::toStd(QDir::toNativeSeparators(installerPath_))}));
    dropDownloadFolder();
    setRole(NextRole::Hidden);
    return;
  }
  setRole(NextRole::Hidden);
  // The installer's folder is now the host's to keep (it asks at the next
  // start whether to delete the installer).
  downloadFolder_.clear();
  if (startInstaller) startInstaller(installerPath_);
}

// --- Window ---------------------------------------------------------------------------

void TUpdateForm::setRole(NextRole role) {
  role_ = role;
  next_->setVisible(role != NextRole::Hidden);
  next_->setEnabled(true);
  if (role != NextRole::Hidden) next_->setFocus();
}

void TUpdateForm::showNotes(bool on) {
  if (notes_->isVisible() == on && isVisible()) return;
  notes_->setVisible(on);
  if (on) {
    resize(width(), baseHeight_ + NotesHeight);
  } else {
    resize(width(), baseHeight_);
  }
}

void TUpdateForm::stopTransfers() {
  catalogueLoader_->cancel();
  signatureLoader_->cancel();
  notesLoader_->cancel();
  installerLoader_->cancel();
  checking_ = false;
}

void TUpdateForm::showEvent(QShowEvent* event) {
  notes_->hide();
  notes_->clear();
  progressLabel_->hide();
  progressLabel_->clear();
  progressBar_->hide();
  setRole(NextRole::Hidden);
  status_->clear();
  baseHeight_ = 170;
  resize(480, baseHeight_);
  // Centred on the desktop.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, (height() + NotesHeight) / 2));
  }
  QDialog::showEvent(event);
}

void TUpdateForm::closeEvent(QCloseEvent* event) {
  // Closing the window cancels a transfer in progress; a partial installer
  // leaves no file behind.
  if (installerLoader_->busy()) {
    installerLoader_->cancel();
    dropDownloadFolder();
    progressLabel_->hide();
    progressBar_->hide();
    emit downloadFinished(QString());
  }
  // An installer saved but not to be installed now is not kept either.
  if (role_ == NextRole::Install) dropDownloadFolder();
  stopTransfers();
  setRole(NextRole::Hidden);
  QDialog::closeEvent(event);
}

void TUpdateForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void TUpdateForm::retranslate() {
  setWindowTitle(tr("Program update"));
  next_->setText(tr("Next"));
}

}  // namespace velmora
