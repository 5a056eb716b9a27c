// The pages that corvane dialog can draw: one row per page, with the names
// it is found by and the way its sheet is opened.  A new kind of page (the
// cell and surface pages, say) is a new row in DialogPages.cpp.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "system/dialogs/DialogUser.h"

namespace corvane {
class CContainer;
}

namespace corvane::cli {

struct DialogPageEntry {
  unsigned templateId;
  const char* className;  // the page's class, e.g. "CEditKeyPage"
  const char* name;       // its English tab title, e.g. "Hot Key"
  const char* sheet;      // the sheet it is shown in, for the help text
  // Runs the sheet that holds the page, with the page in front and filled
  // from source (when source is null, from a default object of the page's
  // kind), and calls look while the sheet is shown; the sheet is cancelled
  // afterwards.  False (with error set) when the sheet did not run.
  bool (*show)(const DialogPageEntry& page, CContainer* source, const std::function<void(DialogSession&)>& look,
               std::string& error);
  // The position of the page in that sheet.
  int position;
};

const std::vector<DialogPageEntry>& DialogPages();

// The page named by its template id, its class name or its English title
// (letter case, blanks and "-" or "_" do not matter); null when none.
const DialogPageEntry* FindDialogPage(const std::string& name);

// "127 Hot Key (CEditKeyPage)", one line per page, for help and errors.
std::string DialogPageList(const char* indent);

}  // namespace corvane::cli
