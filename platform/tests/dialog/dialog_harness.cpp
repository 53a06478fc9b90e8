// The thread-timer harness of the dialog tests.
#include "dialog_harness.h"

#include <cstring>

DialogRecord record;

namespace {

struct Session {
  std::vector<Step> steps;
  size_t next = 0;
  int idleTicks = 0;
};
Session* session = nullptr;

constexpr int kMaxIdleTicks = 500;  // 5 s at 10 ms

void CALLBACK drive(HWND, UINT, UINT_PTR, DWORD) {
  if (!session) return;
  HWND dialog = FindWindowA(nullptr, kTitle);
  if (!dialog) return;
  if (session->next < session->steps.size()) {
    session->steps[session->next++](dialog);
  } else if (++session->idleTicks > kMaxIdleTicks) {
    EndDialog(dialog, kTimedOut);
  }
}

LRESULT CALLBACK ownerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

INT_PTR CALLBACK recordingProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      record.initFocus = reinterpret_cast<HWND>(wParam);
      record.initParam = lParam;
      return TRUE;
    case WM_COMMAND:
      record.commands.push_back(wParam);
      record.sources.push_back(lParam);
      if (wParam == kOkay) {
        record.copied = GetDlgItemTextA(dialog, kInput, record.text, sizeof record.text);
        EndDialog(dialog, 1);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

TemplateBuilder inputTemplate(const char* title) {
  TemplateBuilder b(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 50, 50, 185,
                    92, title);
  b.item(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL, 8, 30, 167,
         37, kInput, 0x0081, "")
      .item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 67, 74, 50, 14, kOkay, 0x0080,
            "Okay")
      .item(WS_CHILD | WS_VISIBLE | WS_GROUP, 8, 3, 167, 24, kPrompt, 0x0082, "Type something");
  return b;
}

HWND makeOwner() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ownerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "DialogTestOwner";
    RegisterClassA(&wc);
    registered = true;
  }
  return CreateWindowExA(0, "DialogTestOwner", "dialog test owner", WS_OVERLAPPEDWINDOW, 10, 10,
                         400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

INT_PTR runDialog(const DLGTEMPLATE* templ, HWND owner, std::vector<Step> steps, DLGPROC proc,
                  LPARAM param) {
  record = DialogRecord{};
  Session s;
  s.steps = std::move(steps);
  session = &s;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, drive);
  const INT_PTR result =
      DialogBoxIndirectParamA(GetModuleHandleA(nullptr), templ, owner, proc, param);
  KillTimer(nullptr, timer);
  session = nullptr;
  return result;
}

Step post(int id, UINT msg, WPARAM wParam, LPARAM lParam) {
  return [=](HWND dialog) { PostMessageA(GetDlgItem(dialog, id), msg, wParam, lParam); };
}

Step typeText(int id, const std::string& text) {
  return [=](HWND dialog) {
    HWND control = GetDlgItem(dialog, id);
    for (unsigned char c : text) PostMessageA(control, WM_CHAR, c, 1);
  };
}

Step pressKey(int id, WPARAM vk) { return post(id, WM_KEYDOWN, vk, 1); }

namespace {

void key(BYTE vk, bool down) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)),
              down ? 0 : KEYEVENTF_KEYUP, 0);
}

}  // namespace

Step tapKeys(std::vector<BYTE> vks) {
  return [=](HWND) {
    for (BYTE vk : vks) {
      key(vk, true);
      key(vk, false);
    }
  };
}

Step chord(BYTE modifier, BYTE vk) {
  return [=](HWND) {
    key(modifier, true);
    key(vk, true);
    key(vk, false);
    key(modifier, false);
  };
}

Step mouseAt(int id, POINT client, DWORD buttons) {
  return [=](HWND dialog) {
    POINT p = client;
    ClientToScreen(GetDlgItem(dialog, id), &p);
    SetCursorPos(p.x, p.y);
    if (buttons) mouse_event(buttons, 0, 0, 0, 0);
  };
}
