// Reading icons out of icon files and out of the resources of Windows
// programs and libraries.  Every read is bounded by the bytes at hand.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <new>

#include "system/gdi/Dc.h"
#include "system/gdi/Icon.h"

namespace corvane {

namespace {

// Files beyond this size are not searched for icons.
constexpr std::streamoff kMaxIconSourceSize = 256LL << 20;

bool ReadWholeFile(LPCSTR path, std::vector<std::uint8_t>& bytes) {
  if (!path || !*path) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size <= 0 || size > kMaxIconSourceSize) return false;
  in.seekg(0, std::ios::beg);
  try {
    bytes.resize(static_cast<std::size_t>(size));
  } catch (const std::bad_alloc&) {
    return false;
  }
  in.read(reinterpret_cast<char*>(bytes.data()), size);
  return in.gcount() == size;
}

// A bounded view of bytes.
struct Bytes {
  const std::uint8_t* data;
  std::size_t size;
  bool Has(std::size_t offset, std::size_t length) const { return offset <= size && length <= size - offset; }
  std::uint16_t U16(std::size_t offset) const {
    return Has(offset, 2) ? static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8)) : 0;
  }
  std::uint32_t U32(std::size_t offset) const {
    if (!Has(offset, 4)) return 0;
    return static_cast<std::uint32_t>(data[offset]) | (static_cast<std::uint32_t>(data[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(data[offset + 2]) << 16) | (static_cast<std::uint32_t>(data[offset + 3]) << 24);
  }
  std::uint8_t U8(std::size_t offset) const { return Has(offset, 1) ? data[offset] : 0; }
};

// One image of an icon: where its bytes are, and its nominal size.
struct ImageRef {
  std::size_t offset = 0;
  std::size_t size = 0;
  int width = 0;
  int height = 0;
  int bits = 0;
};

constexpr std::size_t kMaxImagesPerIcon = 64;
constexpr std::size_t kMaxIcons = 4096;

bool IsIconFile(const Bytes& b) {
  return b.Has(0, 6) && b.U16(0) == 0 && b.U16(2) == 1 && b.U16(4) > 0;
}

std::vector<ImageRef> IconFileImages(const Bytes& b) {
  std::vector<ImageRef> images;
  const std::size_t count = std::min<std::size_t>(b.U16(4), kMaxImagesPerIcon);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t e = 6 + 16 * i;
    if (!b.Has(e, 16)) break;
    ImageRef ref;
    ref.width = b.U8(e) ? b.U8(e) : 256;
    ref.height = b.U8(e + 1) ? b.U8(e + 1) : 256;
    ref.bits = b.U16(e + 6);
    ref.size = b.U32(e + 8);
    ref.offset = b.U32(e + 12);
    if (ref.size == 0 || !b.Has(ref.offset, ref.size)) continue;
    images.push_back(ref);
  }
  return images;
}

// Windows programs and libraries (portable executables).
class PeResources {
 public:
  explicit PeResources(const Bytes& b) : m_b(b) { Parse(); }
  bool Valid() const { return m_valid; }

  // The data of every resource of a type, in directory order (one language
  // each: the first).
  struct Entry {
    std::uint32_t id;  // 0xFFFFFFFF for a named entry
    std::size_t offset;
    std::size_t size;
  };
  std::vector<Entry> OfType(std::uint32_t type) const {
    std::vector<Entry> out;
    if (!m_valid) return out;
    std::size_t typeDir;
    if (!Find(0, type, typeDir)) return out;
    const std::size_t names = EntryCount(typeDir);
    for (std::size_t i = 0; i < names && out.size() < kMaxIcons; ++i) {
      const std::size_t e = m_root + typeDir + 16 + 8 * i;
      const std::uint32_t name = m_b.U32(e);
      const std::uint32_t target = m_b.U32(e + 4);
      if (!(target & 0x80000000u)) continue;
      const std::size_t langDir = target & 0x7FFFFFFFu;
      if (EntryCount(langDir) == 0) continue;
      const std::uint32_t dataEntry = m_b.U32(m_root + langDir + 16 + 4);
      if (dataEntry & 0x80000000u) continue;
      Entry entry;
      entry.id = (name & 0x80000000u) ? 0xFFFFFFFFu : name;
      if (!Data(dataEntry, entry.offset, entry.size)) continue;
      out.push_back(entry);
    }
    return out;
  }

 private:
  void Parse() {
    if (!m_b.Has(0, 64) || m_b.U16(0) != 0x5A4D) return;  // "MZ"
    const std::size_t pe = m_b.U32(0x3C);
    if (!m_b.Has(pe, 24) || m_b.U32(pe) != 0x00004550) return;  // "PE\0\0"
    const std::size_t sections = m_b.U16(pe + 6);
    const std::size_t optionalSize = m_b.U16(pe + 20);
    const std::size_t optional = pe + 24;
    if (!m_b.Has(optional, optionalSize)) return;
    const std::uint16_t magic = m_b.U16(optional);
    std::size_t dirCountAt, dirsAt;
    if (magic == 0x10B) {
      dirCountAt = 92, dirsAt = 96;
    } else if (magic == 0x20B) {
      dirCountAt = 108, dirsAt = 112;
    } else {
      return;
    }
    if (optionalSize < dirsAt + 3 * 8 || m_b.U32(optional + dirCountAt) < 3) return;
    const std::uint32_t resourceRva = m_b.U32(optional + dirsAt + 2 * 8);
    if (resourceRva == 0) return;
    m_sectionTable = optional + optionalSize;
    m_sections = std::min<std::size_t>(sections, 96);
    std::size_t root;
    if (!RvaToOffset(resourceRva, root)) return;
    m_root = root;
    m_valid = m_b.Has(m_root, 16);
  }

  bool RvaToOffset(std::uint32_t rva, std::size_t& offset) const {
    for (std::size_t i = 0; i < m_sections; ++i) {
      const std::size_t s = m_sectionTable + 40 * i;
      if (!m_b.Has(s, 40)) return false;
      const std::uint32_t virtualSize = m_b.U32(s + 8);
      const std::uint32_t address = m_b.U32(s + 12);
      const std::uint32_t rawSize = m_b.U32(s + 16);
      const std::uint32_t raw = m_b.U32(s + 20);
      const std::uint32_t extent = std::max(virtualSize, rawSize);
      if (rva >= address && rva - address < extent) {
        const std::uint64_t at = static_cast<std::uint64_t>(raw) + (rva - address);
        if (rva - address >= rawSize || at >= m_b.size) return false;
        offset = static_cast<std::size_t>(at);
        return true;
      }
    }
    return false;
  }

  std::size_t EntryCount(std::size_t dir) const {
    if (!m_b.Has(m_root + dir, 16)) return 0;
    const std::size_t count = static_cast<std::size_t>(m_b.U16(m_root + dir + 12)) + m_b.U16(m_root + dir + 14);
    // Entries that run past the bytes are not there.
    const std::size_t room = (m_b.size - (m_root + dir + 16)) / 8;
    return std::min(count, room);
  }

  // Finds the subdirectory of an id entry.
  bool Find(std::size_t dir, std::uint32_t id, std::size_t& sub) const {
    const std::size_t count = EntryCount(dir);
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t e = m_root + dir + 16 + 8 * i;
      if (m_b.U32(e) == id && (m_b.U32(e + 4) & 0x80000000u)) {
        sub = m_b.U32(e + 4) & 0x7FFFFFFFu;
        return true;
      }
    }
    return false;
  }

  bool Data(std::uint32_t dataEntry, std::size_t& offset, std::size_t& size) const {
    const std::size_t e = m_root + dataEntry;
    if (!m_b.Has(e, 16)) return false;
    size = m_b.U32(e + 4);
    if (!RvaToOffset(m_b.U32(e), offset)) return false;
    return size > 0 && m_b.Has(offset, size);
  }

  Bytes m_b;
  bool m_valid = false;
  std::size_t m_root = 0;
  std::size_t m_sectionTable = 0;
  std::size_t m_sections = 0;
};

constexpr std::uint32_t RT_ICON = 3;
constexpr std::uint32_t RT_GROUP_ICON = 14;

// The images of group number index of a program's resources.
std::vector<ImageRef> GroupImages(const Bytes& b, const PeResources& pe, std::size_t index) {
  std::vector<ImageRef> images;
  const auto groups = pe.OfType(RT_GROUP_ICON);
  if (index >= groups.size()) return images;
  const auto icons = pe.OfType(RT_ICON);
  const Bytes group{b.data + groups[index].offset, groups[index].size};
  if (!group.Has(0, 6) || group.U16(2) != 1) return images;
  const std::size_t count = std::min<std::size_t>(group.U16(4), kMaxImagesPerIcon);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t e = 6 + 14 * i;
    if (!group.Has(e, 14)) break;
    const std::uint16_t id = group.U16(e + 12);
    auto it = std::find_if(icons.begin(), icons.end(), [&](const PeResources::Entry& x) { return x.id == id; });
    if (it == icons.end()) continue;
    ImageRef ref;
    ref.width = group.U8(e) ? group.U8(e) : 256;
    ref.height = group.U8(e + 1) ? group.U8(e + 1) : 256;
    ref.bits = group.U16(e + 6);
    ref.offset = it->offset;
    ref.size = it->size;
    images.push_back(ref);
  }
  return images;
}

std::vector<ImageRef> ImagesOf(const Bytes& b, std::size_t index) {
  if (IsIconFile(b)) return index == 0 ? IconFileImages(b) : std::vector<ImageRef>{};
  PeResources pe(b);
  return pe.Valid() ? GroupImages(b, pe, index) : std::vector<ImageRef>{};
}

bool DecodeDibIcon(const Bytes& b, IconImage& image) {
  if (!b.Has(0, 40) || b.U32(0) != 40) return false;
  // The header's height counts the colour rows and the mask rows together.
  std::vector<std::uint8_t> header(b.data, b.data + std::min<std::size_t>(b.size, 40 + 256 * 4 + 12));
  const std::int32_t doubled = static_cast<std::int32_t>(b.U32(8));
  if (doubled <= 0) return false;
  const std::int32_t height = doubled / 2;
  std::memcpy(header.data() + 8, &height, 4);
  header[16] = header[17] = header[18] = header[19] = 0;  // compression: plain rows
  DibLayout layout;
  if (!DescribeDib(header.data(), header.size(), layout) || layout.width > 1024 || layout.height > 1024) return false;
  const std::size_t bitsAt = layout.headerSize + layout.colorTableSize;
  const std::size_t maskStride = ((static_cast<std::size_t>(layout.width) + 31) / 32) * 4;
  const std::size_t maskSize = maskStride * static_cast<std::size_t>(layout.height);
  if (!b.Has(bitsAt, layout.imageSize)) return false;
  DibImage dib;
  DecodeDib(layout, header.data(), b.data + bitsAt, dib);
  const bool hasMask = b.Has(bitsAt + layout.imageSize, maskSize);
  bool anyAlpha = false;
  if (layout.bitCount == 32) {
    for (int y = 0; y < layout.height && !anyAlpha; ++y)
      for (int x = 0; x < layout.width; ++x)
        if (b.data[bitsAt + static_cast<std::size_t>(y) * layout.stride + 4 * x + 3]) {
          anyAlpha = true;
          break;
        }
  }
  image.width = layout.width;
  image.height = layout.height;
  image.pixels.resize(dib.pixels.size());
  for (int y = 0; y < layout.height; ++y) {
    const int fileRow = layout.height - 1 - y;
    for (int x = 0; x < layout.width; ++x) {
      std::uint32_t rgb = dib.pixels[static_cast<std::size_t>(y) * layout.width + x] & 0xFFFFFFu;
      std::uint32_t alpha = 0xFF;
      if (anyAlpha) {
        alpha = b.data[bitsAt + static_cast<std::size_t>(fileRow) * layout.stride + 4 * x + 3];
      } else if (hasMask) {
        const std::uint8_t m = b.data[bitsAt + layout.imageSize + static_cast<std::size_t>(fileRow) * maskStride + x / 8];
        if ((m >> (7 - (x & 7))) & 1) alpha = 0;
      }
      image.pixels[static_cast<std::size_t>(y) * layout.width + x] = (alpha << 24) | rgb;
    }
  }
  return true;
}

}  // namespace

bool DecodeIconImage(const std::uint8_t* data, std::size_t size, IconImage& image) {
  static const std::uint8_t png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (!data) return false;
  try {
    if (size >= 8 && std::memcmp(data, png, 8) == 0) return DecodePng(data, size, image);
    return DecodeDibIcon(Bytes{data, size}, image);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

std::size_t CountIconsInData(const std::uint8_t* data, std::size_t size) {
  if (!data) return 0;
  const Bytes b{data, size};
  if (IsIconFile(b)) return IconFileImages(b).empty() ? 0 : 1;
  PeResources pe(b);
  if (!pe.Valid()) return 0;
  return std::min(pe.OfType(RT_GROUP_ICON).size(), kMaxIcons);
}

bool DecodeIconFromData(const std::uint8_t* data, std::size_t size, std::size_t index, IconImage* large,
                        IconImage* small) {
  if (!data) return false;
  const Bytes b{data, size};
  std::vector<ImageRef> images = ImagesOf(b, index);
  if (images.empty()) return false;
  // Biggest first (deeper colours first among equals) for the large image;
  // nearest to 16 by 16 for the small one.  An image that cannot be decoded
  // gives way to the next.
  auto decodeBest = [&](auto better, IconImage& out) {
    std::vector<ImageRef> order = images;
    std::stable_sort(order.begin(), order.end(), better);
    for (const ImageRef& ref : order)
      if (DecodeIconImage(b.data + ref.offset, ref.size, out)) return true;
    return false;
  };
  bool ok = true;
  if (large)
    ok = decodeBest(
             [](const ImageRef& a, const ImageRef& c) {
               const long long sa = 1LL * a.width * a.height, sc = 1LL * c.width * c.height;
               return sa != sc ? sa > sc : a.bits > c.bits;
             },
             *large) &&
         ok;
  if (small)
    ok = decodeBest(
             [](const ImageRef& a, const ImageRef& c) {
               const int da = std::abs(a.width - 16) + std::abs(a.height - 16);
               const int dc = std::abs(c.width - 16) + std::abs(c.height - 16);
               return da != dc ? da < dc : a.bits > c.bits;
             },
             *small) &&
         ok;
  return ok;
}

UINT ExtractIconsFromFile(LPCSTR file, int index, HICON* large, HICON* small, UINT count) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(file, bytes)) return 0;
  const std::size_t total = CountIconsInData(bytes.data(), bytes.size());
  if (index == -1 && !large && !small) return static_cast<UINT>(total);
  if (index < 0) return 0;
  UINT extracted = 0;
  for (UINT i = 0; i < count && static_cast<std::size_t>(index) + i < total; ++i) {
    IconImage big, little;
    if (!DecodeIconFromData(bytes.data(), bytes.size(), static_cast<std::size_t>(index) + i, large ? &big : nullptr,
                            small ? &little : nullptr))
      break;
    if (large) large[i] = new (std::nothrow) IconImage(std::move(big));
    if (small) small[i] = new (std::nothrow) IconImage(std::move(little));
    ++extracted;
  }
  return extracted;
}

BOOL DestroyIcon(HICON icon) {
  if (!icon) return FALSE;
  delete icon;
  return TRUE;
}

}  // namespace corvane
