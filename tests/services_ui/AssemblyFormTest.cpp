#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "AssemblyPicture.h"
#include "AssemblyPlan.h"
#include "Messages.h"
#include "TAssemblyForm.h"
#include "TempDir.h"

namespace velmora {
namespace {

const QString kPictures = QStringLiteral(VELMORA_PICS_DIR);

TEST(AssemblyFormTest, EveryPictureOfEverySetupIsADrawing) {
  for (int setup : {AssemblyPlan::Analyzer, AssemblyPlan::Rde, AssemblyPlan::Autosampler, AssemblyPlan::Stirrer}) {
    for (const std::string& file : AssemblyPlan::Build(setup).files()) {
      const QPixmap p = AssemblyPicture::render(QDir(kPictures).filePath(QString::fromStdString(file)), QSize(96, 64));
      EXPECT_FALSE(p.isNull()) << file;
    }
  }
}

TEST(AssemblyFormTest, StartPageStepsBackAndNext) {
  TAssemblyForm form(kPictures);
  int connections = 0;
  form.openConnectionSettings = [&] { ++connections; };
  form.show();
  EXPECT_TRUE(form.onStartPage());
  EXPECT_EQ(form.windowTitle(), "Assembly assistant");
  EXPECT_EQ(form.setupButton(0)->text(), "Assembling the Analyzer ");
  EXPECT_EQ(form.setupButton(1)->text(), "RDE + Analyzer");
  EXPECT_FALSE(form.setupButton(0)->icon().isNull());

  // "RDE + Analyzer" from its picture button.
  form.setupButton(1)->click();
  EXPECT_EQ(form.setup(), AssemblyPlan::Rde);
  EXPECT_EQ(form.step(), 0);
  EXPECT_FALSE(form.onStartPage());
  EXPECT_EQ(form.instruction(), "Screw the RDE in the holder.");
  EXPECT_EQ(form.nextButton()->text(), "Next");
  EXPECT_EQ(form.shownFrame(), 0);
  EXPECT_TRUE(form.animating());

  // "Back" from step 0 returns to the four set-ups.
  form.backButton()->click();
  EXPECT_TRUE(form.onStartPage());
  EXPECT_FALSE(form.animating());

  form.chooseSetup(AssemblyPlan::Rde);
  for (int i = 0; i < 5; ++i) form.nextButton()->click();
  EXPECT_EQ(form.step(), 5);
  EXPECT_EQ(form.instruction(),
            "Connect RDE/Autosampler control port (Ctrl) and PC connection port (RS232) on the back side of the "
            "Analyzer.");
  EXPECT_EQ(form.shownFrame(), 37);
  form.next();
  form.next();
  EXPECT_EQ(form.nextButton()->text(), "Next");
  EXPECT_EQ(connections, 0);
  // The connection setup is the last step.
  form.next();
  EXPECT_EQ(form.step(), 8);
  EXPECT_EQ(form.nextButton()->text(), "Close");
  EXPECT_EQ(form.instruction(), "Connection setup...");
  EXPECT_EQ(connections, 1);
  EXPECT_TRUE(form.isVisible());
  form.back();
  EXPECT_EQ(form.nextButton()->text(), "Next");
  form.next();
  EXPECT_EQ(connections, 2);
  // A step beyond the last one closes the assistant.
  form.nextButton()->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.animating());
}

TEST(AssemblyFormTest, PicturesOfAStepLoopAtTheirOwnPace) {
  TAssemblyForm form(kPictures);
  form.show();
  form.chooseSetup(AssemblyPlan::Analyzer);
  form.next();
  form.next();  // frames 21..25, the last a key frame
  EXPECT_EQ(form.shownFrame(), 21);
  EXPECT_EQ(form.interval(), 250);
  std::vector<int> shown;
  for (int i = 0; i < 7; ++i) {
    form.tick();
    shown.push_back(form.shownFrame());
  }
  EXPECT_EQ(shown, (std::vector<int>{22, 23, 24, 25, 21, 22, 23}));
  // The timer itself moves the pictures on.
  const int before = form.shownFrame();
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.shownFrame() != before; }, 3000));

  // Clicks on the picture change the pace until the next frame.
  while (form.nextFrame() != 25) form.tick();
  form.tick();
  EXPECT_EQ(form.interval(), 1000);
  form.faster();
  EXPECT_EQ(form.interval(), 950);
  form.slower();
  form.slower();
  EXPECT_EQ(form.interval(), 1050);
  form.tick();
  EXPECT_EQ(form.interval(), 250);
  for (int i = 0; i < 6; ++i) form.faster();
  EXPECT_EQ(form.interval(), 0);
  form.faster();
  EXPECT_EQ(form.interval(), 0);
}

TEST(AssemblyFormTest, ConnectionStepClosesWhileTheAnalyzerIsBusy) {
  TAssemblyForm form(kPictures);
  int connections = 0;
  form.openConnectionSettings = [&] { ++connections; };
  form.analyzerBusy = [] { return true; };
  form.show();
  form.chooseSetup(AssemblyPlan::Autosampler);
  for (int i = 0; i < 4; ++i) form.next();
  EXPECT_EQ(form.instruction(), "Connect Power supply (PWR) and turn on the Analyzer by switching the tumbler up.");
  form.next();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(connections, 0);
}

TEST(AssemblyFormTest, AMissingPictureStopsTheAnimation) {
  test::TempDir dir;
  const QString folder = QString::fromStdString(dir.path().string());
  QDir(folder).mkpath(QStringLiteral("Analyzer"));
  // Only the first two pictures of the first step are there.
  for (const char* name : {"Analyzer/01.svg", "Analyzer/02.svg"})
    QFile::copy(QDir(kPictures).filePath(QLatin1String(name)), QDir(folder).filePath(QLatin1String(name)));
  TAssemblyForm form(folder);
  form.show();
  form.chooseSetup(AssemblyPlan::Analyzer);
  EXPECT_TRUE(form.animating());
  EXPECT_TRUE(form.pictureMessage().isEmpty());
  form.tick();
  EXPECT_EQ(form.shownFrame(), 1);
  form.tick();
  EXPECT_EQ(form.pictureMessage(), "Error while loading animation!");
  EXPECT_FALSE(form.animating());
  // A damaged drawing is no picture either.
  QFile bad(QDir(folder).filePath(QStringLiteral("Analyzer/01.svg")));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
  bad.write("<svg><rect");
  bad.close();
  form.goToStep(0);
  EXPECT_EQ(form.pictureMessage(), "Error while loading animation!");
}

TEST(AssemblyFormTest, HelpOpensTheAssistantsContext) {
  TAssemblyForm form(kPictures);
  form.show();
  form.chooseSetup(AssemblyPlan::Analyzer);
  EXPECT_FALSE(form.helpButton()->isVisible());
  int context = -1;
  form.setHelpHandler([&](int c) { context = c; });
  EXPECT_TRUE(form.helpButton()->isVisible());
  form.helpButton()->click();
  EXPECT_EQ(context, TAssemblyForm::HelpContext);
}

}  // namespace
}  // namespace velmora
