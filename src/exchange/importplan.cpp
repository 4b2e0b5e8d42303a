#include "exchange/importplan.h"

#include <algorithm>
#include <set>

#include "base/strings.h"
#include "base/translate.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/grouptree.h"
#include "lists/owner.h"

namespace orv {

std::optional<std::string> GroupDirNamed(std::string_view typed) {
  if (!StaysInside(typed)) return std::nullopt;
  std::vector<std::string> names;
  std::string part;
  const auto flush = [&] {
    if (part.empty()) return;
    names.push_back(UpperAZ(ExtOf(part)) == "ORV" ? part : part + ".orv");
    part.clear();
  };
  for (const char c : typed) {
    if (c == '\\' || c == '/') {
      flush();
    } else {
      part += c;
    }
  }
  flush();
  return GroupDirOf(names);
}

std::vector<PlannedList> PlanImport(std::string_view listRoot, std::string_view group,
                                    const std::vector<ImportedList>& lists) {
  std::vector<PlannedList> plan;
  std::set<std::string> taken;
  const auto add = [&](const ImportedList& list, std::string name, std::size_t from,
                       std::size_t to) {
    const std::string dir = std::string(group) + list.group;
    std::string shown = dir + name + ".orv";
    for (int n = 2; !taken.insert(UpperAZ(shown)).second; ++n) {
      shown = dir + name + " " + std::to_string(n) + ".orv";
    }
    PlannedList planned;
    planned.shown = shown;
    planned.path = std::string(listRoot) + shown;
    planned.exists = FileFound(planned.path);
    for (std::size_t i = from; i < to; ++i) {
      const ImportedEntry& entry = list.entries[i];
      planned.lines.Add(EntryLine(entry));
      if (!entry.sound.empty()) planned.sounds.push_back({entry.question, entry.sound});
    }
    plan.push_back(std::move(planned));
  };
  for (const ImportedList& list : lists) {
    const std::size_t count = list.entries.size();
    if (count == 0) continue;
    if (count <= BufferO::kMaxLines) {
      add(list, list.name, 0, count);
      continue;
    }
    for (std::size_t from = 0, part = 1; from < count; from += BufferO::kMaxLines, ++part) {
      add(list, list.name + " " + std::to_string(part), from,
          std::min<std::size_t>(count, from + BufferO::kMaxLines));
    }
  }
  return plan;
}

std::string ReplaceListQuestion(std::string_view shown) {
  return Filled(
      TrText("ImportPlan", "The list \"%1\" is there already. Replace it with the imported one?"),
      std::string(shown));
}

ImportWritten WriteImport(const std::vector<PlannedList>& plan, const std::string& owner,
                          Dialogs& dialogs, const std::function<void(std::size_t)>& progress) {
  BufferO ownerLines;
  ownerLines.Add("\"" + owner + "\"");
  ImportWritten written;
  for (std::size_t done = 0; done < plan.size(); ++done) {
    if (progress && done > 0) progress(done);
    const PlannedList& list = plan[done];
    if (list.exists && !dialogs.ConfirmYesNo(ReplaceListQuestion(list.shown))) {
      written.kept.push_back(list.shown);
      continue;
    }
    try {
      int code = MakePath(list.path);
      if (code == 0) code = SaveToFile(list.lines, list.path);
      if (code == 0 && !owner.empty()) code = SaveToFile(ownerLines, OwnerFilePath(list.path));
      if (code != 0) {
        written.failures.push_back(list.shown + ": " + ErrorText(code));
        continue;
      }
    } catch (const E_Dos_Error& e) {  // a group folder that cannot be made
      written.failures.push_back(list.shown + ": " + e.what());
      continue;
    }
    written.made.push_back(list.shown);
    written.sounds.insert(written.sounds.end(), list.sounds.begin(), list.sounds.end());
  }
  if (progress) progress(plan.size());
  return written;
}

}  // namespace orv
