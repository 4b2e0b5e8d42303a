#include "app/getuser.h"

#include "app/answerdefaults.h"
#include "app/registry.h"
#include "base/dialogs.h"
#include "base/numbertext.h"
#include "base/platform.h"
#include "base/translate.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/filelayer.h"
#include "files/safesave.h"
#include "lists/buffers.h"
#include "scores/firebird/engineroot.h"

namespace orv {
namespace {

constexpr std::string_view kLibrary = "sql_dll.dll";

std::string WithSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
  return dir;
}

// The password file, created on the first start when the user agrees.
std::unique_ptr<PasswordO> OpenPasswordFile(Dialogs& dialogs, const ProgramPaths& p) {
  const std::string path = PasswordFilePath(p.programDir, p.passwordFileName);
  if (!FileFound(path)) {
    const bool create = dialogs.ConfirmYesNo(
        Filled(TrText("getuser",
                      "No password file was found (%1). Create one with the super "
                      "user %2?"),
               path, std::string(kFirstSuperUser)));
    if (!create) throw E_PasWord_Error(MissingPasswordFileText());
    if (const int code = CreateFirstPasswordFile(path, kFirstSuperUser); code != 0) {
      throw E_PasWord_Error("Error in _PasWord.Begin:" + ErrorTextAt(code, path));
    }
  }
  return std::make_unique<PasswordO>(p.programDir, p.passwordFileName, dialogs);
}

// The engine's folder: the Firebird key, the InterBase key, then the client
// library itself. Nothing found ends the program.
std::string FindEngineRoot(Dialogs& dialogs, const ProgramPaths& p) {
  if (RegValueExists(p, kFirebirdKey, "DefaultInstance")) {
    return WithSeparator(RegReadString(p, kFirebirdKey, "DefaultInstance"));
  }
  if (RegValueExists(p, kInterBaseKey, "RootDirectory")) {
    return WithSeparator(RegReadString(p, kInterBaseKey, "RootDirectory"));
  }
  if (std::optional<std::string> root = ClientRootDirectory()) return *root;
  dialogs.Warning(TrText(
      "getuser",
      "Can't locate any compatible database keys in the registry, you probably need to install "
      "Firebird or InterBase"));
  dialogs.Information(
      TrText("getuser", "Can't continue with out a compatible database. Orv will now terminate"));
  ExitProcess(800);
}

// Puts the function library into the engine's UDF folder when the program
// directory holds one and the engine lacks it.
void PlaceLibrary(Dialogs& dialogs, ProgramPaths& p) {
  const std::string source = p.programDir + std::string(kLibrary);
  if (!FileFound(source)) return;
  const std::string target = p.engineRoot + "UDF\\" + std::string(kLibrary);
  if (!p.engineRoot.empty() && DirExists(p.engineRoot) && !FileFound(target)) {
    p.copyMessage = CopyWithMessage(source, target);
  }
  if (!FileFound(target)) {
    dialogs.Warning(TrText("getuser", "Can not copy the database .dll file OUCH!! :\n\r") +
                    p.copyMessage);
  }
}

// orv.ini's level for adding users; a value that is no level (0 to 255)
// gives the teachers' level rather than letting every learner add users.
std::int32_t ConfiguredAddUserLevel(const ProgramPaths& p) {
  if (!RegValueExists(p, kOrvKey, kNewAddUserLevel)) return PasswordO::AddLevel();
  const std::optional<std::int32_t> level =
      DecimalValue(RegReadString(p, kOrvKey, kNewAddUserLevel));
  return level && *level >= 0 && *level <= kSuperLevel ? *level : kTeacherLevel;
}

}  // namespace

std::string ConfiguredPasswordFileName(const ProgramPaths& paths) {
  if (!RegValueExists(paths, kOrvKey, "pasFile")) return "KVXS1.KVX";
  std::string name = RegReadString(paths, kOrvKey, "pasFile");
  // Whoever may change orv.ini must not make a command of the super user
  // read another file of the machine (as /etc/shadow) as the users.
  if (name.empty() || !StaysInside(name)) {
    throw E_PasWord_Error(
        Filled(TrText("getuser",
                      "pasFile=%1 in %2 does not name a file inside the program "
                      "directory %3, so it is not used. Name the password file there, "
                      "as pasFile=KVXS1.KVX."),
               name, RegistryFile(paths), paths.programDir));
  }
  return name;
}

StartedProgram StartUp(Dialogs& dialogs, const std::optional<std::string>& home) {
  ProgramPaths p;
  SetProgramDirectory(p, ProgramDirectory(home));
  // Before the engine look-up first loads the client library.
  DatabaseUse databases(p);
  p.passwordFileName = ConfiguredPasswordFileName(p);
  std::unique_ptr<PasswordO> users = OpenPasswordFile(dialogs, p);
  p.engineRoot = FindEngineRoot(dialogs, p);
  PlaceLibrary(dialogs, p);
  p.LogMistakes = RegReadBool(p, kOrvKey, "LogMistakes");
  p.LogAll = RegReadBool(p, kOrvKey, "LogAll");
  p.answerDefaults = ReadAnswerDefaults(p);
  p.addUserPasLev = ConfiguredAddUserLevel(p);
  StartUpSettings settings;
  settings.addUserPasLev = p.addUserPasLev;
  return {std::move(p), std::move(settings), std::move(users), std::move(databases)};
}

// Read and written by the file layer: a link planted in a shared folder, at
// the source or in the target's place, is neither followed nor replaced.
std::string CopyWithMessage(std::string_view source, std::string_view target) {
  std::string bytes;
  if (const int code = ReadFileBytes(source, bytes); code != 0) return ErrorTextAt(code, source);
  const int code = WriteFileSafely(target, bytes);
  return code == 0 ? std::string() : ErrorTextAt(code, target);
}

std::string LastUserFile(const ProgramPaths& paths) {
  return paths.programDir + "LastUser.Kvx";
}

std::string LastUserName(const ProgramPaths& paths) {
  BufferO buffer;
  if (LoadFromFile(buffer, LastUserFile(paths)) != 0 || buffer.Count() == 0) return "User";
  return buffer.Get(1);
}

void SaveLastUser(const ProgramPaths& paths, std::string_view name) {
  BufferO buffer;
  buffer.Add(name);
  SaveToFile(buffer, LastUserFile(paths));
}

}  // namespace orv
