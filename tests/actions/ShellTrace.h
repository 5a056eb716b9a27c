// Short forms of the shell and sound calls of the record, for tables of
// expected calls: "@0 shell 4660 open \"calc.exe\" \"\" null 3",
// "@1500 sound \"ding.wav\" 128".
#pragma once

#include <string>
#include <vector>

#include "system/RecordingDesktop.h"

namespace corvane {

inline std::string Quoted(const RecordingDesktop::Call& call, const char* name) {
  const RecordingDesktop::Value* value = call.Find(name);
  if (!value || std::holds_alternative<std::nullptr_t>(*value)) return "null";
  return "\"" + call.Text(name) + "\"";
}

inline std::string ShellBrief(const RecordingDesktop::Call& call) {
  std::string out = "@" + std::to_string(call.t) + " ";
  if (call.fn == "ShellExecuteA") {
    out += "shell " + std::to_string(call.Number("hwnd")) + " " + call.Text("verb") + " " + Quoted(call, "file") +
           " " + Quoted(call, "params") + " " + Quoted(call, "dir") + " " + std::to_string(call.Number("show"));
  } else if (call.fn == "PlaySoundA") {
    out += "sound " + Quoted(call, "sound") + " " + std::to_string(call.Number("flags"));
  } else {
    out += call.fn;
  }
  return out;
}

inline std::vector<std::string> ShellTrace(const RecordingDesktop& desktop) {
  std::vector<std::string> out;
  for (const auto& call : desktop.Calls()) out.push_back(ShellBrief(call));
  return out;
}

}  // namespace corvane
