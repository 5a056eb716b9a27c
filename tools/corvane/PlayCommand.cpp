// corvane play [PATH] --key ID [--app EXE] [--dry-run] ...: plays one macro
// of a template, on the recording desktop, and prints what it did.
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "Arguments.h"
#include "Commands.h"
#include "TemplateTree.h"
#include "corvane/Corvane.h"
#include "system/RecordingDesktop.h"

namespace corvane::cli {

namespace {

const char* kPlayHelp =
    "usage: corvane play [PATH] --key ID [--app EXE] [--dry-run] [options]\n"
    "Loads a template file or folder, picks the template for the application EXE\n"
    "(compared by file name, without letter case; the base template when none\n"
    "matches or no --app is given) and plays its macro with identifier ID.\n"
    "The dry run (the only mode on this platform) performs nothing: it prints the\n"
    "timed trace of key presses, messages, clipboard texts, programs and sounds as\n"
    "JSON Lines (docs/trace.md) on a virtual clock, and waits for the macro to end.\n"
    "Its virtual desktop: window 1 is the foreground and the active window.\n"
    "  --zoomed            window 1 is maximized\n"
    "  --main-window       window 1 is the host's main window (ACTSetMainWnd)\n"
    "  --time \"YYYY-MM-DD HH:MM:SS\"   the local time (default: the real one)\n"
    "  --sound-ms N        length of a synchronous sound (default 1000)\n";

// Sets a variable of this process's environment (read by the library when
// it first touches its desktop).
void SetEnvironment(const char* name, const char* value) {
#if defined(_WIN32)
  _putenv_s(name, value);
#else
  setenv(name, value, 1);
#endif
}

}  // namespace

int RunPlay(const Words& words) {
  Arguments args;
  if (!args.Parse(words, {"key", "app", "time", "sound-ms"}, {"dry-run", "zoomed", "main-window", "help"}))
    return Fail(2, args.Error() + " (see corvane play --help)");
  if (args.Has("help")) {
    std::cout << kPlayHelp;
    return 0;
  }
  std::optional<long long> key, soundMs;
  if (!args.Integer("key", INT32_MIN, INT32_MAX, key) || !args.Integer("sound-ms", 0, UINT32_MAX, soundMs))
    return Fail(2, args.Error());
  if (!key) return Fail(2, "play needs --key ID (see corvane play --help)");
  if (args.Positional().size() > 1) return Fail(2, "play takes one path (see corvane play --help)");

  // The virtual desktop of the dry run, set up before the library first
  // touches its desktop.
  std::string desktop = "foreground=1;active=1;sound-ms=" + std::to_string(soundMs.value_or(1000));
  if (args.Has("zoomed")) desktop += ";zoomed=1";
  if (auto time = args.Value("time")) {
    SYSTEMTIME parsed{};
    if (!ParseLocalTime(time->c_str(), parsed))
      return Fail(2, "--time wants a date and time as \"YYYY-MM-DD HH:MM:SS\", not \"" + *time + "\"");
    desktop += ";time=" + *time;
  }
  SetEnvironment("CORVANE_DESKTOP", desktop.c_str());
  SetEnvironment("CORVANE_DESKTOP_TRACE", "-");
  SetEnvironment("CORVANE_DESKTOP_BACKEND", "record");

  const std::string path = args.Positional().empty() ? SampleTemplates() : args.Positional()[0];
  TemplateTree tree;
  std::string error;
  if (!tree.Load(path, error)) return Fail(1, error);
  const TemplateInfo& chosen = tree.Choose(args.Value("app").value_or(""));
  bool found = false;
  for (const MacroInfo& macro : chosen.macros) found = found || macro.id == *key;
  if (!found)
    return Fail(1, "template \"" + chosen.name + "\" (" + FileNamePart(chosen.file) + ") has no macro " +
                       std::to_string(*key));
  if (args.Has("main-window")) ACTSetMainWnd(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(1)));
  ACTPlay(chosen.handle, reinterpret_cast<void*>(static_cast<std::intptr_t>(*key)));
  // Deleting the templates waits for the playback to end (the tree's
  // destructor), so the whole trace is out before the process exits.
  return 0;
}

}  // namespace corvane::cli
