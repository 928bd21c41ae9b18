#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "AssemblyHost.h"
#include "CalcHost.h"
#include "HelpHost.h"
#include "HelpViewer.h"
#include "MainChartView.h"
#include "MainToolsHost.h"
#include "MainWindow.h"
#include "Messages.h"
#include "OptionsController.h"
#include "RecordingMessageSink.h"
#include "SamplerHost.h"
#include "TAssemblyForm.h"
#include "TCalcForm.h"
#include "TOptionsForm.h"
#include "TPluginsManager.h"
#include "TRepForm.h"
#include "TSamplerForm.h"
#include "TSubtractionForm.h"
#include "TempDir.h"

using namespace velmora;

namespace {

class HelpHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qApp->setProperty("velmoraLanguage", QVariant());
    window = std::make_unique<MainWindow>(settings, &hub);
    window->setMessageSink(&sink);
    // As at start-up: the assistant exists before the help.
    assembly = new AssemblyHost(*window);
    host = new HelpHost(*window);
    host->setHelpFolder(QStringLiteral(VELMORA_HELP_DIR));
  }
  void TearDown() override {
    qApp->setProperty("velmoraLanguage", QVariant());
    window.reset();
  }

  // "VA_ENU/peaks.html#peaks-window": the language folder, page and anchor shown.
  QString shown() const {
    if (host->viewer() == nullptr || !host->viewer()->isVisible()) return {};
    const QUrl url = host->viewer()->currentUrl();
    const QFileInfo page(url.toLocalFile());
    QString place = page.dir().dirName() + u'/' + page.fileName();
    if (url.hasFragment()) place += u'#' + url.fragment();
    return place;
  }

  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  std::unique_ptr<MainWindow> window;
  AssemblyHost* assembly = nullptr;
  HelpHost* host = nullptr;
};

// F1 in a window opens the help at that window's section, also from a widget
// deep inside it and on the page a window shows.
TEST_F(HelpHostTest, F1OpensTheSectionOfTheWindow) {
  TSubtractionForm& subtraction = window->tools().subtraction();
  subtraction.show();
  QTest::keyClick(&subtraction, Qt::Key_F1);
  EXPECT_EQ(shown(), "VA_ENU/calculations.html#subtraction");
  ASSERT_NE(host->viewer(), nullptr);
  EXPECT_FALSE(host->viewer()->browser()->toPlainText().isEmpty());
  subtraction.hide();

  TCalcForm& calc = window->calculations().form();
  calc.show();
  QTest::keyClick(calc.pages()->currentWidget(), Qt::Key_F1);
  EXPECT_EQ(shown(), "VA_ENU/calculations.html");
  calc.pages()->setCurrentIndex(1);
  QTest::keyClick(calc.pages()->currentWidget(), Qt::Key_F1);
  EXPECT_EQ(shown(), "VA_ENU/reports.html#report-page");
  calc.hide();

  TOptionsForm& options = window->optionsController().form();
  options.selectPage(TOptionsForm::Images);
  options.show();
  QTest::keyClick(options.pageTree(), Qt::Key_F1);
  EXPECT_EQ(shown(), "VA_ENU/settings.html#images");
  options.hide();

  // The main window's "&Help Context" with no other window active.
  host->viewer()->close();
  window->action("HelpContextActn")->trigger();
  EXPECT_EQ(shown(), "VA_ENU/main-window.html");
  // A number no window passes opens the contents.
  host->showContext(9999);
  EXPECT_EQ(shown(), "VA_ENU/index.html");
  EXPECT_TRUE(sink.entries.empty());
}

// The dialogs' "Help" buttons open their sections.
TEST_F(HelpHostTest, HelpButtonsOpenTheirSections) {
  TSubtractionForm& subtraction = window->tools().subtraction();
  subtraction.show();
  QTest::mouseClick(subtraction.helpButton(), Qt::LeftButton);
  EXPECT_EQ(shown(), "VA_ENU/calculations.html#subtraction");
  subtraction.hide();

  TOptionsForm& options = window->optionsController().form();
  options.selectPage(TOptionsForm::Ports);
  options.show();
  QTest::mouseClick(options.helpButton(), Qt::LeftButton);
  EXPECT_EQ(shown(), "VA_ENU/settings.html#ports");
  options.hide();

  TSamplerForm& sampler = window->sampler().form();
  sampler.show();
  QTest::mouseClick(sampler.helpButton(), Qt::LeftButton);
  EXPECT_EQ(shown(), "VA_ENU/autosampler.html#setup");
  sampler.hide();

  // A modal window made on demand is served once shown; the help opens as
  // its window (others are blocked) and survives the dialog.
  {
    TRepForm print(window->chartView().chart(), window.get());
    QString inDialog;
    bool ownedByDialog = false;
    QTimer::singleShot(0, &print, [&] {
      QPushButton* help = nullptr;
      for (auto* box : print.findChildren<QDialogButtonBox*>())
        if (box->button(QDialogButtonBox::Help)) help = box->button(QDialogButtonBox::Help);
      if (help) QTest::mouseClick(help, Qt::LeftButton);
      inDialog = shown();
      ownedByDialog = host->viewer() && host->viewer()->parentWidget() == &print;
      print.reject();
    });
    print.exec();
    EXPECT_EQ(inDialog, "VA_ENU/reports.html#print");
    EXPECT_TRUE(ownedByDialog);
  }
  host->showContext(0);
  EXPECT_EQ(shown(), "VA_ENU/index.html");

  QTest::mouseClick(assembly->form().helpButton(), Qt::LeftButton);
  EXPECT_EQ(shown(), "VA_ENU/settings.html#assembly");
  EXPECT_TRUE(sink.entries.empty());
}

// The help follows the user-interface language; a language without help
// reads the English pages; a missing help folder is reported.
TEST_F(HelpHostTest, HelpFollowsTheLanguage) {
  qApp->setProperty("velmoraLanguage", 1049);
  host->showContext(30);
  EXPECT_EQ(shown(), "VA_RUS/peaks.html#peaks-window");
  EXPECT_TRUE(host->viewer()->browser()->toPlainText().contains(QStringLiteral("Пики")));
  // Back returns to the page before.
  host->showContext(0);
  EXPECT_EQ(shown(), "VA_RUS/index.html");
  host->viewer()->backAction()->trigger();
  EXPECT_EQ(shown(), "VA_RUS/peaks.html#peaks-window");
  host->viewer()->contentsAction()->trigger();
  EXPECT_EQ(shown(), "VA_RUS/index.html");

  qApp->setProperty("velmoraLanguage", 1031);
  host->showContext(36);
  EXPECT_EQ(shown(), "VA_ENU/calculations.html#subtraction");
  EXPECT_TRUE(sink.entries.empty());

  host->viewer()->close();
  test::TempDir empty;
  host->setHelpFolder(QString::fromStdString(empty.path().string()));
  host->showContext(36);
  EXPECT_EQ(shown(), "");
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_STREQ(sink.entries[0].templ, msg::HelpNotFound);
}

}  // namespace
