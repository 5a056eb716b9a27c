// The subcommands of the corvane host.  Each takes the words after its name
// and answers the process exit code: 0 done, 1 nothing found or the work
// failed, 2 a usage error.  Errors are one line on standard error.
#pragma once

#include <string>
#include <vector>

namespace corvane::cli {

using Words = std::vector<std::string>;

int RunShow(const Words& words);
int RunPlay(const Words& words);
int RunEdit(const Words& words);
int RunDialog(const Words& words);
int RunRender(const Words& words);
int RunHit(const Words& words);

// Surface files (.tmt, letter case ignored) are shown by ShowSurface.
bool IsSurfaceFile(const std::string& path);
int ShowSurface(const std::string& path, bool json);

// The bundled sample: its template folder.
std::string SampleTemplates();
// Prints "corvane: message" on standard error and answers code.
int Fail(int code, const std::string& message);

}  // namespace corvane::cli
