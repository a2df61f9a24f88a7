#pragma once
// fgpack's three commands as functions, so the tests can run them in-process.
#include <string>

namespace fg::pack {

enum class ArchiveKind { Image, Wave };

// ".dxw" is a wave archive, anything else an image archive.
ArchiveKind kindFromPath(const std::string& path);

// The listing as one JSON object. `fault` gets the load's message when the
// archive is damaged; the JSON then holds the items that stayed.
std::string listArchive(const std::string& path, std::string& fault);

// Every picture as a 24-bit PNG and every wave as a ".wav" in `dir`, named by
// item index and (sanitised) name, plus "manifest.txt" that pack reads back.
// A damaged archive extracts what stayed, then fails with the load's message.
void extractArchive(const std::string& path, const std::string& dir);

// Builds an archive from a manifest; files named in it are relative to the
// manifest's folder and must lie inside it unless `anyPath` allows more.
void packArchive(const std::string& manifestPath, const std::string& outPath, bool anyPath = false);

// "007" or "007_name": only letters, digits, '-', '_' and inner dots survive,
// so the result is always a plain file name inside the target folder.
std::string fileStem(int index, const std::string& name);

}  // namespace fg::pack
