// A small stand-in program for the end-to-end driver's own tests: a borderless topmost
// window with named controls, known colours and a message box, so that every function of
// the driver is checked against known answers before it is used on the real program.
//
//   stub_app                 the window; its button shows a message box, and OK then
//                            ends the program with exit code 5; WM_CLOSE ends it with 0
//   stub_app --message-box   only a message box; OK ends the program with exit code 3
//   stub_app --count-wave-in exits with the number of wave-input devices it sees
#include <windows.h>

#include <mmsystem.h>  // needs windows.h first

#include <cwchar>
#include <initializer_list>

namespace {

constexpr COLORREF kBackground = RGB(12, 34, 56);
constexpr COLORREF kMark = RGB(200, 100, 50);
constexpr int kPressId = 101;

void name(HWND control, const wchar_t* name) {
    SetPropW(control, L"OrvantaName",
             reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomW(name))));
}

void paint(HDC dc) {
    HBRUSH background = CreateSolidBrush(kBackground);
    HBRUSH mark = CreateSolidBrush(kMark);
    RECT all{0, 0, 200, 120};
    RECT box{150, 90, 170, 110};
    FillRect(dc, &all, background);
    FillRect(dc, &box, mark);
    DeleteObject(mark);
    DeleteObject(background);
}

void createControls(HWND window) {
    const auto instance = GetModuleHandleW(nullptr);
    HWND press = CreateWindowExW(
        0, L"BUTTON", L"Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 25, window,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kPressId)), instance, nullptr);
    name(press, L"cmdPress");
    HWND pick = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 100,
                                10, 90, 200, window, nullptr, instance, nullptr);
    for (const wchar_t* item : {L"один", L"два", L"три"}) {
        SendMessageW(pick, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageW(pick, CB_SETCURSEL, 2, 0);
    name(pick, L"cmbPick");
    HWND tick = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 50,
                                13, 13, window, nullptr, instance, nullptr);
    SendMessageW(tick, BM_SETCHECK, BST_CHECKED, 0);
    name(tick, L"chkTick");
    HWND hidden = CreateWindowExW(0, L"BUTTON", L"Hidden", WS_CHILD | BS_PUSHBUTTON, 10, 80, 60, 20,
                                  window, nullptr, instance, nullptr);
    name(hidden, L"cmdHidden");
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            createControls(window);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            paint(BeginPaint(window, &ps));
            EndPaint(window, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            paint(reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_COMMAND:
            if (LOWORD(wparam) == kPressId && HIWORD(wparam) == BN_CLICKED) {
                MessageBoxW(window, L"Кнопка нажата.\r\nВторая строка.", L"Заглушка",
                            MB_OK | MB_ICONINFORMATION);
                PostQuitMessage(5);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

int runWindow(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"OrvantaDriverStub";
    RegisterClassW(&wc);
    HWND window =
        CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"Driver Stub", WS_POPUP | WS_CLIPCHILDREN,
                        100, 100, 200, 120, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int) {
    if (std::wcsstr(command_line, L"--count-wave-in") != nullptr)
        return static_cast<int>(waveInGetNumDevs());
    if (std::wcsstr(command_line, L"--message-box") != nullptr) {
        MessageBoxW(nullptr, L"Только окно сообщения.", L"Заглушка", MB_OK);
        return 3;
    }
    return runWindow(instance);
}
