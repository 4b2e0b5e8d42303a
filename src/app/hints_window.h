#pragma once
// Hints written "short|long": the short part is a widget's tool tip and the
// long part (the whole hint when there is no "|") its status-bar text.
#include <string_view>

class QWidget;

namespace orv {

void SetHint(QWidget& widget, std::string_view hint);

}  // namespace orv
