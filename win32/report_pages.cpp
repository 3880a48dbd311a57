#include "win32/report_pages.h"

#include <commctrl.h>

#include <cstdio>

#include "formats/gear_report_text.h"
#include "formats/pair_report_text.h"
#include "ui/resource.h"
#include "win32/program_language.h"
#include "win32/wide_text.h"

// The tab control's height, in dialog units: the rows move down by it.
static const int kTabHeight = 15;

struct ChildShift {
    HWND dialog;
    int pixels;
};

static BOOL CALLBACK ShiftChild(HWND child, LPARAM context) {
    const ChildShift* shift = reinterpret_cast<const ChildShift*>(context);
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, shift->dialog, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(child, nullptr, r.left, r.top + shift->pixels, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void AddReportPages(HWND dialog, const GearPair* pair) {
    if (pair == nullptr) {
        return;
    }
    RECT units = {0, 0, 0, kTabHeight};
    MapDialogRect(dialog, &units);
    ChildShift shift = {dialog, units.bottom};
    EnumChildWindows(dialog, ShiftChild, reinterpret_cast<LPARAM>(&shift));
    RECT window;
    GetWindowRect(dialog, &window);
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top + units.bottom, SWP_NOMOVE | SWP_NOZORDER);
    RECT client;
    GetClientRect(dialog, &client);
    HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 4, 2,
                                client.right - 8, units.bottom, dialog,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_REPORT_TABS)),
                                nullptr, nullptr);
    SendMessageW(tabs, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    const TextId names[] = {kTextPageGear, kTextPageMate, kTextPagePair};
    for (int i = 0; i < 3; i++) {
        wchar_t name[64];
        ToWide(UiText(names[i]), name, 64);
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = name;
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

ReportPage ShownReportPage(HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_REPORT_TABS);
    if (tabs == nullptr) {
        return kGearPage;
    }
    return static_cast<ReportPage>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
}

static void FillPairRows(HWND dialog, const GearPair& pair) {
    for (int i = 0; i < kPairQuantityCount; i++) {
        const PairQuantity quantity = static_cast<PairQuantity>(i);
        char text[256];
        FormatPairQuantityLabel(quantity, programLanguage, text, sizeof text);
        SetControlTextUtf8(dialog, IDC_PAIR_LABEL_FIRST + i, text);
        FormatPairQuantity(pair, quantity, 0, programLanguage, text, sizeof text);
        SetControlTextUtf8(dialog, IDC_PAIR_VALUE_FIRST + i, text);
        text[0] = '\0';
        if (PairQuantityPerGear(quantity)) {
            FormatPairQuantity(pair, quantity, 1, programLanguage, text, sizeof text);
        }
        SetControlTextUtf8(dialog, IDC_PAIR_MATE_VALUE_FIRST + i, text);
        SetControlTextUtf8(dialog, IDC_PAIR_UNIT_FIRST + i, PairQuantityUnit(quantity));
    }
    char warnings[2048] = "";
    for (int i = 0; i < PairWarningCount(pair); i++) {
        char warning[400];
        FormatPairWarning(pair, i, programLanguage, warning, sizeof warning);
        snprintf(warnings + strlen(warnings), sizeof warnings - strlen(warnings), "%s\r\n",
                 warning);
    }
    SetControlTextUtf8(dialog, IDC_REPORT_WARNINGS, warnings);
}

void ShowReportRows(HWND dialog, ReportPage page, const GearPair* pair) {
    const int gearRows = page == kPairPage ? SW_HIDE : SW_SHOW;
    const int pairRows = page == kPairPage ? SW_SHOW : SW_HIDE;
    for (int i = 0; i < kQuantityCount; i++) {
        ShowWindow(GetDlgItem(dialog, IDC_REPORT_LABEL_FIRST + i), gearRows);
        ShowWindow(GetDlgItem(dialog, IDC_REPORT_VALUE_FIRST + i), gearRows);
        ShowWindow(GetDlgItem(dialog, IDC_REPORT_UNIT_FIRST + i), gearRows);
    }
    ShowWindow(GetDlgItem(dialog, IDC_REPORT_SPAN_TEETH), gearRows);
    ShowWindow(GetDlgItem(dialog, IDC_REPORT_PIN_DIAMETER), gearRows);
    for (int i = 0; i < kPairQuantityCount; i++) {
        ShowWindow(GetDlgItem(dialog, IDC_PAIR_LABEL_FIRST + i), pairRows);
        ShowWindow(GetDlgItem(dialog, IDC_PAIR_VALUE_FIRST + i), pairRows);
        ShowWindow(GetDlgItem(dialog, IDC_PAIR_MATE_VALUE_FIRST + i), pairRows);
        ShowWindow(GetDlgItem(dialog, IDC_PAIR_UNIT_FIRST + i), pairRows);
    }
    // Only the gear's own page measures over another pin or k.
    const BOOL ownPage = page == kGearPage;
    SendDlgItemMessageW(dialog, IDC_REPORT_PIN_DIAMETER, EM_SETREADONLY, !ownPage, 0);
    EnableWindow(GetDlgItem(dialog, IDC_REPORT_RECOMPUTE), ownPage);
    if (page == kPairPage && pair != nullptr) {
        FillPairRows(dialog, *pair);
    }
}
