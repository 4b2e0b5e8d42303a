#include "exchange/kvtmlimport.h"

#include <QByteArray>
#include <QUrl>
#include <QXmlStreamReader>
#include <map>
#include <memory>
#include <vector>

#include "files/dos.h"

namespace orv {
namespace {

struct Translation {
  std::string text;
  std::string sound;
};

struct Entry {
  std::size_t line = 0;
  std::map<std::string, Translation> translations;  // by identifier id
};

struct Lesson {
  std::string name;
  std::vector<std::pair<std::string, std::size_t>> entries;  // entry id, line of the reference
  std::vector<std::unique_ptr<Lesson>> lessons;
};

struct Document {
  std::string title;
  std::vector<std::pair<std::string, std::string>> identifiers;  // id, name
  std::map<std::string, Entry> entries;
  std::vector<std::string> entryOrder;
  Lesson top;
};

std::string Text(const QStringView text) {
  return text.toString().toStdString();
}

std::string Attribute(const QXmlStreamReader& xml, const char* name) {
  return Text(xml.attributes().value(QLatin1String(name)));
}

bool Is(const QXmlStreamReader& xml, const char* name) {
  return xml.name() == QLatin1String(name);
}

std::string ElementText(QXmlStreamReader& xml) {
  return xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed().toStdString();
}

void ReadIdentifiers(QXmlStreamReader& xml, Document& doc) {
  while (xml.readNextStartElement()) {
    if (!Is(xml, "identifier")) {
      xml.skipCurrentElement();
      continue;
    }
    std::pair<std::string, std::string> identifier{Attribute(xml, "id"), ""};
    while (xml.readNextStartElement()) {
      if (Is(xml, "name")) {
        identifier.second = ElementText(xml);
      } else {
        xml.skipCurrentElement();
      }
    }
    doc.identifiers.push_back(identifier);
  }
}

void ReadEntries(QXmlStreamReader& xml, Document& doc) {
  while (xml.readNextStartElement()) {
    if (!Is(xml, "entry")) {
      xml.skipCurrentElement();
      continue;
    }
    const std::string id = Attribute(xml, "id");
    Entry entry{static_cast<std::size_t>(xml.lineNumber()), {}};
    while (xml.readNextStartElement()) {
      if (!Is(xml, "translation")) {
        xml.skipCurrentElement();
        continue;
      }
      Translation& t = entry.translations[Attribute(xml, "id")];
      while (xml.readNextStartElement()) {
        if (Is(xml, "text")) {
          t.text = ElementText(xml);
        } else if (Is(xml, "sound")) {
          t.sound = ElementText(xml);
        } else {
          xml.skipCurrentElement();
        }
      }
    }
    doc.entryOrder.push_back(id);
    doc.entries[id] = std::move(entry);
  }
}

void ReadLessons(QXmlStreamReader& xml, Lesson& lesson) {
  while (xml.readNextStartElement()) {
    if (Is(xml, "name")) {
      lesson.name = ElementText(xml);
    } else if (Is(xml, "entry")) {
      lesson.entries.emplace_back(Attribute(xml, "id"), xml.lineNumber());
      xml.skipCurrentElement();
    } else if (Is(xml, "container")) {
      ReadLessons(xml, *lesson.lessons.emplace_back(std::make_unique<Lesson>()));
    } else {
      xml.skipCurrentElement();
    }
  }
}

// The path of a <sound>: a file URL or a path, taken from folder when relative.
std::string SoundPath(const std::string& sound, std::string_view folder) {
  const QUrl url(QString::fromStdString(sound));
  const std::string path = url.isLocalFile() ? url.toLocalFile().toStdString() : sound;
  return path.starts_with('/') ? path : std::string(folder) + path;
}

class Lists {
 public:
  Lists(const Document& doc, const std::vector<std::string>& ids, std::string_view folder,
        ImportResult& result)
      : doc_(doc), ids_(ids), folder_(folder), result_(result) {}

  void Add(ImportedList& list, const std::string& id, std::size_t line) {
    const auto it = doc_.entries.find(id);
    const std::string at = LineWhere(line) + ", <entry id=\"" + id + "\">";
    if (it == doc_.entries.end()) {
      result_.problems.push_back({at, "the file has no entry of that id"});
      return;
    }
    std::vector<const Translation*> taken;
    for (const std::string& language : ids_) {
      const auto t = it->second.translations.find(language);
      taken.push_back(t == it->second.translations.end() ? nullptr : &t->second);
    }
    if (taken[0] == nullptr) {
      result_.problems.push_back({at, "it has no translation " + ids_[0]});
      return;
    }
    std::optional<std::string> answer;
    if (taken.size() > 1) answer = taken[1] != nullptr ? taken[1]->text : std::string();
    std::string sound;
    if (!taken[0]->sound.empty()) {
      sound = SoundPath(taken[0]->sound, folder_);
      if (!FileFound(sound)) {
        result_.problems.push_back({at, "the sound file " + sound + " is not there", false});
        sound.clear();
      }
    }
    AddEntry(result_, list, at, taken[0]->text, std::move(answer), std::move(sound));
  }

  void AddLesson(const Lesson& lesson, const std::string& group) {
    const std::string name = ListNameOf(lesson.name);
    const std::string inner = lesson.lessons.empty() ? group : group + name + ".orv\\";
    if (!lesson.entries.empty()) {
      ImportedList list{inner, name, {}};
      for (const auto& [id, line] : lesson.entries) Add(list, id, line);
      result_.lists.push_back(std::move(list));
    }
    for (const auto& sub : lesson.lessons) AddLesson(*sub, inner);
  }

 private:
  const Document& doc_;
  const std::vector<std::string>& ids_;
  std::string_view folder_;
  ImportResult& result_;
};

void MarkInLessons(const Lesson& lesson, std::map<std::string, bool>& used) {
  for (const auto& entry : lesson.entries) used[entry.first] = true;
  for (const auto& sub : lesson.lessons) MarkInLessons(*sub, used);
}

std::string ReadDocument(QXmlStreamReader& xml, Document& doc) {
  if (!xml.readNextStartElement()) return {};
  if (!Is(xml, "kvtml")) {
    return LineWhere(xml.lineNumber()) + ": the file is not KVTML (its first element is <" +
           Text(xml.name()) + ">)";
  }
  if (const std::string version = Attribute(xml, "version"); !version.starts_with("2")) {
    return LineWhere(xml.lineNumber()) + ": <kvtml version=\"" + version +
           "\"> is not KVTML 2.0, the version read here";
  }
  while (xml.readNextStartElement()) {
    if (Is(xml, "information")) {
      while (xml.readNextStartElement()) {
        if (Is(xml, "title")) {
          doc.title = ElementText(xml);
        } else {
          xml.skipCurrentElement();
        }
      }
    } else if (Is(xml, "identifiers")) {
      ReadIdentifiers(xml, doc);
    } else if (Is(xml, "entries")) {
      ReadEntries(xml, doc);
    } else if (Is(xml, "lessons")) {
      ReadLessons(xml, doc.top);
    } else {
      xml.skipCurrentElement();
    }
  }
  return {};
}

}  // namespace

ImportResult ReadKvtml(std::string_view bytes, std::string_view name, std::string_view folder,
                       const ColumnChoice& choice) {
  ImportResult result;
  QXmlStreamReader xml(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  Document doc;
  result.failure = ReadDocument(xml, doc);
  if (result.failure.empty() && xml.hasError()) {
    result.failure = LineWhere(xml.lineNumber()) + ": " + xml.errorString().toStdString();
  }
  if (!result.failure.empty()) return result;
  for (const auto& [id, language] : doc.identifiers) {
    result.columns.push_back(language.empty() ? "translation " + id : language);
  }
  const ColumnChoice taken = ChosenColumns(choice, doc.identifiers.size());
  if (taken.empty()) {
    result.failure = "the file has " + std::to_string(doc.identifiers.size()) +
                     " languages in <identifiers>; one beyond them was chosen";
    return result;
  }
  std::vector<std::string> ids;
  for (const std::size_t column : taken) ids.push_back(doc.identifiers[column].first);
  Lists lists(doc, ids, folder, result);
  std::map<std::string, bool> used;
  MarkInLessons(doc.top, used);
  ImportedList loose{"", ListNameOf(doc.title.empty() ? name : doc.title), {}};
  for (const std::string& id : doc.entryOrder) {
    if (!used[id]) lists.Add(loose, id, doc.entries.at(id).line);
  }
  if (!loose.entries.empty()) result.lists.push_back(std::move(loose));
  for (const auto& lesson : doc.top.lessons) lists.AddLesson(*lesson, "");
  return result;
}

}  // namespace orv
