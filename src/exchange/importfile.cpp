#include "exchange/importfile.h"

#include "base/strings.h"
#include "exchange/ankiimport.h"
#include "exchange/csvimport.h"
#include "exchange/kvtmlimport.h"
#include "exchange/textimport.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/filelayer.h"

namespace orv {

ImportFormat FormatOf(std::string_view path, std::string_view text) {
  const std::string ext = UpperAZ(ExtOf(path));
  if (ext == "KVTML" || text.starts_with("<?xml")) return ImportFormat::Kvtml;
  if (ext == "CSV") return ImportFormat::Csv;
  if (ext == "TSV") return ImportFormat::Tsv;
  if (HasAnkiHeader(text)) return ImportFormat::Anki;
  if (text.substr(0, text.find('\n')).find('\t') != std::string_view::npos) {
    return ImportFormat::Tsv;
  }
  return ImportFormat::PlainText;
}

std::string FormatName(ImportFormat format) {
  switch (format) {
    case ImportFormat::Csv:
      return "CSV";
    case ImportFormat::Tsv:
      return "TSV";
    case ImportFormat::Kvtml:
      return "KVTML";
    case ImportFormat::Anki:
      return "Anki text";
    case ImportFormat::PlainText:
      return "plain text";
  }
  return {};
}

ImportResult ImportFile(const std::string& path, const ColumnChoice& choice) {
  ImportResult failed;
  std::string text;
  if (const int code = ReadTextFile(path, text); code != 0) {
    failed.failure = ErrorText(code);
    return failed;
  }
  const ImportFormat format = FormatOf(path, text);
  const std::string name = BaseName(path);
  const std::string folder = FolderOf(path);
  if (format == ImportFormat::Kvtml) {
    // XML names its own encoding: the parser is given the bytes as they are.
    if (const int code = ReadFileBytes(path, text); code != 0) {
      failed.failure = ErrorText(code);
      return failed;
    }
    return ReadKvtml(text, name, folder, choice);
  }
  switch (format) {
    case ImportFormat::Csv:
      return ReadCsv(text, name, choice);
    case ImportFormat::Tsv:
      return ReadCsv(text, name, choice, '\t');
    case ImportFormat::Anki:
      return ReadAnki(text, name, folder, choice);
    default:
      return ReadPlainText(text, name);
  }
}

ImportBatch ReadImportFiles(const std::vector<std::string>& files, const ColumnChoice& choice,
                            const std::function<void(std::size_t)>& progress) {
  ImportBatch batch;
  for (std::size_t i = 0; i < files.size(); ++i) {
    ImportResult result = ImportFile(files[i], choice);
    const std::string name = FileNameOf(files[i]);
    if (i == 0) batch.columns = result.columns;
    if (!result.failure.empty()) batch.failures.push_back(name + ": " + result.failure);
    for (const ImportProblem& p : result.problems) {
      batch.problems.push_back(name + ": " + p.where +
                               (p.leftOut ? ": left out: " : ": without its sound: ") + p.what);
    }
    for (ImportedList& list : result.lists) batch.lists.push_back(std::move(list));
    if (progress) progress(i + 1);
  }
  return batch;
}

}  // namespace orv
