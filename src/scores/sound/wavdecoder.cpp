#include "scores/sound/wavdecoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace orv {
namespace {

struct MemoryFile {
  std::string_view bytes;
  sf_count_t position = 0;
};

MemoryFile& Of(void* user) {
  return *static_cast<MemoryFile*>(user);
}

sf_count_t Length(void* user) {
  return static_cast<sf_count_t>(Of(user).bytes.size());
}

sf_count_t Seek(sf_count_t offset, int whence, void* user) {
  MemoryFile& file = Of(user);
  sf_count_t base = whence == SEEK_CUR   ? file.position
                    : whence == SEEK_END ? static_cast<sf_count_t>(file.bytes.size())
                                         : 0;
  sf_count_t target = base + offset;
  if (target < 0 || target > static_cast<sf_count_t>(file.bytes.size())) return -1;
  file.position = target;
  return target;
}

sf_count_t Read(void* destination, sf_count_t count, void* user) {
  MemoryFile& file = Of(user);
  sf_count_t left = static_cast<sf_count_t>(file.bytes.size()) - file.position;
  sf_count_t n = std::clamp<sf_count_t>(count, 0, left);
  std::memcpy(destination, file.bytes.data() + file.position, static_cast<std::size_t>(n));
  file.position += n;
  return n;
}

sf_count_t Write(const void*, sf_count_t, void*) {
  return 0;
}

sf_count_t Tell(void* user) {
  return Of(user).position;
}

}  // namespace

std::optional<DecodedSound> DecodeWav(std::string_view bytes) {
  SF_VIRTUAL_IO io{Length, Seek, Read, Write, Tell};
  MemoryFile file{bytes};
  SF_INFO info{};
  std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> sound(sf_open_virtual(&io, SFM_READ, &info, &file),
                                                    sf_close);
  if (!sound) return std::nullopt;
  const int container = info.format & SF_FORMAT_TYPEMASK;
  if (container != SF_FORMAT_WAV && container != SF_FORMAT_WAVEX) return std::nullopt;
  if (info.channels <= 0 || info.samplerate <= 0 || info.frames < 0) return std::nullopt;
  // No WAV coding packs more than a few samples into a byte; a header that
  // claims more is not believed.
  const auto claimed =
      static_cast<std::uint64_t>(info.frames) * static_cast<unsigned>(info.channels);
  if (claimed > static_cast<std::uint64_t>(bytes.size()) * 16) return std::nullopt;
  DecodedSound decoded;
  decoded.sampleRate = info.samplerate;
  decoded.channels = info.channels;
  decoded.samples.resize(static_cast<std::size_t>(info.frames) *
                         static_cast<std::size_t>(info.channels));
  // A file cut short keeps the sound it still holds.
  decoded.frames =
      std::max<sf_count_t>(0, sf_readf_short(sound.get(), decoded.samples.data(), info.frames));
  decoded.samples.resize(static_cast<std::size_t>(decoded.frames) *
                         static_cast<std::size_t>(info.channels));
  return decoded;
}

}  // namespace orv
