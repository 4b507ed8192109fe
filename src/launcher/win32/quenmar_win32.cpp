// quenmar_win32.cpp -- `Quenmar` on Windows: the window `Form1` with the system's own controls
#include <windows.h>

#include <string>

#include "launcher/form_layout.h"
#include "launcher/launcher_texts.h"
#include "launcher/readme_text.h"
#include "launcher/start_command.h"
#include "launcher/win32/win32_pictures.h"
#include "launcher/win32/win32_start.h"
#include "platform/win32/wide_text.h"

namespace {

using namespace launcher;

enum ControlId { kText1 = 101, kCommand1, kCommand2, kCommand3, kPicture1 };
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// The captions' Korean needs a Korean font; Windows' own is Gulim.
constexpr int kFontHeight = 12;

HWND Form1 = nullptr;

std::wstring wide(const char* cp949) { return platform::wideFromCp949(cp949); }

void showMessage(const char* cp949Text, const std::string& detail) {
  std::wstring text = wide(cp949Text);
  if (!detail.empty()) text += L"\n(" + platform::wideFromSystem(detail) + L")";
  MessageBoxW(Form1, text.c_str(), wide(FormCaption).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

HWND addControl(const wchar_t* kind, const std::wstring& text, DWORD style, DWORD exStyle,
                const ControlRect& r, int id, HFONT font) {
  HWND control = CreateWindowExW(exStyle, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, r.left,
                                 r.top, r.width, r.height, Form1,
                                 reinterpret_cast<HMENU>(INT_PTR(id)), nullptr, nullptr);
  SendMessageW(control, WM_SETFONT, WPARAM(font), TRUE);
  return control;
}

void createControls() {
  HFONT font = CreateFontW(-kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, HANGUL_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, L"Gulim");
  addControl(L"EDIT", L"", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
             WS_EX_CLIENTEDGE, Text1Rect, kText1, font);
  addControl(L"BUTTON", wide(StartCaption), BS_PUSHBUTTON, 0, Command1Rect, kCommand1, font);
  addControl(L"BUTTON", wide(HomePageCaption), BS_PUSHBUTTON, 0, Command2Rect, kCommand2, font);
  addControl(L"BUTTON", wide(QuitCaption), BS_PUSHBUTTON, 0, Command3Rect, kCommand3, font);
  HWND picture = addControl(L"STATIC", L"", SS_BITMAP | SS_CENTERIMAGE, WS_EX_CLIENTEDGE,
                            Picture1Rect, kPicture1, font);
  // A missing picture leaves the box empty; the launcher works without it.
  if (HBITMAP bitmap = loadBitmap(platform::wideFromSystem(PictureFileName).c_str()))
    SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(bitmap));
}

// The form's load: the read-me, each line ending in CR LF, as the text box shows it.
bool loadForm() {
  std::string text;
  if (!loadReadmeText(ReadmeFileName, &text)) return false;
  SetDlgItemTextW(Form1, kText1, platform::wideFromCp949(text).c_str());
  return true;
}

void onCommand(int id) {
  std::string error;
  switch (id) {
    case kCommand1:  // normal size, without taking the focus
      if (!runCommandLine(platform::wideFromSystem(GameCommandLine), SW_SHOWNOACTIVATE, &error))
        showMessage(GameStartFailedMessage, error);
      break;
    case kCommand2:  // minimised, with the focus
      if (!runCommandLine(explorerCommandLine(HomePageAddress), SW_SHOWMINIMIZED, &error))
        showMessage(HomePageFailedMessage, error);
      break;
    case kCommand3:
      DestroyWindow(Form1);
      break;
    default:
      break;
  }
}

LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) onCommand(LOWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:  // the read-only text box keeps a white page
      if (GetDlgCtrlID(HWND(lParam)) == kText1) return LRESULT(GetStockObject(WHITE_BRUSH));
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool createForm(HINSTANCE instance) {
  HICON icon = loadIcon(platform::wideFromSystem(IconFileName).c_str());
  WNDCLASSW wc{};
  wc.lpfnWndProc = formProc;
  wc.hInstance = instance;
  wc.hIcon = icon ? icon : LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"Quenmar";
  if (!RegisterClassW(&wc)) return false;
  const ControlRect& f = Form1Rect;
  RECT r{0, 0, f.width, f.height};
  AdjustWindowRectEx(&r, kFormStyle, FALSE, 0);
  Form1 = CreateWindowExW(0, wc.lpszClassName, wide(FormCaption).c_str(), kFormStyle, f.left, f.top,
                          r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
  return Form1 != nullptr;
}

}  // namespace

int main() {
  CoInitialize(nullptr);  // the picture codecs
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!createForm(instance)) return 1;
  createControls();
  const bool readmeLoaded = loadForm();
  ShowWindow(Form1, SW_SHOWDEFAULT);
  UpdateWindow(Form1);
  if (!readmeLoaded) showMessage(ReadmeMissingMessage, "");
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(Form1, &msg)) continue;  // Tab moves between the controls
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  CoUninitialize();
  return 0;
}
