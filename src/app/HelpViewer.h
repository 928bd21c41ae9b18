#pragma once

#include <QUrl>
#include <QWidget>

class QAction;
class QTextBrowser;

namespace velmora {

// The help window: the pages of one help language in a text browser with
// "Contents", "Back" and "Forward". Links to other pages and to the shared
// pictures resolve beside the page; web links open in the desktop's browser.
class HelpViewer : public QWidget {
  Q_OBJECT
 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  // Shows `page` (an absolute file path) at `anchor`; the language folder
  // is the page's folder, its "index.html" the contents.
  void showPage(const QString& page, const QString& anchor);
  void showContents();

  // The page shown, with its anchor as the fragment.
  QUrl currentUrl() const;
  QTextBrowser* browser() const { return browser_; }
  QAction* contentsAction() const { return contents_; }
  QAction* backAction() const { return back_; }
  QAction* forwardAction() const { return forward_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();

  QTextBrowser* browser_ = nullptr;
  QAction* contents_ = nullptr;
  QAction* back_ = nullptr;
  QAction* forward_ = nullptr;
  QString folder_;
};

}  // namespace velmora
