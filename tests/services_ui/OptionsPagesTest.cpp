#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "ColorChooser.h"
#include "ColorValue.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "OptionsCalibrationPage.h"
#include "OptionsController.h"
#include "OptionsGeneralPage.h"
#include "OptionsImagesPage.h"
#include "PeaksHost.h"
#include "RecordingMessageSink.h"
#include "TImagePreviewBox.h"
#include "TOptionsForm.h"
#include "TPluginsManager.h"
#include "TempDir.h"

namespace velmora {
namespace {

struct Form {
  test::TempDir dir;
  test::RecordingMessageSink sink;
  Options options;
  TOptionsForm form{nullptr, sink};
  Form() { form.load(options, dir.path()); }
};

TEST(OptionsForm, PageTreeTitlesHelpContextsAndTheConnectionMode) {
  Form f;
  EXPECT_EQ(f.form.windowTitle(), QStringLiteral("Options"));
  QTreeWidget* tree = f.form.pageTree();
  ASSERT_EQ(tree->topLevelItemCount(), 3);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("General"));
  EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("Ports"));
  EXPECT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("Calibration (Experts only)"));
  EXPECT_EQ(tree->topLevelItem(2)->text(0), QStringLiteral("Images and colors"));

  QSignalSpy help(&f.form, &TOptionsForm::helpRequested);
  const QStringList titles = {" General", " Ports", " Calibration (Experts only)", " Images and colors"};
  for (int p = 0; p < TOptionsForm::PageCount; ++p) {
    // Choosing the node in the tree, as the user does.
    tree->setCurrentItem(p == 1 ? tree->topLevelItem(0)->child(0) : tree->topLevelItem(p == 0 ? 0 : p - 1));
    EXPECT_EQ(f.form.currentPage(), p);
    EXPECT_EQ(f.form.pageTitle(), titles[p]);
    EXPECT_EQ(f.form.resetButton()->isEnabled(), p != TOptionsForm::Ports);
    QTest::mouseClick(f.form.helpButton(), Qt::LeftButton);
    ASSERT_EQ(help.count(), p + 1);
    EXPECT_EQ(help.last().at(0).toInt(), 21 + p);
  }

  f.form.setTag(1);
  EXPECT_EQ(f.form.currentPage(), TOptionsForm::Ports);
  EXPECT_FALSE(tree->isEnabled());
  f.form.setTag(0);
  EXPECT_TRUE(tree->isEnabled());
}

TEST(OptionsForm, GeneralPageStoresOnlyItsKeysAndTheLocationRules) {
  Form f;
  Options o;
  o.saveType = 0;
  o.saveDir = "/old/";
  o.insertType = 1;
  o.filter = 7;
  o.portName = "COM3";
  f.form.load(o, f.dir.path());
  OptionsGeneralPage& g = f.form.generalPage();
  EXPECT_TRUE(g.separateFiles()->isChecked());
  EXPECT_FALSE(g.locationEdit()->isEnabled());
  EXPECT_EQ(g.workingDirectory()->text().toStdString(), f.dir.path().string());

  g.centralDatabase()->click();
  EXPECT_TRUE(g.locationEdit()->isEnabled());
  EXPECT_TRUE(g.browseButton()->isEnabled());
  g.flatFile()->click();
  g.backup()->click();
  g.autoUpdate()->click();
  g.snapshots()->click();
  g.askMethodChange()->click();
  // A folder that does not exist is not taken over.
  g.locationEdit()->setText(QString::fromStdString((f.dir.path() / "missing").string()));
  Options out = o;
  f.form.store(out);
  EXPECT_EQ(out.saveType, 1);
  EXPECT_EQ(out.saveDir, "/old/");
  EXPECT_EQ(out.insertType, 0);
  EXPECT_FALSE(out.backupEnabled);
  EXPECT_TRUE(out.autoUpdate);
  EXPECT_TRUE(out.snapShotsUpdate);
  EXPECT_FALSE(out.askMethodChange);
  EXPECT_EQ(out.filter, 7);
  EXPECT_EQ(out.portName, "COM3");

  // An existing folder gets its trailing separator; the browser fills the field.
  g.setFolderPicker([&](const QString&, QWidget*) { return QString::fromStdString(f.dir.path().string()); });
  g.browseButton()->click();
  f.form.store(out);
  EXPECT_EQ(out.saveDir, f.dir.path().string() + "/");

  f.form.resetPage();  // on General
  f.form.store(out);
  EXPECT_EQ(out.saveType, 0);
  EXPECT_EQ(out.insertType, 1);
  EXPECT_TRUE(out.backupEnabled);
  EXPECT_FALSE(out.autoUpdate);
  EXPECT_FALSE(out.snapShotsUpdate);
  EXPECT_TRUE(out.askMethodChange);
}

TEST(OptionsForm, OkRefusesACentralDatabaseWithoutAnExistingFolder) {
  Form f;
  f.form.show();
  OptionsGeneralPage& g = f.form.generalPage();
  g.centralDatabase()->click();
  g.locationEdit()->setText(QStringLiteral("/no/such/folder"));
  f.form.selectPage(TOptionsForm::Images);
  QTest::mouseClick(f.form.okButton(), Qt::LeftButton);
  EXPECT_TRUE(f.form.isVisible());
  EXPECT_EQ(f.form.currentPage(), TOptionsForm::General);
  ASSERT_EQ(f.sink.entries.size(), 1u);
  EXPECT_EQ(f.sink.entries[0].kind, "warning");
  EXPECT_NE(f.sink.entries[0].text.find("/no/such/folder"), std::string::npos);

  g.locationEdit()->setText(QString::fromStdString(f.dir.path().string()));
  QTest::mouseClick(f.form.okButton(), Qt::LeftButton);
  EXPECT_FALSE(f.form.isVisible());
  EXPECT_EQ(f.form.result(), QDialog::Accepted);
}

TEST(OptionsForm, ImagesPageWidthSetsHeightColoursAndReset) {
  Form f;
  Options o;
  o.picWidth = 200;
  o.picHeight = 50;  // stored sizes are shown as they are
  o.peaksColor = 0x123456;
  f.form.load(o, f.dir.path());
  OptionsImagesPage& p = f.form.imagesPage();
  EXPECT_EQ(p.heightBox()->value(), 50);

  p.widthBox()->clear();
  QTest::keyClicks(p.widthBox(), QStringLiteral("130"));
  EXPECT_EQ(p.widthBox()->value(), 130);
  EXPECT_EQ(p.heightBox()->value(), 98);  // 97.5 rounds to even
  p.widthBox()->setValue(122);
  EXPECT_EQ(p.heightBox()->value(), 92);  // 91.5
  p.heightBox()->setValue(60);            // the height alone stays free
  EXPECT_EQ(p.widthBox()->value(), 122);

  // The selection colour is the system highlight, kept as such.
  ColorChooser* sel = p.color(OptionsImagesPage::Selection);
  EXPECT_EQ(sel->value(), ColorValue::Highlight);
  EXPECT_EQ(sel->list()->currentText(), QStringLiteral("Highlight"));
  // A colour off the list shows as the first, custom entry.
  ColorChooser* matching = p.color(OptionsImagesPage::Matching);
  EXPECT_EQ(matching->list()->currentIndex(), 0);
  EXPECT_EQ(matching->list()->currentText(), QStringLiteral("Custom"));
  // Choosing from the list.
  ColorChooser* data = p.color(OptionsImagesPage::Data);
  const int red = data->list()->findText(QStringLiteral("Red"));
  ASSERT_GE(red, 0);
  data->list()->setCurrentIndex(red);
  emit data->list()->activated(red);
  EXPECT_EQ(data->value(), 0x0000FF);
  // "Custom..." opens the colour dialog preset to the current colour.
  QColor preset;
  ColorChooser::setPicker([&](const QColor& initial, QWidget*) {
    preset = initial;
    return QColor(0x11, 0x22, 0x33);
  });
  p.color(OptionsImagesPage::ChartBackground)->customButton()->click();
  ColorChooser::setPicker(nullptr);
  EXPECT_EQ(preset, QColor(Qt::white));

  Options out;
  f.form.store(out);
  EXPECT_EQ(out.picWidth, 122);
  EXPECT_EQ(out.picHeight, 60);
  EXPECT_EQ(out.dataColor, 0x0000FF);
  EXPECT_EQ(out.mainChart, 0x332211);
  EXPECT_EQ(out.peaksColor, 0x123456);
  EXPECT_EQ(out.selectColor, -16777203);

  f.form.selectPage(TOptionsForm::Images);
  QTest::mouseClick(f.form.resetButton(), Qt::LeftButton);
  f.form.store(out);
  const Options defaults;
  EXPECT_EQ(out.picWidth, 100);
  EXPECT_EQ(out.picHeight, 75);
  EXPECT_EQ(out.fields, 5);
  EXPECT_EQ(out.imageMargin, 3);
  EXPECT_EQ(out.dataColor, defaults.dataColor);
  EXPECT_EQ(out.mainChart, defaults.mainChart);
  EXPECT_EQ(out.peaksColor, 16698812);
  EXPECT_EQ(out.crossPeaksColor, 12639424);
  EXPECT_EQ(out.peakCaptionColor, 4194304);
}

TEST(OptionsForm, ResetTouchesTheSelectedPageOnly) {
  Form f;
  f.form.imagesPage().widthBox()->setValue(300);
  f.form.generalPage().flatFile()->click();
  f.form.calibrationPage().coeff(2)->setValue(1234);
  f.form.selectPage(TOptionsForm::Calibration);
  f.form.resetPage();
  const TCalibrationBlock b = f.form.calibrationPage().pageBlock();
  EXPECT_EQ(b.DacAdc, 4095);
  EXPECT_EQ(b.Dac2, 2048);
  EXPECT_EQ(b.Coarse, 128);
  EXPECT_EQ(b.Precise, 128);
  EXPECT_EQ(b.Gain, 128);
  EXPECT_EQ(b.Offset, 255);
  EXPECT_EQ(b.KDac, 10000);
  EXPECT_EQ(b.BenchPotential, 0);
  EXPECT_EQ(b.BenchResistance, 1000);
  EXPECT_EQ(b.BenchRange, 4);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(b.Zero[i], 0);
    EXPECT_EQ(b.Coeff[i], 32768);
  }
  EXPECT_EQ(f.form.imagesPage().widthBox()->value(), 300);
  EXPECT_TRUE(f.form.generalPage().flatFile()->isChecked());
}

TEST(ColorValueConversion, StoredValuesAndSystemColours) {
  EXPECT_EQ(ColorValue::toQColor(32768), QColor(0, 128, 0));
  EXPECT_EQ(ColorValue::toQColor(0x00332211), QColor(0x11, 0x22, 0x33));
  EXPECT_EQ(ColorValue::fromQColor(QColor(0x11, 0x22, 0x33, 0x40)), 0x00332211);
  EXPECT_TRUE(ColorValue::isSystemColor(-16777203));
  EXPECT_FALSE(ColorValue::isSystemColor(16777215));
  EXPECT_EQ(ColorValue::toQColor(-16777203), QApplication::palette().color(QPalette::Highlight));
  ASSERT_NE(ColorValue::find(-16777203), nullptr);
  EXPECT_STREQ(ColorValue::find(-16777203)->name, "Highlight");
  EXPECT_EQ(ColorValue::find(16698812), nullptr);
}

// The dialog as the main window runs it.
struct Window {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  MainWindow w{settings, &hub};
  Window() {
    w.setMessageSink(&sink);
    w.show();
    w.updateActions();
  }
  // Runs "Settings..." and lets `edit` act on the open dialog before it closes.
  void settings_(const std::function<void(TOptionsForm&)>& edit) {
    QTimer::singleShot(0, [this, edit] {
      TOptionsForm& form = w.optionsController().form();
      EXPECT_TRUE(form.isVisible());
      edit(form);
    });
    ASSERT_TRUE(w.action("SettingsActn")->isEnabled());
    w.action("SettingsActn")->trigger();
  }
};

TEST(OptionsFromMainWindow, OkAppliesToTheViewAndChartCancelDiscards) {
  Window win;
  const Options before = win.settings.options();
  win.settings_([](TOptionsForm& form) {
    form.imagesPage().widthBox()->setValue(160);
    form.imagesPage().color(OptionsImagesPage::Data)->setValue(0x0000FF);
    form.generalPage().flatFile()->click();
    form.cancelButton()->click();
  });
  EXPECT_EQ(win.w.tree().params().picWidth, 100);
  EXPECT_EQ(win.settings.options().insertType, before.insertType);
  EXPECT_EQ(win.settings.options().dataColor, before.dataColor);

  win.settings_([](TOptionsForm& form) {
    EXPECT_EQ(form.imagesPage().widthBox()->value(), 100);  // the cancelled edit is gone
    EXPECT_TRUE(form.generalPage().treeStructure()->isChecked());
    form.imagesPage().widthBox()->setValue(160);
    form.imagesPage().fieldsBox()->setValue(8);
    form.imagesPage().color(OptionsImagesPage::Data)->setValue(0x0000FF);
    form.imagesPage().color(OptionsImagesPage::ChartBackground)->setValue(0x00C0FFFF);
    form.imagesPage().color(OptionsImagesPage::Matching)->setValue(0x00FF0000);
    form.generalPage().flatFile()->click();
    form.okButton()->click();
  });
  const TImagePreviewBox::Params& p = win.w.tree().params();
  EXPECT_EQ(p.picWidth, 160);
  EXPECT_EQ(p.picHeight, 120);
  EXPECT_EQ(p.fields, 8);
  EXPECT_EQ(p.dataColor, QColor(Qt::red));
  EXPECT_EQ(win.w.forest().Painting, 1);
  const Options& o = win.settings.options();
  EXPECT_EQ(o.insertType, 0);
  EXPECT_EQ(o.peaksColor, 0x00FF0000);
  EXPECT_EQ(win.w.peaks().peaksColor(), QColor(Qt::blue));
  // The chart colour survives the settings written at exit.
  win.w.storeSettings();
  EXPECT_EQ(win.settings.options().mainChart, 0x00C0FFFF);
  EXPECT_EQ(win.settings.options().picWidth, 160);
  EXPECT_TRUE(win.sink.entries.empty());
}

TEST(OptionsFromMainWindow, ConnectionModeOpensOnPorts) {
  Window win;
  QTimer::singleShot(0, [&] {
    TOptionsForm& form = win.w.optionsController().form();
    EXPECT_EQ(form.currentPage(), TOptionsForm::Ports);
    EXPECT_FALSE(form.pageTree()->isEnabled());
    form.cancelButton()->click();
  });
  EXPECT_FALSE(win.w.optionsController().execute(1));
  // The normal dialog opens on General with the tree usable.
  win.settings_([](TOptionsForm& form) {
    EXPECT_EQ(form.currentPage(), TOptionsForm::General);
    EXPECT_TRUE(form.pageTree()->isEnabled());
    form.cancelButton()->click();
  });
}

}  // namespace
}  // namespace velmora
