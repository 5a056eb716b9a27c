// The installer's application object and the program's entry point.
#include "installer/InstallerApp.h"

namespace corvane {
namespace {

CInstallerApp theApp;

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) { return corvane::AfxWinMain(argc, argv); }
