#include "app/hints_window.h"

#include <QString>
#include <QWidget>

namespace orv {

void SetHint(QWidget& widget, std::string_view hint) {
  const std::size_t bar = hint.find('|');
  const std::string_view shortHint = hint.substr(0, bar);
  const std::string_view longHint = bar == std::string_view::npos ? hint : hint.substr(bar + 1);
  widget.setToolTip(QString::fromUtf8(shortHint.data(), static_cast<qsizetype>(shortHint.size())));
  widget.setStatusTip(QString::fromUtf8(longHint.data(), static_cast<qsizetype>(longHint.size())));
}

}  // namespace orv
