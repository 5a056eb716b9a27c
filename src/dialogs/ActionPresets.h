// The presets of the action sheet's Default button: ready-made actions (a
// common shortcut key, a window function, a program, an internet service)
// that the button puts into the controls of their page before it applies.
// Some shortcut keys differ by the language of the system.
#pragma once

#include "corvane/Types.h"

namespace corvane {

// Preset numbers run from 0 to kActionPresetCount - 1; any other number
// means none.
constexpr int kActionPresetCount = 25;

// Pages of the seven-page sheet, by position.
constexpr int kSheetPageRun = 0;
constexpr int kSheetPageInternet = 1;
constexpr int kSheetPageHotKey = 2;
constexpr int kSheetPageSystem = 6;

// System default languages (low byte of the language identifier) that have
// keyboard variants of their own.
constexpr BYTE kLangSpanish = 0x0A;
constexpr BYTE kLangItalian = 0x10;
constexpr BYTE kLangPolish = 0x15;

struct ActionPreset {
  int page;  // position in the seven-page sheet
  // Hot Key page: the virtual-key code of the key and the three modifiers.
  BYTE key;
  bool ctrl, alt, shift;
  // System and Internet pages: the list position of the function or service.
  int item;
  // Run page: the program.
  const char* program;
};

// The preset with that number for a system whose default language has that
// low byte; null when the number is outside 0-24.
const ActionPreset* FindActionPreset(int preset, BYTE systemLanguage);

}  // namespace corvane
