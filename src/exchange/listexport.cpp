#include "exchange/listexport.h"

#include <QString>
#include <QXmlStreamWriter>
#include <algorithm>
#include <unordered_set>

#include "exchange/delimited.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/safesave.h"
#include "lists/compile.h"

namespace orv {
namespace {

bool HasAnswers(const std::vector<ExportedList>& lists) {
  return std::any_of(lists.begin(), lists.end(), [](const ExportedList& list) {
    return std::any_of(list.entries.begin(), list.entries.end(),
                       [](const ExportedEntry& e) { return !e.entry.answer.empty(); });
  });
}

const std::string& AnswerOf(const ImportedEntry& entry) {
  return entry.answer.empty() ? entry.question : entry.answer;
}

std::string CsvText(const std::vector<ExportedList>& lists) {
  const bool pairs = HasAnswers(lists);
  std::string text;
  for (const ExportedList& list : lists) {
    for (const ExportedEntry& e : list.entries) {
      text += DelimitedField(e.entry.question, ',');
      if (pairs) text += "," + DelimitedField(AnswerOf(e.entry), ',');
      text += "\r\n";
    }
  }
  return text;
}

std::string AnkiText(const std::vector<ExportedList>& lists) {
  const bool pairs = HasAnswers(lists);
  const bool decks = lists.size() > 1;
  std::string text = "#separator:tab\n#html:false\n";
  text += pairs ? "#columns:Question\tAnswer" : "#columns:Word";
  text += decks ? "\tDeck\n" : "\n";
  if (decks) {
    text += "#deck column:" + std::to_string(pairs ? 3 : 2) + "\n";
  } else if (!lists.empty()) {
    text += "#deck:" + lists.front().name + "\n";
  }
  for (const ExportedList& list : lists) {
    for (const ExportedEntry& e : list.entries) {
      std::string question = e.entry.question;
      if (!e.entry.sound.empty()) question += "[sound:" + e.entry.sound + "]";
      text += DelimitedField(question, '\t');
      if (pairs) text += "\t" + DelimitedField(AnswerOf(e.entry), '\t');
      if (decks) text += "\t" + DelimitedField(list.name, '\t');
      text += "\n";
    }
  }
  return text;
}

void WriteTranslation(QXmlStreamWriter& xml, int id, const std::string& text,
                      const std::string& sound, bool generated) {
  xml.writeStartElement("translation");
  xml.writeAttribute("id", QString::number(id));
  xml.writeTextElement("text", QString::fromStdString(text));
  if (generated) xml.writeTextElement("comment", "made by a sum of the list");
  if (!sound.empty()) xml.writeTextElement("sound", QString::fromStdString(sound));
  xml.writeEndElement();
}

std::string KvtmlText(const std::vector<ExportedList>& lists) {
  const bool pairs = HasAnswers(lists);
  QString out;
  QXmlStreamWriter xml(&out);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeDTD("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">");
  xml.writeStartElement("kvtml");
  xml.writeAttribute("version", "2.0");
  xml.writeStartElement("information");
  xml.writeTextElement("generator", "Orv");
  xml.writeTextElement("title", QString::fromStdString(lists.empty() ? "" : lists.front().name));
  xml.writeEndElement();
  xml.writeStartElement("identifiers");
  const std::vector<const char*> languages =
      pairs ? std::vector<const char*>{"Question", "Answer"} : std::vector<const char*>{"Word"};
  for (std::size_t i = 0; i < languages.size(); ++i) {
    xml.writeStartElement("identifier");
    xml.writeAttribute("id", QString::number(i));
    xml.writeTextElement("name", languages[i]);
    xml.writeEndElement();
  }
  xml.writeEndElement();
  xml.writeStartElement("entries");
  int id = 0;
  for (const ExportedList& list : lists) {
    for (const ExportedEntry& e : list.entries) {
      xml.writeStartElement("entry");
      xml.writeAttribute("id", QString::number(id++));
      WriteTranslation(xml, 0, e.entry.question, e.entry.sound, e.generated);
      if (pairs) WriteTranslation(xml, 1, AnswerOf(e.entry), "", false);
      xml.writeEndElement();
    }
  }
  xml.writeEndElement();
  xml.writeStartElement("lessons");
  id = 0;
  for (const ExportedList& list : lists) {
    xml.writeStartElement("container");
    xml.writeTextElement("name", QString::fromStdString(list.name));
    xml.writeTextElement("inpractice", "true");
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
      xml.writeEmptyElement("entry");
      xml.writeAttribute("id", QString::number(id++));
    }
    xml.writeEndElement();
  }
  xml.writeEndElement();
  xml.writeEndDocument();
  return out.toStdString();
}

}  // namespace

std::optional<ExportFormat> ExportFormatNamed(std::string_view name) {
  if (name == "csv") return ExportFormat::Csv;
  if (name == "kvtml") return ExportFormat::Kvtml;
  if (name == "anki") return ExportFormat::Anki;
  return std::nullopt;
}

ExportedList ExportedListOf(std::string_view name, const BufferO& lines) {
  std::unordered_set<std::string> own;
  for (const LineNo i : LineNumbers(lines.Count())) own.insert(lines.Line(i));
  const BufferO compiled = CompileLines(lines, [](LineNo, const std::string&) {});
  ExportedList list{std::string(name), {}, 0};
  for (const LineNo i : LineNumbers(compiled.Count())) {
    const std::string& line = compiled.Line(i);
    const std::size_t bar = line.find('|');
    ExportedEntry e;
    e.entry.question = line.substr(0, bar);
    if (bar != std::string::npos) e.entry.answer = line.substr(bar + 1);
    e.generated = !own.contains(line);
    list.generated += e.generated;
    list.entries.push_back(std::move(e));
  }
  return list;
}

std::string GeneratedNote(const ExportedList& list) {
  if (list.generated == 0) return {};
  return std::to_string(list.generated) + " of the " + std::to_string(list.entries.size()) +
         " questions of \"" + list.name +
         "\" are made by its sums: they go out as the questions the sums make today, and "
         "will not change as the sums would.";
}

std::string ExportText(ExportFormat format, const std::vector<ExportedList>& lists) {
  switch (format) {
    case ExportFormat::Csv:
      return CsvText(lists);
    case ExportFormat::Kvtml:
      return KvtmlText(lists);
    case ExportFormat::Anki:
      return AnkiText(lists);
  }
  return {};
}

std::string WriteExport(ExportFormat format, std::vector<ExportedList> lists,
                        const std::string& path, const StoredSound& soundOf) {
  if (format != ExportFormat::Csv) {
    const std::string folder = FolderOf(path);
    for (ExportedList& list : lists) {
      for (ExportedEntry& e : list.entries) {
        const std::optional<std::string> wav = soundOf(e.entry.question);
        if (!wav) continue;
        const std::string file = ListNameOf(e.entry.question) + ".wav";
        if (const int code = WriteFileSafely(folder + file, *wav); code != 0) {
          return folder + file + ": " + ErrorText(code);
        }
        e.entry.sound = file;
      }
    }
  }
  if (const int code = WriteFileSafely(path, ExportText(format, lists)); code != 0) {
    return path + ": " + ErrorText(code);
  }
  return {};
}

}  // namespace orv
