#include "container/CorvaneApp.h"

#include <atomic>

#include "system/Resources.h"

namespace corvane {

namespace {
std::atomic<HWND> g_hostMainWindow{nullptr};
CCorvaneApp theApp;
}  // namespace

CCorvaneApp::CCorvaneApp() { (void)GetResourceLanguage(); }
CCorvaneApp::~CCorvaneApp() = default;

HWND GetHostMainWindow() { return g_hostMainWindow.load(std::memory_order_acquire); }
void SetHostMainWindow(HWND window) { g_hostMainWindow.store(window, std::memory_order_release); }

}  // namespace corvane
