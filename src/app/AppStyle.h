#pragma once

#include <QProxyStyle>

namespace velmora {

// The application's look over the platform's style: dialog buttons are
// plain words, without the theme's stock pictures, as in every window of
// the program.
class AppStyle : public QProxyStyle {
  Q_OBJECT
 public:
  AppStyle();
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
};

}  // namespace velmora
