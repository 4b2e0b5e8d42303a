#include "judging/answertext.h"

#include <QString>

namespace orv {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToUtf8(const QString& text) {
  return text.toUtf8().toStdString();
}

// The plain ASCII form of a typographic mark, or the character itself.
QChar PlainForm(QChar c) {
  switch (c.unicode()) {
    case 0x2018:  // left single quotation mark
    case 0x2019:  // right single quotation mark (the apostrophe word processors type)
    case 0x201A:  // single low-9 quotation mark
    case 0x201B:  // single high-reversed-9 quotation mark
    case 0x2032:  // prime
    case 0x02BC:  // modifier letter apostrophe
      return QChar('\'');
    case 0x201C:  // left double quotation mark
    case 0x201D:  // right double quotation mark
    case 0x201E:  // double low-9 quotation mark
    case 0x201F:  // double high-reversed-9 quotation mark
    case 0x2033:  // double prime
      return QChar('"');
    case 0x2010:  // hyphen
    case 0x2011:  // non-breaking hyphen
    case 0x2012:  // figure dash
    case 0x2013:  // en dash
    case 0x2014:  // em dash
    case 0x2015:  // horizontal bar
    case 0x2212:  // minus sign
      return QChar('-');
    default:
      return c;
  }
}

}  // namespace

std::string SameAnswerForm(std::string_view text) {
  const QString nfc = FromUtf8(text).normalized(QString::NormalizationForm_C);
  QString out;
  out.reserve(nfc.size());
  bool blank = false;
  for (QChar c : nfc) {
    if (c.isSpace()) {
      blank = !out.isEmpty();
      continue;
    }
    if (blank) out += QChar(' ');
    blank = false;
    out += PlainForm(c);
  }
  return ToUtf8(out);
}

std::string WithoutCase(std::string_view text) {
  return ToUtf8(FromUtf8(text).toCaseFolded());
}

std::string WithoutAccents(std::string_view text) {
  const QString decomposed = FromUtf8(text).normalized(QString::NormalizationForm_D);
  QString out;
  out.reserve(decomposed.size());
  for (QChar c : decomposed) {
    if (c.category() != QChar::Mark_NonSpacing) out += c;
  }
  return ToUtf8(out.normalized(QString::NormalizationForm_C));
}

std::string WithoutPunctuation(std::string_view text) {
  QString out;
  for (QChar c : FromUtf8(text)) {
    if (!c.isPunct()) out += c;
  }
  return SameAnswerForm(ToUtf8(out));
}

std::vector<std::string> Alternatives(std::string_view answer) {
  std::vector<std::string> alternatives(1);
  for (std::size_t i = 0; i < answer.size(); ++i) {
    if (answer[i] == '\\' && i + 1 < answer.size() && answer[i + 1] == ';') {
      alternatives.back() += ';';
      ++i;
    } else if (answer[i] == ';') {
      alternatives.emplace_back();
    } else {
      alternatives.back() += answer[i];
    }
  }
  return alternatives;
}

}  // namespace orv
