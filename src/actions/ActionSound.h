// CActionSound: plays a sound (a wave file or the name of a system sound)
// once without waiting, or a number of times one after another, waiting for
// the end of each.  Its own settings live in profile files only; the
// registry keeps the base values.
#pragma once

#include "actions/Action.h"

namespace corvane {

// The most plays of one synchronous sound, as many as the sound page lets a
// user ask for; a larger count from a file plays this many.
constexpr int kMostSoundRepeats = 65536;

class CActionSound : public CAction {
 public:
  CActionSound();
  CActionSound(const CActionSound& source);
  ~CActionSound() override;

  CContainer* Clone() override;
  int ReadContainer(const CString& file, const CString& section) override;
  void WriteContainer(const CString& file, const CString& section) override;
  int Execute(HWND window) override;
  int GetDescription(HKEY context, CString& out, int flag) override;
  CString GetTypeName() override;

  // Handed to PlaySoundA unchanged.
  CString m_strSound;
  // A position in the play-mode table; any other value plays nothing.
  int m_nPlayMode = 0;
  // How many times a synchronous sound plays.
  int m_nRepeat = 0;
};

}  // namespace corvane
