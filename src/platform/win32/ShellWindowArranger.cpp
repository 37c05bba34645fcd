#include "platform/win32/ShellWindowArranger.h"

#include "platform/win32/Windows.h"

#include <shldisp.h>
#include <shlobj.h>

namespace skelder {

namespace {

// Runs the call on the shell object; without COM or the object nothing happens.
template <typename Call>
void WithShell(Call call) {
  const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellDispatch* shell = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_Shell, nullptr, CLSCTX_INPROC_SERVER, IID_IShellDispatch,
                                 reinterpret_cast<void**>(&shell))) &&
      shell) {
    call(shell);
    shell->Release();
  }
  if (SUCCEEDED(initialised)) CoUninitialize();
}

}  // namespace

void ShellWindowArranger::minimizeAll() {
  WithShell([](IShellDispatch* shell) { shell->MinimizeAll(); });
}

void ShellWindowArranger::tileHorizontally() {
  WithShell([](IShellDispatch* shell) { shell->TileHorizontally(); });
}

}  // namespace skelder
