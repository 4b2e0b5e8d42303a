#include "scores/importedsounds.h"

#include "base/translate.h"
#include "files/errortext.h"
#include "files/filelayer.h"

namespace orv {

StoredImport StoreImportedSounds(SoundStore& store, const std::vector<ImportedSound>& sounds) {
  StoredImport done;
  for (const ImportedSound& sound : sounds) {
    std::string wav;
    std::string why;
    if (const int code = ReadFileBytes(sound.file, wav, kSoundFileLimit); code != 0) {
      why = ErrorText(code);
    } else if (store.WavForWord(sound.word)) {
      ++done.kept;
      continue;
    } else if (store.StoreWav(sound.word, wav, SoundStore::Replace::Ask, &why)) {
      ++done.stored;
      continue;
    }
    done.failures.push_back(
        Filled(TrText("SoundStore", "%1: not stored as the sound of \"%2\": %3"), sound.file,
               sound.word, why));
  }
  return done;
}

}  // namespace orv
