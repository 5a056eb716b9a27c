// The surface commands of the corvane host: show (for a .tmt file), render
// and hit.  The surface is read and drawn through the exported functions;
// what no export answers (a cell's key rectangle, alignment and icon, the
// working area, the bitmap) is read from the file's keys with the profile
// functions, as any host would.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

#include "Arguments.h"
#include "Commands.h"
#include "Json.h"
#include "TemplateTree.h"
#include "corvane/Corvane.h"
#include "corvane/ListCtrl.h"
#include "system/Profile.h"
#include "system/gdi/RasterSurface.h"

// Under LeakSanitizer (sanitizer builds of the host): fontconfig, under the
// raster surface's text layout, keeps its font caches for the life of the
// process by design.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
// The host's output is its interface: no report of the suppression used.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }

namespace corvane::cli {

namespace {

const char* kRenderHelp =
    "usage: corvane render SURFACE.tmt -o OUT.png [--size WxH] [--select N] [--preview]\n"
    "Draws a surface file into a PNG image, as a host draws it in a window.\n"
    "  -o, --output OUT.png  the image to write (replaced whole)\n"
    "  --size WxH            the image size in pixels (default 1024 wide, with the\n"
    "                        tablet's proportions)\n"
    "  --select N            the selected cell, drawn with the selection colour\n"
    "                        (default 0, as on a new surface)\n"
    "  --preview             a one-off drawing, as a layout preview: the background\n"
    "                        bitmap drawn directly and no selection shown\n";

const char* kHitHelp =
    "usage: corvane hit SURFACE.tmt X Y [--screen W H]\n"
    "Prints the index, identifier and label of the cell under a point of the\n"
    "tablet (tablet units), and exits 0; says there is none and exits 1.\n"
    "  --screen W H  X and Y are pixels of a window W by H showing the surface;\n"
    "                they are mapped to tablet units first\n";

// A surface read from a file, deleted with this object.
struct Surface {
  void* handle = nullptr;
  std::string path;
  ~Surface() { ACTDeleteContainer(handle); }
};

bool LoadSurface(const std::string& path, Surface& surface, std::string& error) {
  std::error_code fsError;
  if (!std::filesystem::is_regular_file(path, fsError)) {
    error = "no such surface file: " + path;
    return false;
  }
  surface.path = path;
  surface.handle = ACTCreateContainer(CORVANE_TYPE_SURFACE);
  if (!surface.handle) {
    error = "out of memory";
    return false;
  }
  ACTReadContainer(surface.handle, path.c_str());
  return true;
}

std::string Key(const std::string& file, const std::string& section, const char* key) {
  char buffer[1024];
  GetPrivateProfileStringA(section.c_str(), key, "", buffer, sizeof buffer - 1, file.c_str());
  std::string value = buffer;
  while (!value.empty() && (value.back() == '\n' || value.back() == '\r' || value.back() == ' ')) value.pop_back();
  return value;
}

bool ParseRect(const std::string& text, CRect& out) {
  int l, t, r, b;
  if (std::sscanf(text.c_str(), " %d , %d , %d , %d", &l, &t, &r, &b) != 4) return false;
  out = CRect(l, t, r, b);
  return true;
}

std::string RectText(const CRect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

std::string RectJson(const CRect& r) {
  return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + "]";
}

// The key's shape and where its label goes, in tablet units.
const char* AlignmentName(int alignment) {
  switch (alignment) {
    case 0: return "tall, label +x";
    case 1: return "tall, label -x";
    case 2: return "wide, label +y";
    case 3: return "wide, label -y";
    default: return "unset";
  }
}

const char* BackgroundModeName(unsigned long style) {
  switch (style & 0x30000) {
    case 0: return "tiled";
    case 0x10000: return "centred";
    default: return "stretched";
  }
}

struct CellInfo {
  int index = 0;
  std::string id;
  std::string label;
  int alignment = 2;
  CRect active;
  CRect text;
  std::string iconFile;
  int iconIndex = 0;
  std::vector<ActionInfo> actions;
};

struct SurfaceInfo {
  CSize resolution;
  CRect frame;
  CRect inner;
  std::string bitmap;
  CRect bitmapArea;
  unsigned long style = 0;
  std::string defaultFont;
  std::vector<CellInfo> cells;
};

SurfaceInfo Describe(const Surface& surface) {
  SurfaceInfo info;
  void* handle = surface.handle;
  const std::string& file = surface.path;
  info.resolution = ACTGetContainerDPI(handle);
  info.frame = ACTGetContainerRect(handle);
  info.style = ACTGetStyle(handle);
  // Without the key the library derives the working area: from the
  // driver's layout when there is one, else 333 units inside the frame.
  if (!ParseRect(Key(file, "Template", "InnerRectangle"), info.inner))
    info.inner = CRect(333, 333, info.frame.right - 333, info.frame.bottom - 333);
  info.bitmap = Key(file, "Template", "BkgndBmp");
  if (!ParseRect(Key(file, "Template", "BkgndBmpContainer"), info.bitmapArea))
    info.bitmapArea = CRect(333, 333, 3667, 2667);
  info.defaultFont = Key(file, "Template", "DefaultFont");

  CListCtrl list;
  ACTControlSetup(handle, &list);
  const int count = ACTGetCount(handle);
  for (int i = 0; i < count; ++i) {
    void* cell = ACTGetSubContainer(handle, i);
    if (!cell) continue;
    list.InsertItem(i, "");
    ACTControlInsertItem(handle, &list, i);
    CellInfo c;
    c.index = i;
    c.id = list.GetItemText(i, 0).GetString();
    c.label = ACTGetAliasString(cell).GetString();
    c.text = ACTGetContainerRect(cell);
    char section[32];
    std::snprintf(section, sizeof section, "FKey.%02d", i + 1);
    const std::string alignment = Key(file, section, "Alignment");
    c.alignment = alignment.empty() ? 2 : std::atoi(alignment.c_str());
    ParseRect(Key(file, section, "ActiveRect"), c.active);
    const std::string icon = Key(file, section, "IconFile");
    const size_t comma = icon.rfind(',');
    c.iconFile = comma == std::string::npos ? icon : icon.substr(0, comma);
    c.iconIndex = comma == std::string::npos ? 0 : std::atoi(icon.c_str() + comma + 1);
    c.actions = ListActions(cell);
    info.cells.push_back(std::move(c));
  }
  return info;
}

void PrintSurfaceText(const std::string& path, const SurfaceInfo& info) {
  std::cout << "surface " << path << ": " << info.cells.size() << " cell" << (info.cells.size() == 1 ? "" : "s")
            << "\n";
  std::cout << "  resolution " << info.resolution.cx << " units per inch\n";
  std::cout << "  frame " << RectText(info.frame) << "  working area " << RectText(info.inner) << "\n";
  std::cout << "  style " << info.style;
  if (!info.bitmap.empty())
    std::cout << "  bitmap " << info.bitmap << " " << BackgroundModeName(info.style) << " in "
              << RectText(info.bitmapArea);
  std::cout << "\n";
  if (!info.defaultFont.empty()) std::cout << "  default font " << info.defaultFont << "\n";
  for (const CellInfo& c : info.cells) {
    std::cout << "  cell " << c.index << " id " << c.id << " \"" << c.label << "\"  align " << c.alignment << " ("
              << AlignmentName(c.alignment) << ")"
              << "  key " << RectText(c.active) << "  label " << RectText(c.text);
    if (!c.iconFile.empty()) std::cout << "  icon " << c.iconFile << "," << c.iconIndex;
    std::cout << "\n";
    int n = 1;
    for (const ActionInfo& action : c.actions) std::cout << "    " << n++ << ". " << ActionListingLine(action) << "\n";
  }
}

void PrintSurfaceJson(const std::string& path, const SurfaceInfo& info) {
  std::ostringstream out;
  out << "{\"kind\":\"surface\",\"path\":" << JsonString(path) << ",\"Resolution\":" << info.resolution.cx
      << ",\"Frame\":" << RectJson(info.frame) << ",\"InnerRectangle\":" << RectJson(info.inner)
      << ",\"Style\":" << info.style << ",\"BkgndBmp\":" << JsonString(info.bitmap)
      << ",\"BkgndBmpContainer\":" << RectJson(info.bitmapArea) << ",\"DefaultFont\":" << JsonString(info.defaultFont)
      << ",\"cells\":[";
  bool firstCell = true;
  for (const CellInfo& c : info.cells) {
    out << (firstCell ? "" : ",") << "\n {\"index\":" << c.index << ",\"ID\":" << std::atoi(c.id.c_str())
        << ",\"Alias\":" << JsonString(c.label) << ",\"Alignment\":" << c.alignment
        << ",\"ActiveRect\":" << RectJson(c.active) << ",\"TextRect\":" << RectJson(c.text)
        << ",\"IconFile\":" << JsonString(c.iconFile) << ",\"IconIndex\":" << c.iconIndex << ",\"actions\":[";
    firstCell = false;
    bool firstAction = true;
    for (const ActionInfo& action : c.actions) {
      out << (firstAction ? "" : ",") << "\n  {\"Type\":" << JsonString(action.type)
          << ",\"Alias\":" << JsonString(action.alias) << ",\"Description\":" << JsonString(action.description)
          << "}";
      firstAction = false;
    }
    out << "]}";
  }
  out << "]}\n";
  std::cout << out.str();
}

// "WxH" with both sides from 1 to 16384.
bool ParseSize(const std::string& text, CSize& out) {
  int w = 0, h = 0;
  char x = 0, rest = 0;
  if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &rest) != 3 || (x != 'x' && x != 'X')) return false;
  if (w < 1 || h < 1 || w > 16384 || h > 16384) return false;
  out = CSize(w, h);
  return true;
}

bool ParseInt(const std::string& text, long long min, long long max, long long& out) {
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno == ERANGE || value < min || value > max) return false;
  out = value;
  return true;
}

}  // namespace

bool IsSurfaceFile(const std::string& path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos) return false;
  std::string extension = path.substr(dot + 1);
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return extension == "tmt";
}

int ShowSurface(const std::string& path, bool json) {
  Surface surface;
  std::string error;
  if (!LoadSurface(path, surface, error)) return Fail(1, error);
  const SurfaceInfo info = Describe(surface);
  if (json)
    PrintSurfaceJson(path, info);
  else
    PrintSurfaceText(path, info);
  return 0;
}

int RunRender(const Words& words) {
  // "-o" is the short form of "--output".
  Words expanded;
  for (const std::string& word : words) expanded.push_back(word == "-o" ? "--output" : word);
  Arguments args;
  if (!args.Parse(expanded, {"output", "size", "select"}, {"preview", "help"}))
    return Fail(2, args.Error() + " (see corvane render --help)");
  if (args.Has("help")) {
    std::cout << kRenderHelp;
    return 0;
  }
  if (args.Positional().size() != 1) return Fail(2, "render takes one surface file (see corvane render --help)");
  const auto output = args.Value("output");
  if (!output || output->empty()) return Fail(2, "render needs -o OUT.png (see corvane render --help)");
  std::optional<long long> select;
  if (!args.Integer("select", 0, 255, select)) return Fail(2, args.Error());
  CSize size;
  if (const auto text = args.Value("size"); text && !ParseSize(*text, size))
    return Fail(2, "option --size wants WxH, each side from 1 to 16384, not \"" + *text + "\"");

  Surface surface;
  std::string error;
  if (!LoadSurface(args.Positional()[0], surface, error)) return Fail(1, error);
  const int count = ACTGetCount(surface.handle);
  if (select && *select >= count)
    return Fail(2, "option --select: the surface has " + std::to_string(count) + " cells (0 to " +
                       std::to_string(count - 1) + ")");
  if (!args.Value("size")) {
    // 1024 pixels wide, with the tablet's proportions.
    const CRect frame = ACTGetContainerRect(surface.handle);
    const long long w = frame.Width(), h = frame.Height();
    const long long height = w > 0 && h > 0 ? (1024 * h + w / 2) / w : 768;
    size = CSize(1024, static_cast<int>(std::min(std::max(height, 1LL), 16384LL)));
  }
  std::unique_ptr<CDC> dc = CreateRasterDC(size.cx, size.cy);
  if (!dc) return Fail(1, "cannot render: this build has no raster drawing surface, or the image is too large");
  if (select) ACTSetCurSel(surface.handle, static_cast<int>(*select));
  CRect frame(0, 0, size.cx, size.cy);
  ACTOnDraw(surface.handle, dc.get(), &frame, args.Has("preview") ? 1 : 0);
  if (!WriteRasterPng(dc.get(), output->c_str())) return Fail(1, "cannot write " + *output);
  std::cout << "wrote " << *output << " (" << size.cx << "x" << size.cy << ", " << count << " cell"
            << (count == 1 ? "" : "s") << ")\n";
  if (count == 0) std::cerr << "corvane: the surface has no cells, so nothing is drawn\n";
  return 0;
}

int RunHit(const Words& words) {
  // "--screen W H" takes two values.
  Words rest;
  std::optional<CSize> screen;
  for (size_t i = 0; i < words.size(); ++i) {
    if (words[i] != "--screen") {
      rest.push_back(words[i]);
      continue;
    }
    long long w = 0, h = 0;
    if (i + 2 >= words.size() || !ParseInt(words[i + 1], 1, 1000000, w) || !ParseInt(words[i + 2], 1, 1000000, h))
      return Fail(2, "option --screen wants two sizes in pixels, W H, each from 1 to 1000000");
    screen = CSize(static_cast<int>(w), static_cast<int>(h));
    i += 2;
  }
  Arguments args;
  if (!args.Parse(rest, {}, {"help"})) return Fail(2, args.Error() + " (see corvane hit --help)");
  if (args.Has("help")) {
    std::cout << kHitHelp;
    return 0;
  }
  if (args.Positional().size() != 3) return Fail(2, "hit takes a surface file and X Y (see corvane hit --help)");
  long long x = 0, y = 0;
  if (!ParseInt(args.Positional()[1], -1000000000, 1000000000, x) ||
      !ParseInt(args.Positional()[2], -1000000000, 1000000000, y))
    return Fail(2, "X and Y must be whole numbers, not \"" + args.Positional()[1] + "\" \"" + args.Positional()[2] +
                       "\"");

  Surface surface;
  std::string error;
  if (!LoadSurface(args.Positional()[0], surface, error)) return Fail(1, error);
  CPoint point(static_cast<int>(x), static_cast<int>(y));
  if (screen) {
    RECT window{0, 0, screen->cx, screen->cy};
    RECT pixel{point.x, point.y, point.x, point.y};
    RECT tablet{};
    ACTTranslateCoordinate(surface.handle, &tablet, &window, &pixel, 1);
    point = CPoint(tablet.left, tablet.top);
    std::cout << "pixel (" << x << "," << y << ") of " << screen->cx << "x" << screen->cy << " is tablet ("
              << point.x << "," << point.y << ")\n";
  }
  const int index = ACTHitTestItem(surface.handle, point);
  if (index < 0) {
    std::cout << "no cell at (" << point.x << "," << point.y << ")\n";
    return 1;
  }
  CListCtrl list;
  ACTControlSetup(surface.handle, &list);
  for (int row = 0; row <= index; ++row) list.InsertItem(row, "");
  ACTControlInsertItem(surface.handle, &list, index);
  std::cout << "cell " << index << " id " << list.GetItemText(index, 0).GetString() << " \""
            << ACTGetAliasString(ACTGetSubContainer(surface.handle, index)).GetString() << "\"\n";
  return 0;
}

}  // namespace corvane::cli
