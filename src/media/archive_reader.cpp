#include "media/archive_reader.h"

#include "media/archive_stream.h"
#include "media/error.h"

namespace fg {

Picture decodePictureData(std::span<const uint8_t> bytes) {
  ByteReader r(bytes);
  std::string cls = r.shortString();
  if (cls == "TDIB") return decodeDib(bytes.subspan(r.position()));
  if (cls == "TBitmap") {
    uint32_t count = r.u32();
    if (count == 0) return {};
    return decodeBitmapFile(r.bytes(count));
  }
  return {};
}

namespace {

void readPictureProperty(ComponentReader& in, const std::string& prop, PictureItem& item) {
  if (sameName(prop, "Name")) {
    item.name = in.readText();
  } else if (sameName(prop, "PatternHeight")) {
    item.patternHeight = in.readInteger();
  } else if (sameName(prop, "PatternWidth")) {
    item.patternWidth = in.readInteger();
  } else if (sameName(prop, "SkipHeight")) {
    item.skipHeight = in.readInteger();
  } else if (sameName(prop, "SkipWidth")) {
    item.skipWidth = in.readInteger();
  } else if (sameName(prop, "SystemMemory")) {
    item.systemMemory = in.readBoolean();
  } else if (sameName(prop, "Transparent")) {
    item.transparent = in.readBoolean();
  } else if (sameName(prop, "TransparentColor")) {
    item.transparentColor = in.readColor();
  } else if (sameName(prop, "Picture.Data")) {
    item.picture = decodePictureData(in.readBinary());
  } else {
    throw GameError(kPropertyDoesNotExist);
  }
}

void readWaveProperty(ComponentReader& in, const std::string& prop, WaveItem& item) {
  if (sameName(prop, "Name")) {
    item.name = in.readText();
  } else if (sameName(prop, "Looped")) {
    item.setLooped(in.readBoolean());
  } else if (sameName(prop, "MaxPlayingCount")) {
    item.setMaxPlayingCount(in.readInteger());
  } else if (sameName(prop, "Wave.WAVE")) {
    item.wave = decodeWave(in.readBinary());
  } else {
    throw GameError(kPropertyDoesNotExist);
  }
}

// Walks a "List" collection; `readItem` reads one item's property records.
template <typename AddFn, typename PropFn>
void readCollection(ComponentReader& in, const std::function<void()>& clear, AddFn&& add, PropFn&& prop) {
  in.beginCollection();
  bool first = true;
  while (in.nextCollectionItem()) {
    if (first) clear();
    first = false;
    auto& item = add();
    for (std::string name = in.nextPropertyName(); !name.empty(); name = in.nextPropertyName())
      prop(in, name, item);
  }
}

}  // namespace

void readImageArchive(std::span<const uint8_t> bytes, const ImageArchiveSink& sink) {
  ComponentReader in(bytes);
  for (std::string prop = in.nextPropertyName(); !prop.empty(); prop = in.nextPropertyName()) {
    if (sameName(prop, "List")) {
      readCollection(in, sink.clear, sink.add, readPictureProperty);
    } else if (sameName(prop, "List.ColorTable")) {
      auto data = in.readBinary();
      if (data.size() < 1024) throw GameError(kStreamReadError);
      if (sink.colorTable) sink.colorTable->assign(data.begin(), data.begin() + 1024);
    } else {
      throw GameError(kPropertyDoesNotExist);
    }
  }
  in.endRoot();
}

void readWaveArchive(std::span<const uint8_t> bytes, const WaveArchiveSink& sink) {
  ComponentReader in(bytes);
  for (std::string prop = in.nextPropertyName(); !prop.empty(); prop = in.nextPropertyName()) {
    if (!sameName(prop, "List")) throw GameError(kPropertyDoesNotExist);
    readCollection(in, sink.clear, sink.add, readWaveProperty);
  }
  in.endRoot();
}

}  // namespace fg
