#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QLabel;
class QVBoxLayout;

namespace velmora {

// The page the main window shows while its document is empty: open a
// document, the recent documents, a first (simulated) voltammogram from the
// analyzer emulator and the example documents. It only asks; the start
// panel host carries the requests out.
class StartPanel : public QWidget {
  Q_OBJECT
 public:
  struct Example {
    QString title;
    QString path;
    QString description;
  };

  explicit StartPanel(QWidget* parent = nullptr);

  // Most recent first; at most kMaxRecent are offered.
  void setRecentFiles(const QStringList& files);
  void setExamples(const QList<Example>& examples);
  // The first recording is offered only while no run is going on.
  void setRecordingAvailable(bool available);
  // A note above the commands (a catalogue text, shown in the language in
  // force); null hides it.
  void setPortNote(const char* catalogueText);
  // The note of a first start that found no analyzer: where its port is chosen.
  static const char* const kNoAnalyzerPort;
  QLabel* portNote() const { return portNote_; }

  QAbstractButton* openButton() const { return open_; }
  QAbstractButton* recordButton() const { return record_; }
  QAbstractButton* guideButton() const { return guide_; }
  QAbstractButton* wizardButton() const { return wizard_; }
  QList<QAbstractButton*> recentButtons() const { return recentButtons_; }
  QList<QAbstractButton*> exampleButtons() const { return exampleButtons_; }

  static constexpr int kMaxRecent = 6;

 signals:
  void openRequested();
  void recentRequested(const QString& file);
  void exampleRequested(const QString& file);
  void firstRecordingRequested();
  // "User guide": the help's contents.
  void helpRequested();
  // "start the measurement wizard"
  void wizardRequested();
  // The panel is about to be seen: its lists may be refreshed.
  void shown();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void retranslateUi();
  void fillRecent();
  void fillExamples();
  static void clearLayout(QVBoxLayout* layout);

  QLabel* title_ = nullptr;
  QLabel* subtitle_ = nullptr;
  QLabel* startHeading_ = nullptr;
  QLabel* recentHeading_ = nullptr;
  QLabel* examplesHeading_ = nullptr;
  QLabel* simulatedNote_ = nullptr;
  QLabel* portNote_ = nullptr;
  const char* portNoteText_ = nullptr;
  QAbstractButton* open_ = nullptr;
  QAbstractButton* record_ = nullptr;
  QAbstractButton* guide_ = nullptr;
  QAbstractButton* wizard_ = nullptr;
  QVBoxLayout* recentLayout_ = nullptr;
  QVBoxLayout* examplesLayout_ = nullptr;
  QList<QAbstractButton*> recentButtons_;
  QList<QAbstractButton*> exampleButtons_;
  QStringList recentFiles_;
  QList<Example> examples_;
};

}  // namespace velmora
