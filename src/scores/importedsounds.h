#pragma once
// The sounds that imported lists bring, stored as their words' sounds.
#include <string>
#include <vector>

#include "exchange/importplan.h"
#include "scores/soundstore.h"

namespace orv {

struct StoredImport {
  std::size_t stored = 0;
  std::size_t kept = 0;               // words that had a sound and keep it
  std::vector<std::string> failures;  // "FILE: not stored as the sound of "cat": why"
};

// Stores each sound file as the sound of its word; a word that has a sound
// keeps it.
StoredImport StoreImportedSounds(SoundStore& store, const std::vector<ImportedSound>& sounds);

}  // namespace orv
