#include "app/appearance_window.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPalette>
#include <string>

#include "widgets/windowlook_window.h"

namespace orv {
namespace {

struct Appearance {
  std::int32_t textSize = 100;
  std::string font;
  bool highContrast = false;
  bool operator==(const Appearance&) const = default;
};

// White text on black, yellow where the eye should go: focus, selection,
// links.
QPalette HighContrastPalette() {
  QPalette p;
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Window, Qt::black);
    p.setColor(group, QPalette::WindowText, Qt::white);
    p.setColor(group, QPalette::Base, Qt::black);
    p.setColor(group, QPalette::AlternateBase, QColor(0x20, 0x20, 0x20));
    p.setColor(group, QPalette::Text, Qt::white);
    p.setColor(group, QPalette::Button, Qt::black);
    p.setColor(group, QPalette::ButtonText, Qt::yellow);
    p.setColor(group, QPalette::Highlight, Qt::yellow);
    p.setColor(group, QPalette::HighlightedText, Qt::black);
    p.setColor(group, QPalette::ToolTipBase, Qt::black);
    p.setColor(group, QPalette::ToolTipText, Qt::yellow);
    p.setColor(group, QPalette::PlaceholderText, Qt::lightGray);
    p.setColor(group, QPalette::Link, Qt::yellow);
    p.setColor(group, QPalette::Light, Qt::white);
    p.setColor(group, QPalette::Midlight, Qt::lightGray);
    p.setColor(group, QPalette::Mid, Qt::gray);
    p.setColor(group, QPalette::Dark, Qt::white);
    p.setColor(group, QPalette::Shadow, Qt::white);
  }
  p.setColor(QPalette::Disabled, QPalette::Window, Qt::black);
  p.setColor(QPalette::Disabled, QPalette::Base, Qt::black);
  p.setColor(QPalette::Disabled, QPalette::Button, Qt::black);
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    p.setColor(QPalette::Disabled, role, Qt::gray);
  }
  return p;
}

// The style draws the boxes of check boxes and radio buttons in shades of the
// window's colour, which vanish on black: in high contrast they are white
// rings, filled yellow when chosen, as large as the text.
QString HighContrastIndicators(int size) {
  const QString box = QString(
                          "width: %1px; height: %1px; border: 2px solid white; "
                          "background: black;")
                          .arg(size);
  return QString(
             "QCheckBox::indicator, QRadioButton::indicator { %1 }"
             "QRadioButton::indicator { border-radius: %2px; }"
             "QCheckBox::indicator:checked, QRadioButton::indicator:checked "
             "{ background: yellow; }")
      .arg(box)
      .arg(size / 2 + 2);
}

}  // namespace

void ApplyAppearance(const StartUpSettings& settings) {
  static Appearance inForce;
  static const QFont desktopFont = QApplication::font();
  static const QPalette desktopPalette = QApplication::palette();
  const Appearance wanted{settings.TextSize, settings.ReadingFont, settings.HighContrast};
  if (wanted == inForce) return;
  inForce = wanted;

  QFont font = desktopFont;
  if (!wanted.font.empty()) font.setFamilies({QString::fromStdString(wanted.font)});
  const double scale = wanted.textSize / 100.0;
  if (desktopFont.pointSizeF() > 0) {
    font.setPointSizeF(desktopFont.pointSizeF() * scale);
  } else {
    font.setPixelSize(static_cast<int>(desktopFont.pixelSize() * scale));
  }
  SetLook({scale, wanted.highContrast});
  QApplication::setPalette(wanted.highContrast ? HighContrastPalette() : desktopPalette);
  QApplication::setFont(font);
  qApp->setStyleSheet(wanted.highContrast
                          ? HighContrastIndicators(QFontMetrics(font).height() * 2 / 3)
                          : QString());
}

}  // namespace orv
