// The about display: lines written straight onto the window, then a message box; the
// next paint copies the canvas back over the lines.
#include <cstring>

#include "win32/main_window.h"
#include "win32/program_title.h"

static const struct {
    int y;
    const char* text;
} kAboutLines[] = {
    {10, PROGRAM_TITLE ", " PROGRAM_RELEASE " --- The Odontra Developers"},
    {35,
     "이 프로그램은 치형연구실 초기판 치형 프로그램(https://early.odontra.example.org)을 "
     "바탕으로 만든 것입니다."},
    {50, "데이타 변경, 전위 및 AutoCAD Drawing 기능을 추가한 것입니다."},
    {75, "addendum, dedendum, 공구 날끝 둥글기, 전위계수는 Module 단위 사용"},
    {90, "Addendum은 통상 1.0, Dedendum 1.25, Tool Edge Radius 0.25 정도를 사용합니다."},
    {120, "프로그램 실행 중 오류나 문의 사항은 " CONTACT_ADDRESS "/support"},
    {140, "또는 회사 홈페이지 https://www.example.org 로 연락 주십시오."},
};

void ShowAbout(HWND window) {
    HDC dc = GetDC(window);
    for (const auto& line : kAboutLines) {
        TextOutA(dc, 20, line.y, line.text, static_cast<int>(strlen(line.text)));
    }
    ReleaseDC(window, dc);
    MessageBoxA(window, PROGRAM_TITLE "\n", "Odontra ?", MB_OK);
    InvalidateRect(window, nullptr, TRUE);
}
