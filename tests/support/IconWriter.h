// Builds icon files and minimal Windows libraries with icon resources in
// memory, for tests and for the seed corpora of the icon reader.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "corvane/Types.h"

namespace corvane::test {

inline void Put16(std::vector<BYTE>& b, std::size_t at, unsigned v) {
  b[at] = static_cast<BYTE>(v);
  b[at + 1] = static_cast<BYTE>(v >> 8);
}
inline void Put32(std::vector<BYTE>& b, std::size_t at, unsigned v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<BYTE>(v >> (8 * i));
}

// A 32-bit DIB icon image of n by n, all one colour, its left half transparent
// through the alpha channel.
inline std::vector<BYTE> DibIconImage(int n, std::uint32_t argb) {
  std::vector<BYTE> image(40 + static_cast<std::size_t>(n) * n * 4 + static_cast<std::size_t>((n + 31) / 32 * 4) * n);
  Put32(image, 0, 40);
  Put32(image, 4, n);
  Put32(image, 8, 2 * n);
  Put16(image, 12, 1);
  Put16(image, 14, 32);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) Put32(image, 40 + (static_cast<std::size_t>(y) * n + x) * 4, x < n / 2 ? 0 : argb);
  return image;
}

inline std::vector<BYTE> IconFile(const std::vector<std::pair<int, std::vector<BYTE>>>& images) {
  std::vector<BYTE> file(6 + 16 * images.size());
  Put16(file, 2, 1);
  Put16(file, 4, static_cast<unsigned>(images.size()));
  for (std::size_t i = 0; i < images.size(); ++i) {
    const std::size_t e = 6 + 16 * i;
    file[e] = file[e + 1] = static_cast<BYTE>(images[i].first == 256 ? 0 : images[i].first);
    Put16(file, e + 4, 1);
    Put16(file, e + 6, 32);
    Put32(file, e + 8, static_cast<unsigned>(images[i].second.size()));
    Put32(file, e + 12, static_cast<unsigned>(file.size()));
    file.insert(file.end(), images[i].second.begin(), images[i].second.end());
  }
  return file;
}

// A minimal 32-bit Windows library whose resources hold the given icon
// groups, each of one image.
inline std::vector<BYTE> PeWithIcons(const std::vector<std::vector<BYTE>>& icons) {
  const std::size_t peAt = 64, optionalSize = 224, sectionsAt = peAt + 24 + optionalSize, rsrcAt = 512;
  const unsigned rva = 0x1000;
  // Resource tree: root(2 types) -> RT_ICON (n ids) and RT_GROUP_ICON (n ids) -> one language each.
  const std::size_t n = icons.size();
  std::vector<BYTE> r;
  auto dir = [&](std::size_t entries) {
    const std::size_t at = r.size();
    r.resize(at + 16 + 8 * entries);
    Put16(r, at + 14, static_cast<unsigned>(entries));
    return at;
  };
  const std::size_t root = dir(2);
  const std::size_t iconType = dir(n), groupType = dir(n);
  Put32(r, root + 16, 3);
  Put32(r, root + 20, 0x80000000u | static_cast<unsigned>(iconType));
  Put32(r, root + 24, 14);
  Put32(r, root + 28, 0x80000000u | static_cast<unsigned>(groupType));
  std::vector<std::size_t> dataEntries;
  for (int kind = 0; kind < 2; ++kind) {
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t lang = dir(1);
      const std::size_t typeDir = kind == 0 ? iconType : groupType;
      Put32(r, typeDir + 16 + 8 * i, static_cast<unsigned>(i + 1));
      Put32(r, typeDir + 20 + 8 * i, 0x80000000u | static_cast<unsigned>(lang));
      const std::size_t data = r.size();
      r.resize(data + 16);
      Put32(r, lang + 16, 0x409);
      Put32(r, lang + 20, static_cast<unsigned>(data));
      dataEntries.push_back(data);
    }
  }
  for (std::size_t k = 0; k < 2 * n; ++k) {
    const std::size_t i = k % n;
    std::vector<BYTE> payload;
    if (k < n) {
      payload = icons[i];
    } else {
      payload.assign(6 + 14, 0);
      Put16(payload, 2, 1);
      Put16(payload, 4, 1);
      payload[6] = payload[7] = 32;
      Put16(payload, 6 + 4, 1);
      Put16(payload, 6 + 6, 32);
      Put32(payload, 6 + 8, static_cast<unsigned>(icons[i].size()));
      Put16(payload, 6 + 12, static_cast<unsigned>(i + 1));
    }
    const std::size_t at = r.size();
    r.insert(r.end(), payload.begin(), payload.end());
    Put32(r, dataEntries[k], rva + static_cast<unsigned>(at));
    Put32(r, dataEntries[k] + 4, static_cast<unsigned>(payload.size()));
  }
  std::vector<BYTE> file(rsrcAt);
  file[0] = 'M';
  file[1] = 'Z';
  Put32(file, 0x3C, static_cast<unsigned>(peAt));
  Put32(file, peAt, 0x00004550);
  Put16(file, peAt + 4, 0x14C);
  Put16(file, peAt + 6, 1);
  Put16(file, peAt + 20, static_cast<unsigned>(optionalSize));
  const std::size_t opt = peAt + 24;
  Put16(file, opt, 0x10B);
  Put32(file, opt + 92, 16);
  Put32(file, opt + 96 + 16, rva);
  Put32(file, opt + 96 + 20, static_cast<unsigned>(r.size()));
  std::memcpy(&file[sectionsAt], ".rsrc", 5);
  Put32(file, sectionsAt + 8, static_cast<unsigned>(r.size()));
  Put32(file, sectionsAt + 12, rva);
  Put32(file, sectionsAt + 16, static_cast<unsigned>(r.size()));
  Put32(file, sectionsAt + 20, static_cast<unsigned>(rsrcAt));
  file.insert(file.end(), r.begin(), r.end());
  return file;
}

// A 4 by 4 PNG image, all opaque red, as an icon image may be stored.
inline std::vector<BYTE> TinyPng() {
  static const BYTE png[] = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52,
      0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x04, 0x08, 0x06, 0x00, 0x00, 0x00, 0xA9, 0xF1, 0x9E,
      0x7E, 0x00, 0x00, 0x00, 0x12, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0xF0,
      0x1F, 0x19, 0x33, 0x90, 0x2E, 0x00, 0x00, 0x3C, 0x40, 0x1F, 0xE1, 0xE0, 0x81, 0x77, 0xB4, 0x00,
      0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  return std::vector<BYTE>(png, png + sizeof png);
}

}  // namespace corvane::test
