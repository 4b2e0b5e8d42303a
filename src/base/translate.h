#pragma once
// A text a person reads, in the language the program has loaded. With no
// translation loaded the text comes back exactly as written. lupdate knows Tr
// and TrText as spellings of QCoreApplication::translate (translations/).
#include <QCoreApplication>
#include <QString>
#include <string>

namespace orv {

// The role under which a table model gives a column's title as written: CSV
// files and the command-line tool's tables hold that, the screen the
// translation (context "Columns").
inline constexpr int kSourceTextRole = Qt::UserRole + 100;

inline QString Tr(const char* context, const char* text) {
  return QCoreApplication::translate(context, text);
}

inline std::string TrText(const char* context, const char* text) {
  return Tr(context, text).toStdString();
}

// Fills a translated text's %1, %2, ... in one pass, so that a value which
// itself holds "%2" (a path, a typed word) is kept as it is.
template <typename... Values>
std::string Filled(const std::string& text, const Values&... values) {
  return QString::fromStdString(text).arg(QString::fromStdString(values)...).toStdString();
}

}  // namespace orv
