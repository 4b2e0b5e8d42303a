#include "app/appearance_window.h"

#include <QApplication>
#include <QFont>
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
// links. What is typed into and ticked stands on a dark grey, so that the
// style's boxes of check boxes and radio buttons, drawn in shades of the
// window's colour, show on it.
QPalette HighContrastPalette() {
  QPalette p;
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Window, Qt::black);
    p.setColor(group, QPalette::WindowText, Qt::white);
    p.setColor(group, QPalette::Base, QColor(0x30, 0x30, 0x30));
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
}

}  // namespace orv
