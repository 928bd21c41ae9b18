#include <gtest/gtest.h>

#include <QLabel>
#include <QTableWidget>
#include <algorithm>

#include "ImportColumnsDialog.h"

using namespace velmora;

TEST(ImportColumnsDialog, GuessesTheColumnsAndShowsTheConversion) {
  const auto table = InstrumentTextImport::Parse(
      "Time (s);Potential (V vs. RHE);Current density (mA/cm2);Current (nA)\n"
      "0;-1,2;0,5;20000\n0,1;-1,19;0,6;21000\n");
  ImportColumnsDialog dialog(table, "scan.csv");
  EXPECT_EQ(dialog.columns(), (std::pair<std::size_t, std::size_t>{1, 2}));
  EXPECT_EQ(dialog.previewTable()->columnCount(), 4);
  EXPECT_EQ(dialog.previewTable()->rowCount(), 2);
  EXPECT_TRUE(dialog.conversionText().contains("converted to mV")) << dialog.conversionText().toStdString();
  EXPECT_TRUE(dialog.conversionText().contains("kept as it stands"));
  dialog.setColumns(1, 3);
  EXPECT_TRUE(dialog.conversionText().contains("nA is converted to µA"));
  dialog.setColumns(0, 3);
  EXPECT_TRUE(dialog.conversionText().contains("the unit s is not known"));
}

TEST(ImportColumnsDialog, NamesAndUnitsFromTheFileAreShownAsTheyStand) {
  const auto table =
      InstrumentTextImport::Parse("t;E (<b>V</b>);I (<font color=red>mA</font>);x\n0;-1,2;0,5;1\n0,1;-1,19;0,6;2\n");
  ImportColumnsDialog dialog(table, "<i>scan</i>.csv");
  dialog.setColumns(0, 2);
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (!label->text().contains(u'<')) continue;
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
  }
  EXPECT_TRUE(dialog.conversionText().contains("<font color=red>mA</font>")) << dialog.conversionText().toStdString();
  const auto labels = dialog.findChildren<QLabel*>();
  EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                          [](const QLabel* l) { return l->text().contains("\"<i>scan</i>.csv\""); }));
}
